#pragma once

#include "model/AppDescriptor.h"

#include <QUrl>

namespace tidewell::AppIntake {

// The application a dropped or chosen item names: an app bundle, or a Linux application's
// desktop entry (a .desktop file). Reads the disk: call it off the main thread.
AppDescriptor::Result read(const QUrl& url);

} // namespace tidewell::AppIntake
