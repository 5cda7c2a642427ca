#pragma once

#include "CliCommand.h"

#include <QJsonObject>

namespace tidewell {

// `describe BUNDLE [--json]`: what Tidewell reads from a bundle and the tokens it searches by.
CliCommand describeCommand();

// The descriptor as JSON: appPath (the path as given), every name and identifier, absent
// values as null, searchTokens sorted by code point. Other commands embed it as "app".
QJsonObject describeJson(const AppDescriptor& app);

} // namespace tidewell
