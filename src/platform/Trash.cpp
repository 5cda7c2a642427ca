#include "Trash.h"

#include "FileErrors.h"

#ifdef __APPLE__
#include <QFile>
#include <QFileInfo>
#else
// GLib's headers use "signals" as a member name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")
#endif

namespace tidewell::trash {

#ifdef __APPLE__

FileOperationResult moveToTrash(const QString& path) {
    QFile file(path);
    if (file.moveToTrash())
        return {};
    // A dangling link still exists as an item of its own.
    const int code =
        QFileInfo(path).isSymLink() || file.exists() ? UnknownWriteError : NoSuchFileError;
    return {code, file.errorString()};
}

#else

namespace {

int codeForGioError(const GError& error) {
    if (error.domain != G_IO_ERROR)
        return UnknownWriteError;
    switch (error.code) {
    case G_IO_ERROR_PERMISSION_DENIED:
        return NoWritePermissionError;
    case G_IO_ERROR_NOT_FOUND:
        return NoSuchFileError;
    default:
        return UnknownWriteError;
    }
}

} // namespace

FileOperationResult moveToTrash(const QString& path) {
    // GLib trashes the item itself (it looks at it with lstat and renames it), so a symbolic
    // link is moved as a link and its target stays where it is.
    // The local implementation directly: no GVfs module is loaded and no daemon is asked.
    GFile* file = g_vfs_get_file_for_path(g_vfs_get_local(), encodedPath(path).constData());
    GError* error = nullptr;
    const bool trashed = g_file_trash(file, nullptr, &error);
    g_object_unref(file);
    if (trashed)
        return {};
    FileOperationResult result{codeForGioError(*error), QString::fromUtf8(error->message)};
    g_error_free(error);
    return result;
}

#endif

} // namespace tidewell::trash
