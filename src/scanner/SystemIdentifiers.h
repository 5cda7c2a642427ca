#pragma once

#include <QString>

namespace tidewell::systemapps {

// The system's own applications and services on a macOS-style host, kept in one table (in
// SystemIdentifiers.cpp): they come and go with the system, so nothing they keep is ever the
// leftover of a removed application.

// Whether identifier, in any case, is one of the system's: Apple's own ("com.apple.Safari")
// and Apple's shared group ids ("group.com.apple.notes", "systemgroup.com.apple.icloud").
bool isSystemIdentifier(const QString& identifier);

// Whether an entry of that name directly in Application Support, Caches or Logs is the
// system's own ("CrashReporter", "CloudDocs", "DiagnosticReports"), compared in compact form.
bool isSystemFolderName(const QString& name);

} // namespace tidewell::systemapps
