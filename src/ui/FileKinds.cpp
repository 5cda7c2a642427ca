#include "FileKinds.h"

#include "platform/FileSystem.h"

#include <QtConcurrent>

namespace tidewell {

FileKinds::FileKinds(QObject* parent) : FileKinds(FileSystem::real(), parent) {}

FileKinds::FileKinds(FileSystem& fileSystem, QObject* parent)
    : QObject(parent), m_fileSystem(fileSystem) {
    m_pool.setMaxThreadCount(2);
}

QVariant FileKinds::isFolder(const QString& path) {
    const auto known = m_known.constFind(path);
    if (known != m_known.cend())
        return *known;
    if (path.isEmpty() || m_pending.contains(path))
        return {};
    m_pending.insert(path);
    FileSystem* fileSystem = &m_fileSystem;
    QtConcurrent::run(&m_pool, [fileSystem, path] {
        return fileSystem->isDirectory(path);
    }).then(this, [this, path](bool folder) {
        m_pending.remove(path);
        m_known.insert(path, folder);
        ++m_answers;
        // A lookup that finished before its continuation was attached lands here while a view
        // is still inside isFolder(); telling views later keeps their bindings out of a loop.
        QMetaObject::invokeMethod(this, &FileKinds::answersChanged, Qt::QueuedConnection);
    });
    return {};
}

} // namespace tidewell
