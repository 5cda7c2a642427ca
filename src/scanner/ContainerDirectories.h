#pragma once

#include "model/AppDescriptor.h"

#include <QSet>
#include <QStringList>

namespace tidewell {

class FileSystem;

// The application's sandbox and group container folders under homePath, by folder name or by
// the owner identifier recorded inside each folder: standardized paths, unique, sorted.
// Container roots that cannot be read are added to permissionDenied by their own path.
QStringList findContainerDirectories(const AppDescriptor& app, const QString& homePath,
                                     QSet<QString>& permissionDenied, const FileSystem& fileSystem);

// Whether one container folder belongs to the application.
bool containerCandidateMatches(const QString& folderPath, const AppDescriptor& app,
                               const FileSystem& fileSystem);

} // namespace tidewell
