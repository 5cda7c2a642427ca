#pragma once

#include "CancellationToken.h"
#include "model/AppDescriptor.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QThreadPool>

#include <optional>
#include <variant>

namespace tidewell {

// The applications installed on one host, of every kind, each as the descriptor a scan
// matches with:
// - app bundles in the two Applications folders (and one folder level below them);
// - the application desktop entries of the host's applications folders, Flatpak's and
//   snapd's exports included whatever the session's data folders say, each with the AppStream
//   id of its metainfo. The first entry of an id shadows later ones; an entry marked Hidden,
//   one that would be refused when chosen, and a launcher in the home whose program is gone (a
//   removed app's leftover) are left out;
// - the Flatpaks their installation folders hold and the snaps /snap holds, known by id even
//   when they export no entry, and those named by entries outside the user's own
//   applications folder (a launcher the user keeps may outlive its package).
class AppCatalogue {
public:
    AppCatalogue() = default;
    // Made-up catalogues, for tests and for callers that know their apps.
    AppCatalogue(QList<AppDescriptor> apps, QSet<QString> flatpakIds = {},
                 QSet<QString> snapNames = {});

    // Every kind; reads the disk, so call it off the main thread.
    static AppCatalogue read(const Host& host, const FileSystem& fileSystem, QThreadPool& pool);
    // Bundles only: what a bundle's scan weighs its finds against.
    static AppCatalogue readBundles(const Host& host, const FileSystem& fileSystem,
                                    QThreadPool& pool);
    // Linux applications only. Once cancel answers yes, no further folder is listed.
    static AppCatalogue readLinuxApps(const Host& host, const FileSystem& fileSystem,
                                      const CancellationToken& cancel = {});

    // Sorted by display name.
    const QList<AppDescriptor>& apps() const { return m_apps; }
    bool hasFlatpak(const QString& id) const { return m_flatpakIds.contains(id); }
    bool hasSnap(const QString& name) const { return m_snapNames.contains(name); }

    using Lookup = std::variant<AppDescriptor, AppDescriptorError>;
    // The installed Linux app a Flatpak id, snap name or desktop file id names (with or
    // without ".desktop"), or why its entry cannot be taken; nothing when none has it.
    std::optional<Lookup> find(const QString& id) const;

private:
    void merge(AppCatalogue other);
    void sortByName();

    QList<AppDescriptor> m_apps;
    QSet<QString> m_flatpakIds;
    QSet<QString> m_snapNames;
    // Ids of entries left out as malformed, with the reason.
    QHash<QString, AppDescriptorError> m_refused;
};

} // namespace tidewell
