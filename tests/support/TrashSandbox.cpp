#include "TrashSandbox.h"

#include "platform/RealFileSystem.h"

#include <QDir>

const TrashSandbox& TrashSandbox::instance() {
    static const TrashSandbox sandbox;
    return sandbox;
}

TrashSandbox::TrashSandbox() {
    const QString home = m_root.createDirectory(QStringLiteral("home"));
    const QString dataHome = m_root.createDirectory(QStringLiteral("data"));
    // The shared file system trashes below dataHome; programs the tests start find it in
    // their environment.
    tidewell::RealFileSystem::setOwnDataFolder(dataHome);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    m_active = QDir(dataHome).exists();
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
