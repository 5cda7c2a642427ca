#pragma once

#include "LeftoverSearch.h"
#include "ScanContext.h"
#include "ScanRoots.h"
#include "SpotlightSearching.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"

#include <QSet>
#include <QThreadPool>

#include <memory>

namespace tidewell {

class OwnershipArbiter;

// An app bundle's leftovers: container folders, a parallel walk of the scan roots and, on
// request, the metadata index; every find is weighed against the other installed bundles.
class BundleLeftoverSearch final : public LeftoverSearch {
public:
    // The walk runs one task per root on ioPool; index may be null: no index search.
    BundleLeftoverSearch(Host host, const FileSystem& fileSystem, QThreadPool& ioPool,
                         std::shared_ptr<const SpotlightSearching> index);

    std::optional<FoundLeftovers> find(const AppDescriptor& app, bool useIndex,
                                       const Progress& progress,
                                       const CancellationToken& cancel) const override;

private:
    void walkRoots(const QList<ScanRoot>& roots, const ScanContext& context, QSet<QString>& found,
                   QSet<QString>& denied, const Progress& progress,
                   const CancellationToken& cancel) const;
    void addIndexHits(const AppDescriptor& app, const QList<ScanRoot>& roots, QSet<QString>& found,
                      const CancellationToken& cancel) const;
    void addStoreEntries(QSet<QString>& found) const;
    QList<FoundItem> keptMatches(const QSet<QString>& found, const ScanContext& context,
                                 const OwnershipArbiter& arbiter) const;
    QList<FoundItem> keptOwnedContainers(const QStringList& owned,
                                         const ScanContext& context) const;
    bool isAnotherBundle(const QString& path) const;

    Host m_host;
    const FileSystem& m_fileSystem;
    QThreadPool& m_ioPool;
    std::shared_ptr<const SpotlightSearching> m_index;
};

} // namespace tidewell
