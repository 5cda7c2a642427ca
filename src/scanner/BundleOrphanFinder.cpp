#include "BundleOrphanFinder.h"

#include "BundleIdentifiers.h"
#include "MatchNeedles.h"
#include "PathNames.h"
#include "SystemIdentifiers.h"
#include "model/TextRules.h"

#include <QFileInfo>
#include <QMap>

#include <algorithm>

namespace tidewell {

namespace {

const QString metadataFileName = QStringLiteral(".com.apple.containermanagerd.metadata.plist");
constexpr qsizetype minimumNameLength = 3;

QString vendorOf(const QString& identifier) {
    return QString::fromStdU32String(MatchNeedles::vendorOf(text::lowercased(identifier)));
}

// The path of the bundle a container's metadata records for its app, wherever in the
// metadata's nested dictionaries it is written.
QString recordedBundle(const QVariant& value) {
    if (value.typeId() == QMetaType::QString) {
        const QString path = value.toString();
        return path.startsWith(u'/') && path.endsWith(QStringLiteral(".app")) ? path : QString();
    }
    for (const QVariant& nested : value.toMap()) {
        if (QString path = recordedBundle(nested); !path.isEmpty())
            return path;
    }
    return {};
}

// A file's name without its extension, a folder's whole name, in compact form.
QString compactNameOf(const DirectoryEntry& entry) {
    const QString name =
        entry.isDirectory.value_or(false) ? entry.name : QFileInfo(entry.name).completeBaseName();
    return text::compactForm(name);
}

} // namespace

BundleOrphanFinder::BundleOrphanFinder(Host host, const QList<AppDescriptor>& installed,
                                       const FileSystem& fileSystem)
    : m_host(std::move(host)), m_fileSystem(fileSystem) {
    for (const AppDescriptor& app : installed) {
        m_installedIdentifiers.append(app.normalizedBundleIdentifier);
        if (app.baseBundleIdentifier)
            m_installedIdentifiers.append(*app.baseBundleIdentifier);
        if (const QString vendor = vendorOf(app.normalizedBundleIdentifier); !vendor.isEmpty())
            m_installedVendors.insert(vendor);
        for (const QString& token : app.searchTokens)
            m_installedTokens.insert(text::compactForm(token));
    }
}

QString BundleOrphanFinder::library(const QString& relative) const {
    return pathnames::joined(m_host.home, QStringLiteral("Library/") + relative);
}

QList<RemovedApp> BundleOrphanFinder::find() const {
    if (!m_fileSystem.isDirectory(m_host.systemPath(QStringLiteral("/Applications"))) ||
        !m_fileSystem.isDirectory(pathnames::joined(m_host.home, QStringLiteral("Library"))))
        return {};
    QList<NamedEntry> entries = namedEntries();
    entries.removeIf([this](const NamedEntry& entry) { return isClaimed(entry.identifier); });
    QStringList identifiers;
    for (const NamedEntry& entry : entries)
        identifiers.append(entry.identifier);
    const QHash<QString, QString> roots = bundleids::rootsOf(identifiers);
    QMap<QString, RemovedApp> apps;
    for (const NamedEntry& entry : entries) {
        const QString root = roots.value(text::lowercased(entry.identifier));
        RemovedApp& app = apps[root];
        app.kind = RemovedAppKind::bundle;
        if (app.identifier.isEmpty() || text::lowercased(entry.identifier) == root)
            app.identifier = entry.identifier;
        if (!entry.appName.isEmpty())
            app.name = entry.appName;
        app.items.append({entry.path, entry.cause, entry.identifier, entry.offered});
    }
    QList<RemovedApp> found = apps.values();
    for (RemovedApp& app : found) {
        if (app.name.isEmpty())
            app.name = app.identifier;
    }
    addNameLikeItems(found);
    for (RemovedApp& app : found)
        std::sort(app.items.begin(), app.items.end(),
                  [](const Orphan& a, const Orphan& b) { return a.path < b.path; });
    std::sort(found.begin(), found.end(), [](const RemovedApp& a, const RemovedApp& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return found;
}

QList<BundleOrphanFinder::NamedEntry> BundleOrphanFinder::namedEntries() const {
    QList<NamedEntry> entries;
    for (const QString& folder : {QStringLiteral("Preferences"), QStringLiteral("Caches"),
                                  QStringLiteral("Application Support"), QStringLiteral("Logs"),
                                  QStringLiteral("Saved Application State"),
                                  QStringLiteral("HTTPStorages"), QStringLiteral("WebKit")})
        addNamedIn(folder, Naming::wholeName, false, entries);
    addNamedIn(QStringLiteral("Preferences/ByHost"), Naming::hostSuffixed, false, entries);
    addNamedIn(QStringLiteral("Application Scripts"), Naming::wholeName, true, entries);
    addNamedIn(QStringLiteral("Cookies"), Naming::wholeName, true, entries);
    addContainersIn(QStringLiteral("Containers"), entries);
    addContainersIn(QStringLiteral("Group Containers"), entries);
    return entries;
}

void BundleOrphanFinder::addNamedIn(const QString& relative, Naming naming, bool offered,
                                    QList<NamedEntry>& entries) const {
    for (const DirectoryEntry& entry : m_fileSystem.listDirectory(library(relative)).entries) {
        QString identifier = bundleids::identifierInName(entry.name);
        // "com.example.app.<host id>.plist": the last label names the machine.
        if (naming == Naming::hostSuffixed)
            identifier = identifier.section(u'.', 0, -2);
        if (bundleids::isReverseDns(identifier))
            entries.append(
                {entry.path, identifier, OrphanCause::identifierNotInstalled, offered, {}});
    }
}

void BundleOrphanFinder::addContainersIn(const QString& relative,
                                         QList<NamedEntry>& entries) const {
    for (const DirectoryEntry& entry : m_fileSystem.listDirectory(library(relative)).entries) {
        if (!entry.isDirectory.value_or(false) || entry.isSymbolicLink.value_or(true))
            continue;
        const std::optional<QVariantMap> metadata =
            m_fileSystem.readPropertyList(pathnames::joined(entry.path, metadataFileName));
        const QString identifier = bundleids::withoutGroupPrefix(
            metadata ? metadata->value(QStringLiteral("MCMMetadataIdentifier")).toString()
                     : QString());
        const QString bundle = metadata ? recordedBundle(*metadata) : QString();
        // A container whose app still stands where it was recorded is that app's, whatever
        // its identifier says.
        if (!bundleids::isReverseDns(identifier) ||
            (!bundle.isEmpty() && m_fileSystem.exists(m_host.systemPath(bundle))))
            continue;
        entries.append({entry.path, identifier, OrphanCause::containerOwnerGone, false,
                        QFileInfo(bundle).completeBaseName()});
    }
}

bool BundleOrphanFinder::isClaimed(const QString& identifier) const {
    if (systemapps::isSystemIdentifier(identifier))
        return true;
    const bool ofInstalledApp =
        std::any_of(m_installedIdentifiers.cbegin(), m_installedIdentifiers.cend(),
                    [&identifier](const QString& installed) {
                        return bundleids::belongsTo(identifier, installed) ||
                               bundleids::belongsTo(installed, identifier);
                    });
    return ofInstalledApp || m_installedVendors.contains(vendorOf(identifier));
}

bool BundleOrphanFinder::isClaimedName(const QString& compact) const {
    return text::characterCount(compact) < minimumNameLength ||
           m_installedTokens.contains(compact) || systemapps::isSystemFolderName(compact) ||
           MatchNeedles::isGenericWord(compact);
}

void BundleOrphanFinder::addNameLikeItems(QList<RemovedApp>& apps) const {
    // Each name and vendor to the first removed app that goes by it.
    QHash<QString, qsizetype> names;
    QHash<QString, qsizetype> vendors;
    for (qsizetype index = 0; index < apps.size(); ++index) {
        const QString element = bundleids::nameElementOf(apps[index].identifier);
        const QString vendor = vendorOf(apps[index].identifier);
        for (const QString& name : {element, element.isEmpty() ? QString() : vendor + element,
                                    text::compactForm(apps[index].name)}) {
            if (!isClaimedName(name) && !names.contains(name))
                names.insert(name, index);
        }
        if (!isClaimedName(vendor) && !m_installedVendors.contains(vendor) &&
            !vendors.contains(vendor))
            vendors.insert(vendor, index);
    }
    for (const QString& folder : {QStringLiteral("Application Support"), QStringLiteral("Caches"),
                                  QStringLiteral("Logs")}) {
        for (const DirectoryEntry& entry : m_fileSystem.listDirectory(library(folder)).entries) {
            const QString compact = compactNameOf(entry);
            if (!bundleids::identifierInName(entry.name).isEmpty())
                continue;
            if (names.contains(compact)) {
                RemovedApp& app = apps[names.value(compact)];
                app.items.append({entry.path, OrphanCause::nameOfRemovedApp, app.name, true});
            } else if (vendors.contains(compact)) {
                RemovedApp& app = apps[vendors.value(compact)];
                app.items.append({entry.path, OrphanCause::vendorAppsGone,
                                  app.identifier.section(u'.', 1, 1), true});
            }
        }
    }
}

} // namespace tidewell
