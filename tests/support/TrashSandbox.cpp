#include "TrashSandbox.h"

#include <QDir>

#include <glib.h>

const TrashSandbox& TrashSandbox::instance() {
    static const TrashSandbox sandbox;
    return sandbox;
}

TrashSandbox::TrashSandbox() {
    const QString home = m_root.createDirectory(QStringLiteral("home"));
    const QString dataHome = m_root.createDirectory(QStringLiteral("data"));
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    // The first calls fix both folders for the rest of the process; they answer what GLib will
    // use from now on.
    m_active = QDir(QString::fromUtf8(g_get_home_dir())) == QDir(home) &&
               QDir(QString::fromUtf8(g_get_user_data_dir())) == QDir(dataHome);
}

QString TrashSandbox::homePath() const {
    return m_root.path(QStringLiteral("home"));
}

QString TrashSandbox::dataPath() const {
    return m_root.path(QStringLiteral("data"));
}

QString TrashSandbox::trashFilesPath() const {
    return m_root.path(QStringLiteral("data/Trash/files"));
}

QString TrashSandbox::trashInfoPath() const {
    return m_root.path(QStringLiteral("data/Trash/info"));
}
