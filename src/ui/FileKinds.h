#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

namespace tidewell {

class FileSystem;

// Whether the items on show are folders, learned off the main thread: a name says nothing
// reliable ("com.example.tool" is usually a folder), so the icon waits for the file system.
// Lives on the main thread; each path is asked once per run.
class FileKinds : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // Grows with every answer. Views read isFolder() in bindings that depend on it, so a view
    // still being built when its answer arrives reads it all the same.
    Q_PROPERTY(int answers READ answers NOTIFY answersChanged)

public:
    explicit FileKinds(QObject* parent = nullptr);
    FileKinds(FileSystem& fileSystem, QObject* parent = nullptr);

    // true or false once known, else undefined; an unknown path is looked up in the background.
    Q_INVOKABLE QVariant isFolder(const QString& path);
    int answers() const { return m_answers; }

signals:
    void answersChanged();

private:
    FileSystem& m_fileSystem;
    QHash<QString, bool> m_known;
    QSet<QString> m_pending;
    int m_answers = 0;
    // Its own threads, so icons never wait behind long work in the global pool.
    QThreadPool m_pool;
};

} // namespace tidewell
