#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Rules for paths built from data read out of bundles and for the folders work is confined to.
namespace tidewell::pathrules {

// Whether text may serve as one component of a path: not empty, no "/" or NUL, and not "." or
// "..". Identifiers and names read from a bundle are data, never path syntax.
bool isSafeComponent(QStringView text);

// folder + "/" + name when name is a safe component, so that the result stays inside folder;
// empty otherwise. Every path built from a value read out of a file is built this way.
QString joinedInside(const QString& folder, const QString& name);

// Whether path, once "." and ".." are resolved, lies strictly below folder, compared component
// by component ("/a/bc" is not inside "/a/b", and "/a/b" is not inside itself).
bool liesInside(const QString& path, const QString& folder);

// Whether path carries U+FFFD, the mark a folder listing leaves in place of name bytes that are
// not valid UTF-8; such a path can be shown but may name no file.
bool hasUndecodableName(QStringView path);

// path with the home folder written "~", as a shell and the file managers show it; path as it
// is when it lies outside home (or home is empty or "/").
QString homeAbbreviated(const QString& path, const QString& home);

// Whether path lies strictly below one of folders.
bool liesInsideAny(const QString& path, const QStringList& folders);

} // namespace tidewell::pathrules
