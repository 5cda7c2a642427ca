#pragma once

#include <QString>
#include <QStringView>

namespace tidewell::pathnames {

// The last component of a path ("/a/b.txt" -> "b.txt"); a trailing slash is ignored.
QStringView fileName(QStringView path);
// The name without its extension ("notes.log" -> "notes"). A name whose only dot is its first
// character has no extension.
QStringView deletingExtension(QStringView name);
// The extension of a name, without the dot; empty when there is none.
QStringView extension(QStringView name);
// The path cleaned of "." and ".." components, double and trailing slashes.
QString standardized(const QString& path);
// a + "/" + b without doubling the slash when a ends in one.
QString joined(const QString& folder, const QString& name);

} // namespace tidewell::pathnames
