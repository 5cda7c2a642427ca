#include "InstalledAppsModel.h"

#include "FileListModel.h"
#include "HostFromProcess.h"
#include "SharedByteFormatter.h"
#include "platform/RealProgramRunner.h"
#include "scanner/AppCatalogue.h"
#include "scanner/LeftoverScannerService.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace tidewell {

namespace {

// The AppImage integration names its entry after a hash of the file ("appimagekit_<md5>-Name"):
// the file itself says more.
QString shownId(const AppDescriptor& app) {
    if (app.kind == AppKind::appImage && !app.linuxFacts.programPath.isEmpty())
        return QFileInfo(app.linuxFacts.programPath).fileName();
    return app.identifier;
}

// What a scan of each app selects, in bytes: the figure the window shows once it has scanned
// that app, found by the same scan.
QList<qint64> measureSelectedLeftovers(const Host& host, const QList<AppDescriptor>& apps,
                                       const std::function<bool()>& abandoned) {
    LeftoverScannerService scanner(nullptr, host,
                                   std::make_shared<RealProgramRunner>(host.programPath));
    QList<qint64> sizes;
    for (const AppDescriptor& app : apps) {
        if (abandoned())
            break;
        QFuture<ScanReport> scan = scanner.scan(app, false);
        scan.waitForFinished();
        sizes.append(scan.resultCount() == 0 ? 0
                                             : FileListModel::totalSize(filesWithSelection(
                                                   scan.result().matches, true)));
    }
    return sizes;
}

} // namespace

InstalledAppsModel::InstalledAppsModel(const Host& host, QObject* parent)
    : InstalledAppsModel(
          [host] { return AppCatalogue::readLinuxApps(host, FileSystem::real()).apps(); },
          [host](const QList<AppDescriptor>& apps, const std::function<bool()>& abandoned) {
              return measureSelectedLeftovers(host, apps, abandoned);
          },
          parent) {}

InstalledAppsModel::InstalledAppsModel(QObject* parent)
    : InstalledAppsModel(hostFromProcess(), parent) {}

InstalledAppsModel::InstalledAppsModel(Reader reader, Measurer measurer, QObject* parent)
    : QAbstractListModel(parent), m_reader(std::move(reader)), m_measurer(std::move(measurer)) {}

InstalledAppsModel::~InstalledAppsModel() {
    stopMeasuring();
}

int InstalledAppsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant InstalledAppsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_shown.size())
        return {};
    const App& app = m_apps[m_shown[index.row()]];
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return app.descriptor.displayName;
    case AppIdRole:
        return app.descriptor.identifier;
    case KindRole:
        return kindName(app.descriptor.kind);
    case KindNameRole:
        return displayName(app.descriptor.kind);
    case ShownIdRole:
        return shownId(app.descriptor);
    case EntryUrlRole:
        return app.descriptor.appURL;
    case DataSizeTextRole:
        return app.dataSize > 0 ? SharedByteFormatter::localized(app.dataSize) : QString();
    case CheckedRole:
        return m_checked.contains(app.descriptor.appURL);
    default:
        return {};
    }
}

QHash<int, QByteArray> InstalledAppsModel::roleNames() const {
    return {{NameRole, "name"},
            {AppIdRole, "appId"},
            {KindRole, "kind"},
            {KindNameRole, "kindName"},
            {ShownIdRole, "shownId"},
            {EntryUrlRole, "entryUrl"},
            {DataSizeTextRole, "dataSizeText"},
            {CheckedRole, "checked"}};
}

void InstalledAppsModel::setFilter(const QString& filter) {
    if (filter == m_filter)
        return;
    m_filter = filter;
    emit filterChanged();
    refilter();
}

void InstalledAppsModel::reload() {
    stopMeasuring();
    const QUuid loadID = QUuid::createUuid();
    m_activeLoadID = loadID;
    m_loading = true;
    emit loadingChanged();
    QtConcurrent::run(m_reader).then(
        this, [this, loadID](const QList<AppDescriptor>& apps) { applyApps(loadID, apps); });
}

void InstalledAppsModel::stopMeasuring() {
    if (m_measuringAbandoned)
        *m_measuringAbandoned = true;
}

QUrl InstalledAppsModel::entryUrlAt(int row) const {
    return row >= 0 && row < m_shown.size() ? m_apps[m_shown[row]].descriptor.appURL : QUrl();
}

int InstalledAppsModel::checkedCount() const {
    return int(checkedUrls().size());
}

void InstalledAppsModel::toggleChecked(int row) {
    const QUrl url = entryUrlAt(row);
    if (url.isEmpty())
        return;
    if (!m_checked.remove(url))
        m_checked.insert(url);
    announceChecks();
}

void InstalledAppsModel::checkOnly(int first, int last) {
    m_checked.clear();
    for (int row = std::min(first, last); row <= std::max(first, last); ++row) {
        if (const QUrl url = entryUrlAt(row); !url.isEmpty())
            m_checked.insert(url);
    }
    announceChecks();
}

void InstalledAppsModel::uncheckAll() {
    m_checked.clear();
    announceChecks();
}

QList<QUrl> InstalledAppsModel::checkedUrls() const {
    QList<QUrl> urls;
    for (const App& app : m_apps) {
        if (m_checked.contains(app.descriptor.appURL))
            urls.append(app.descriptor.appURL);
    }
    return urls;
}

void InstalledAppsModel::announceChecks() {
    if (!m_shown.isEmpty())
        emit dataChanged(index(0), index(int(m_shown.size()) - 1), {CheckedRole});
    emit checkedChanged();
}

void InstalledAppsModel::applyApps(const QUuid& loadID, const QList<AppDescriptor>& apps) {
    if (loadID != m_activeLoadID)
        return;
    m_apps.clear();
    for (const AppDescriptor& app : apps)
        m_apps.append({app, -1});
    refilter();
    emit checkedChanged(); // a checked app may be gone
    m_loading = false;
    emit loadingChanged();
    auto abandoned = std::make_shared<std::atomic<bool>>(false);
    m_measuringAbandoned = abandoned;
    QtConcurrent::run([measurer = m_measurer, apps, abandoned] {
        return measurer(apps, [abandoned] { return abandoned->load(); });
    }).then(this, [this, loadID](const QList<qint64>& sizes) { applySizes(loadID, sizes); });
}

void InstalledAppsModel::applySizes(const QUuid& loadID, const QList<qint64>& sizes) {
    if (loadID != m_activeLoadID || sizes.size() != m_apps.size())
        return;
    for (qsizetype index = 0; index < m_apps.size(); ++index)
        m_apps[index].dataSize = sizes[index];
    if (!m_shown.isEmpty())
        emit dataChanged(this->index(0), this->index(int(m_shown.size()) - 1), {DataSizeTextRole});
}

bool InstalledAppsModel::passesFilter(const App& app) const {
    const QString filter = m_filter.trimmed();
    return filter.isEmpty() || app.descriptor.displayName.contains(filter, Qt::CaseInsensitive) ||
           app.descriptor.identifier.contains(filter, Qt::CaseInsensitive);
}

void InstalledAppsModel::refilter() {
    beginResetModel();
    m_shown.clear();
    for (qsizetype index = 0; index < m_apps.size(); ++index) {
        if (passesFilter(m_apps[index]))
            m_shown.append(index);
    }
    endResetModel();
    emit countChanged();
}

} // namespace tidewell
