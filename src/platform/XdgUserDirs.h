#pragma once

#include <QByteArray>
#include <QStringList>

namespace tidewell::xdguserdirs {

// The folders that user-dirs.dirs names ("XDG_DOCUMENTS_DIR=\"$HOME/Documents\""), as
// xdg-user-dir reads them: a value is "$HOME/..." or an absolute path; other lines are passed
// over.
QStringList parse(const QByteArray& text, const QString& home);

// The user's standard folders (desktop, documents, downloads, music, pictures, public,
// templates, videos): those configFolder/user-dirs.dirs names and their usual English names
// below home, which stand whenever the file does not say otherwise.
QStringList standardFolders(const QString& configFolder, const QString& home);

} // namespace tidewell::xdguserdirs
