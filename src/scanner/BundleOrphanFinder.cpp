#include "BundleOrphanFinder.h"

#include "BundleIdentifiers.h"
#include "MatchNeedles.h"
#include "PathNames.h"
#include "model/TextRules.h"

#include <QFileInfo>
#include <QMap>

#include <algorithm>

namespace tidewell {

namespace {

const QString metadataFileName = QStringLiteral(".com.apple.containermanagerd.metadata.plist");
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
    : m_host(std::move(host)), m_fileSystem(fileSystem), m_claims(installed) {}

QString BundleOrphanFinder::library(const QString& relative) const {
    return pathnames::joined(m_host.home, QStringLiteral("Library/") + relative);
}

QList<RemovedApp> BundleOrphanFinder::find() const {
    if (!m_fileSystem.isDirectory(m_host.systemPath(QStringLiteral("/Applications"))) ||
        !m_fileSystem.isDirectory(pathnames::joined(m_host.home, QStringLiteral("Library"))))
        return {};
    QList<NamedEntry> entries = namedEntries();
    entries.removeIf(
        [this](const NamedEntry& entry) { return m_claims.claimsIdentifier(entry.identifier); });
    QList<RemovedApp> found = groupedByRoot(entries);
    addNameLikeItems(found);
    for (RemovedApp& app : found)
        std::sort(app.items.begin(), app.items.end(),
                  [](const Orphan& a, const Orphan& b) { return a.path < b.path; });
    std::sort(found.begin(), found.end(), [](const RemovedApp& a, const RemovedApp& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return found;
}

QList<RemovedApp> BundleOrphanFinder::groupedByRoot(const QList<NamedEntry>& entries) const {
    QStringList identifiers;
    for (const NamedEntry& entry : entries)
        identifiers.append(entry.identifier);
    const QHash<QString, QString> roots = bundleids::rootsOf(identifiers);
    QMap<QString, RemovedApp> apps;
    QSet<QString> showingAnApp;  // roots with a container or saved windows of their own
    QSet<QString> namedBySystem; // roots the system named something by
    for (const NamedEntry& entry : entries) {
        const QString root = roots.value(text::lowercased(entry.identifier));
        RemovedApp& app = apps[root];
        app.kind = RemovedAppKind::bundle;
        if (app.identifier.isEmpty() || text::lowercased(entry.identifier) == root)
            app.identifier = entry.identifier;
        if (!entry.appName.isEmpty())
            app.name = entry.appName;
        const bool inContainer =
            entry.place == Place::container || entry.place == Place::groupContainer;
        app.items.append(
            {entry.path,
             inContainer ? OrphanCause::containerOwnerGone : OrphanCause::identifierNotInstalled,
             entry.identifier, entry.offered});
        if (entry.place == Place::container || entry.place == Place::windows)
            showingAnApp.insert(root);
        if (entry.place != Place::groupContainer && entry.place != Place::appNamed)
            namedBySystem.insert(root);
    }
    QList<RemovedApp> found;
    for (auto app = apps.begin(); app != apps.end(); ++app) {
        const bool ownApp =
            showingAnApp.contains(app.key()) && bundleids::namesProductAfterVendor(app.key());
        if (!namedBySystem.contains(app.key()) || (m_claims.claimsVendorOf(app.key()) && !ownApp))
            continue;
        if (app->name.isEmpty())
            app->name = app->identifier;
        found.append(*app);
    }
    return found;
}

QList<BundleOrphanFinder::NamedEntry> BundleOrphanFinder::namedEntries() const {
    QList<NamedEntry> entries;
    for (const QString& folder :
         {QStringLiteral("Caches"), QStringLiteral("Application Support"), QStringLiteral("Logs")})
        addNamedIn(folder, Naming::wholeName, Place::appNamed, false, entries);
    for (const QString& folder :
         {QStringLiteral("Preferences"), QStringLiteral("HTTPStorages"), QStringLiteral("WebKit")})
        addNamedIn(folder, Naming::wholeName, Place::systemNamed, false, entries);
    addNamedIn(QStringLiteral("Saved Application State"), Naming::wholeName, Place::windows, false,
               entries);
    addNamedIn(QStringLiteral("Preferences/ByHost"), Naming::hostSuffixed, Place::systemNamed,
               false, entries);
    addNamedIn(QStringLiteral("Application Scripts"), Naming::wholeName, Place::systemNamed, true,
               entries);
    addNamedIn(QStringLiteral("Cookies"), Naming::wholeName, Place::systemNamed, true, entries);
    addContainersIn(QStringLiteral("Containers"), Place::container, entries);
    addContainersIn(QStringLiteral("Group Containers"), Place::groupContainer, entries);
    return entries;
}

void BundleOrphanFinder::addNamedIn(const QString& relative, Naming naming, Place place,
                                    bool offered, QList<NamedEntry>& entries) const {
    for (const DirectoryEntry& entry : m_fileSystem.listDirectory(library(relative)).entries) {
        QString identifier = bundleids::identifierInName(entry.name);
        // "com.example.app.<host id>.plist": the last label names the machine.
        if (naming == Naming::hostSuffixed)
            identifier = identifier.section(u'.', 0, -2);
        if (bundleids::isReverseDns(identifier))
            entries.append({entry.path, identifier, place, offered, {}});
    }
}

void BundleOrphanFinder::addContainersIn(const QString& relative, Place place,
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
        entries.append(
            {entry.path, identifier, place, false, QFileInfo(bundle).completeBaseName()});
    }
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
            if (!m_claims.claimsName(name) && !names.contains(name))
                names.insert(name, index);
        }
        if (!m_claims.claimsName(vendor) && !m_claims.claimsVendorOf(apps[index].identifier) &&
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
