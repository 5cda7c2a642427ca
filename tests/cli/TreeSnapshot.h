#pragma once

#include <QDirIterator>
#include <QMap>

// Every item below a folder by relative path: link target, mode, and for files time and content.
using TreeSnapshot = QMap<QString, QByteArray>;

inline TreeSnapshot snapshotOf(const QString& folder) {
    TreeSnapshot tree;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        const QFileInfo& info = it.fileInfo();
        tree[QDir(folder).relativeFilePath(file.fileName())] =
            QFile::encodeName(info.symLinkTarget()) + ' ' +
            QByteArray::number(int(info.permissions())) + ' ' +
            (info.isDir() || !file.open(QFile::ReadOnly)
                 ? QByteArray()
                 : QByteArray::number(info.lastModified().toSecsSinceEpoch()) + ':' +
                       file.readAll());
    }
    return tree;
}
