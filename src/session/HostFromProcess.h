#pragma once

#include "platform/Host.h"

namespace tidewell {

// The host this process runs on: its HOME (else the home the system names for the user), its
// XDG variables and PATH, with the system folders taken under root ("" for the real root).
// The one place where the process environment becomes a Host.
Host hostFromProcess(const QString& root = {});

} // namespace tidewell
