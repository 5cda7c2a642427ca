#pragma once

#include "DesktopEntryFields.h"

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

    QString path() const;                        // absolute path of the folder itself
    QString path(const QString& relative) const; // absolute path below it

    QString createFile(const QString& relative, const QByteArray& data = {},
                       const QDateTime& modified = {});
    // A file of exactly size bytes (written, so it really occupies its blocks).
    QString createFileOfSize(const QString& relative, qint64 size);
    // A file of data compressed as gzip does, as logrotate leaves its rotated files.
    QString createGzipFile(const QString& relative, const QByteArray& data);
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
    // A desktop entry holding fields.
    QString createDesktopEntry(const QString& relative, const DesktopEntryFields& fields);
    // An installed Flatpak below root as the flatpak tool leaves it: its folder in the
    // installation (root/var/lib/flatpak for the system's, root/home/.local/share/flatpak for
    // the user's) and its exported entry; X-Flatpak and Exec default to launching id. Returns
    // the entry's path.
    enum class FlatpakScope { system, user };
    QString createFlatpakInstallation(const QString& root, const QString& id,
                                      DesktopEntryFields fields,
                                      FlatpakScope scope = FlatpakScope::system);
    // An installed snap below root as snapd leaves it: root/snap/name/current linking to its
    // revision, and the entry of its app in root/var/lib/snapd/desktop/applications;
    // X-SnapInstanceName and Exec default to the snap's. Returns the entry's path.
    QString createSnap(const QString& root, const QString& name, DesktopEntryFields fields,
                       const QString& app = {});
    // chmod of an existing item; restored to u+rwx before the folder is removed.
    void setMode(const QString& relative, unsigned mode);

private:
    QTemporaryDir m_dir;
};
