#pragma once

#include <QString>
#include <QVariantMap>

namespace tidewell::AppMetadata {

// The program's own name, version and build, read from its information dictionary, with
// fixed fallbacks for what is missing.
QString displayName();
QString versionString();
QString buildString();

// The program's information dictionary: the values the build compiled in
// ("CFBundleName", "CFBundleShortVersionString", "CFBundleVersion"), each only when given.
QVariantMap bundleInfo();

// The selection rules over any information dictionary. A value that is not a string counts
// as absent; the display name also skips empty strings, the version and build do not.
QString displayName(const QVariantMap& info);
QString versionString(const QVariantMap& info);
QString buildString(const QVariantMap& info);

} // namespace tidewell::AppMetadata
