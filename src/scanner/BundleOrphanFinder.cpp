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

// Every bundle path written in a property list: string values, in its dictionaries at any depth,
// that are absolute paths of an ".app". Lists are left out: they hold other apps, such as
// recent or favourite ones.
void addRecordedBundles(const QVariant& value, QSet<QString>& bundles) {
    if (value.typeId() == QMetaType::QString) {
        const QString path = value.toString();
        if (path.startsWith(u'/') && path.endsWith(QStringLiteral(".app")))
            bundles.insert(path);
    }
    for (const QVariant& nested : value.toMap())
        addRecordedBundles(nested, bundles);
}

QSet<QString> recordedBundles(const std::optional<QVariantMap>& propertyList) {
    QSet<QString> bundles;
    if (propertyList)
        addRecordedBundles(*propertyList, bundles);
    return bundles;
}

// The name of the app that a container's metadata or a preference file records, as
// Chromium-based apps write where they last ran: that of the one bundle written there, empty
// when there is none or several (a launcher's or an updater's apps).
QString recordedAppName(const QSet<QString>& bundles) {
    return bundles.size() == 1 ? QFileInfo(*bundles.cbegin()).completeBaseName() : QString();
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
    readRecordedBundles(entries);
    QList<FoundApp> apps = groupedByRoot(entries);
    addNameLikeItems(apps);
    QList<RemovedApp> found;
    for (FoundApp& app : apps) {
        std::sort(app.app.items.begin(), app.app.items.end(),
                  [](const Orphan& a, const Orphan& b) { return a.path < b.path; });
        found.append(app.app);
    }
    std::sort(found.begin(), found.end(), [](const RemovedApp& a, const RemovedApp& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return found;
}

bool BundleOrphanFinder::anyStandsWhereRecorded(const QSet<QString>& bundles) const {
    return std::any_of(bundles.cbegin(), bundles.cend(), [this](const QString& bundle) {
        return m_fileSystem.exists(m_host.systemPath(bundle));
    });
}

void BundleOrphanFinder::readRecordedBundles(QList<NamedEntry>& entries) const {
    QList<NamedEntry> kept;
    for (NamedEntry& entry : entries) {
        if (entry.place == Place::preferences) {
            const QSet<QString> bundles =
                recordedBundles(m_fileSystem.readPropertyList(entry.path));
            // Preferences that name an app still standing where they say may be that app's.
            if (anyStandsWhereRecorded(bundles))
                continue;
            entry.bundleName = recordedAppName(bundles);
        }
        kept.append(entry);
    }
    entries = kept;
}

QList<BundleOrphanFinder::FoundApp>
BundleOrphanFinder::groupedByRoot(const QList<NamedEntry>& entries) const {
    QStringList identifiers;
    for (const NamedEntry& entry : entries)
        identifiers.append(entry.identifier);
    const QHash<QString, QString> roots = bundleids::rootsOf(identifiers);
    QMap<QString, FoundApp> apps;
    QSet<QString> showingAnApp;  // roots with a container or saved windows of their own
    QSet<QString> namedBySystem; // roots the system named something by
    for (const NamedEntry& entry : entries) {
        const QString root = roots.value(text::lowercased(entry.identifier));
        FoundApp& found = apps[root];
        RemovedApp& app = found.app;
        app.kind = RemovedAppKind::bundle;
        if (app.identifier.isEmpty() || text::lowercased(entry.identifier) == root)
            app.identifier = entry.identifier;
        if (!entry.bundleName.isEmpty()) {
            // The first entries are containers: the system's record goes before the app's own.
            if (app.name.isEmpty())
                app.name = entry.bundleName;
            found.bundleNames.insert(text::compactForm(entry.bundleName));
        }
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
    QList<FoundApp> found;
    for (auto app = apps.begin(); app != apps.end(); ++app) {
        const bool ownApp =
            showingAnApp.contains(app.key()) && bundleids::namesProductAfterVendor(app.key());
        if (!namedBySystem.contains(app.key()) || (m_claims.claimsVendorOf(app.key()) && !ownApp))
            continue;
        if (app->app.name.isEmpty())
            app->app.name = app->app.identifier;
        found.append(*app);
    }
    return found;
}

QList<BundleOrphanFinder::NamedEntry> BundleOrphanFinder::namedEntries() const {
    QList<NamedEntry> entries;
    addContainersIn(QStringLiteral("Containers"), Place::container, entries);
    addContainersIn(QStringLiteral("Group Containers"), Place::groupContainer, entries);
    for (const QString& folder :
         {QStringLiteral("Caches"), QStringLiteral("Application Support"), QStringLiteral("Logs")})
        addNamedIn(folder, Naming::wholeName, Place::appNamed, false, entries);
    addNamedIn(QStringLiteral("Preferences"), Naming::wholeName, Place::preferences, false,
               entries);
    addNamedIn(QStringLiteral("Preferences/ByHost"), Naming::hostSuffixed, Place::preferences,
               false, entries);
    for (const QString& folder : {QStringLiteral("HTTPStorages"), QStringLiteral("WebKit")})
        addNamedIn(folder, Naming::wholeName, Place::systemNamed, false, entries);
    addNamedIn(QStringLiteral("Saved Application State"), Naming::wholeName, Place::windows, false,
               entries);
    addNamedIn(QStringLiteral("Application Scripts"), Naming::wholeName, Place::systemNamed, true,
               entries);
    addNamedIn(QStringLiteral("Cookies"), Naming::wholeName, Place::systemNamed, true, entries);
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
        const QSet<QString> bundles = recordedBundles(metadata);
        // A container whose app still stands where it was recorded is that app's, whatever
        // its identifier says.
        if (!bundleids::isReverseDns(identifier) || anyStandsWhereRecorded(bundles))
            continue;
        entries.append({entry.path, identifier, place, false, recordedAppName(bundles)});
    }
}

void BundleOrphanFinder::addNameLikeItems(QList<FoundApp>& found) const {
    // Each name and vendor to the first removed app that goes by it.
    QHash<QString, qsizetype> names;
    QHash<QString, qsizetype> vendors;
    for (qsizetype index = 0; index < found.size(); ++index) {
        const QString& identifier = found[index].app.identifier;
        const QString element = bundleids::nameElementOf(identifier);
        const QString vendor = vendorOf(identifier);
        QStringList appNames = found[index].bundleNames.values();
        std::sort(appNames.begin(), appNames.end());
        if (!element.isEmpty())
            appNames << element << vendor + element;
        for (const QString& name : std::as_const(appNames)) {
            if (!m_claims.claimsName(name) && !names.contains(name))
                names.insert(name, index);
        }
        if (!m_claims.claimsName(vendor) && !m_claims.claimsVendorOf(identifier) &&
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
                RemovedApp& app = found[names.value(compact)].app;
                app.items.append({entry.path, OrphanCause::nameOfRemovedApp, app.name, true});
            } else if (vendors.contains(compact)) {
                RemovedApp& app = found[vendors.value(compact)].app;
                app.items.append({entry.path, OrphanCause::vendorAppsGone,
                                  app.identifier.section(u'.', 1, 1), true});
            }
        }
    }
}

} // namespace tidewell
