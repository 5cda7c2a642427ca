#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

// A temporary folder in which a test builds the tree it needs. Paths given to the builder are
// relative to the folder; every builder call creates missing parent folders and returns the
// absolute path it made. Everything is removed when the object goes away (modes restored first).
class TestDir {
public:
    TestDir();
    ~TestDir();

    bool isValid() const;
    QString path() const;                        // absolute path of the folder itself
    QString path(const QString& relative) const; // absolute path below it

    QString createFile(const QString& relative, const QByteArray& data = {},
                       const QDateTime& modified = {});
    // A file of exactly size bytes (written, so it really occupies its blocks).
    QString createFileOfSize(const QString& relative, qint64 size);
    QString createDirectory(const QString& relative);
    // A symbolic link at relative pointing to target (used as given: absolute or relative).
    QString createSymlink(const QString& relative, const QString& target);
    // A property list with the given top-level dictionary, XML or binary.
    enum class PlistFormat { xml, binary };
    QString createPlist(const QString& relative, const QVariantMap& dictionary,
                        PlistFormat format = PlistFormat::xml);
    // An application bundle with Contents/Info.plist holding info.
    QString createAppBundle(const QString& relative, const QVariantMap& info,
                            PlistFormat format = PlistFormat::xml);
    // chmod of an existing item; restored to u+rwx before the folder is removed.
    void setMode(const QString& relative, unsigned mode);

private:
    QTemporaryDir m_dir;
};
