#pragma once

#include <QByteArray>
#include <QString>

// A file system of its own mounted on a folder while the object lives, for cases that need a real
// volume: a full disk, a volume with a Trash at its top. The test process first moves into a
// mount namespace of its own, so the mount is seen nowhere else; both take root.
class ScratchMount {
public:
    // type and options as for mount(8): "tmpfs" with "size=64k", say.
    ScratchMount(const QString& folder, const char* type, const QByteArray& options = {});
    ~ScratchMount();
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    // Why there is no mount, or empty when it is in place.
    QString failure() const { return m_failure; }

private:
    QByteArray m_folder;
    QString m_failure;
};
