#include "OrphansModel.h"

#include "HostFromProcess.h"
#include "SharedByteFormatter.h"
#include "platform/FileSystem.h"
#include "platform/RealProgramRunner.h"
#include "removal/FileDeletionService.h"
#include "removal/RemovalJournal.h"
#include "scanner/PathNames.h"
#include "scanner/RemovedAppSearch.h"

#include <QFileInfo>
#include <QLocale>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

namespace tidewell {

namespace {

qint64 totalSize(const RemovedApp& app) {
    qint64 bytes = 0;
    for (const Orphan& item : app.items)
        bytes += item.sizeInBytes;
    return bytes;
}

} // namespace

OrphansModel::OrphansModel(const Host& host, QObject* parent)
    : OrphansModel([host] { return removedAppsOf(host); },
                   std::make_shared<FileDeletionService>(
                       host, FileSystem::real(),
                       std::make_shared<RemovalJournal>(RemovalJournal::folderOn(host))),
                   host.home, parent) {}

OrphansModel::OrphansModel(QObject* parent) : OrphansModel(hostFromProcess(), parent) {}

OrphansModel::OrphansModel(Finder finder, std::shared_ptr<FileDeleting> deleter,
                           const QString& home, QObject* parent)
    : QAbstractListModel(parent), m_finder(std::move(finder)), m_deleter(std::move(deleter)),
      m_home(pathnames::standardized(home)) {}

OrphanReport OrphansModel::removedAppsOf(const Host& host) {
    // A pool of its own: reading the installed bundles waits for its tasks, which must not
    // queue behind this very search in a shared pool.
    QThreadPool pool;
    return findRemovedApps(host, RealProgramRunner(host.programPath), FileSystem::real(), pool);
}

QString OrphansModel::reasonText(const Orphan& orphan) {
    switch (orphan.cause) {
    case OrphanCause::flatpakNotInstalled:
        return tr("Flatpak app %1 is not installed").arg(orphan.subject);
    case OrphanCause::snapNotInstalled:
        return tr("snap %1 is not installed").arg(orphan.subject);
    case OrphanCause::appImageGone:
        return orphan.subject.startsWith(u'/') ? tr("its AppImage %1 is gone").arg(orphan.subject)
                                               : tr("the AppImage of its launcher is gone");
    case OrphanCause::debianPackageRemoved:
        return tr("named like Debian package %1, which is not installed").arg(orphan.subject);
    case OrphanCause::containerOwnerGone:
        return tr("its container belongs to %1, which is not installed").arg(orphan.subject);
    case OrphanCause::identifierNotInstalled:
        return tr("named by %1, which is not installed").arg(orphan.subject);
    case OrphanCause::vendorAppsGone:
        return tr("a folder of %1, none of whose apps is installed").arg(orphan.subject);
    case OrphanCause::nameOfRemovedApp:
        return tr("named like %1, which is not installed").arg(orphan.subject);
    case OrphanCause::programGone:
        break;
    }
    return tr("its program %1 no longer exists").arg(orphan.subject);
}

QString OrphansModel::kindText(RemovedAppKind kind) {
    switch (kind) {
    case RemovedAppKind::flatpak:
        return tr("Flatpak");
    case RemovedAppKind::snap:
        return tr("snap");
    case RemovedAppKind::appImage:
        return tr("AppImage");
    case RemovedAppKind::debianPackage:
        return tr("Debian package");
    case RemovedAppKind::bundle:
        return tr("app bundle");
    case RemovedAppKind::launcher:
        break;
    }
    return tr("launcher");
}

QString OrphansModel::appSummaryText(const RemovedApp& app) {
    QString text = kindText(app.kind);
    if (app.removedAt.isValid())
        text = tr("%1, removed %2")
                   .arg(text, QLocale().toString(app.removedAt.date(), QLocale::ShortFormat));
    if (!app.dconfFolders.isEmpty())
        text += u' ' + tr("(its settings in dconf stay: %1)").arg(app.dconfFolders.join(u' '));
    return text;
}

int OrphansModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant OrphansModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row& row = m_rows[index.row()];
    const RemovedApp& app = m_apps[row.app];
    const bool isApp = row.item < 0;
    const Orphan* item = isApp ? nullptr : &app.items[row.item];
    switch (role) {
    case PathRole:
        return isApp ? QString() : item->path;
    case Qt::DisplayRole:
    case NameRole:
        return isApp ? app.name : QFileInfo(item->path).fileName();
    case ReasonRole:
        return isApp ? appSummaryText(app) : reasonText(*item);
    case SizeTextRole:
        return SharedByteFormatter::localized(isApp ? totalSize(app) : item->sizeInBytes);
    case IsSelectedRole:
        return isApp ? selectionStateOf(row.app) == u"on" : m_selected[row.app][row.item];
    case IsAppRole:
        return isApp;
    case IsOfferedRole:
        return !isApp && item->offered;
    case SelectionStateRole:
        if (isApp)
            return selectionStateOf(row.app);
        return m_selected[row.app][row.item] ? QStringLiteral("on") : QStringLiteral("off");
    default:
        return {};
    }
}

QHash<int, QByteArray> OrphansModel::roleNames() const {
    return {{PathRole, "path"},
            {NameRole, "name"},
            {ReasonRole, "reason"},
            {SizeTextRole, "sizeText"},
            {IsSelectedRole, "isSelected"},
            {IsAppRole, "isApp"},
            {IsOfferedRole, "isOffered"},
            {SelectionStateRole, "selectionState"}};
}

int OrphansModel::selectedCount() const {
    int count = 0;
    for (const QList<bool>& app : m_selected)
        count += int(app.count(true));
    return count;
}

QString OrphansModel::selectedSizeText() const {
    qint64 bytes = 0;
    for (qsizetype app = 0; app < m_apps.size(); ++app) {
        for (qsizetype item = 0; item < m_apps[app].items.size(); ++item)
            bytes += m_selected[app][item] ? m_apps[app].items[item].sizeInBytes : 0;
    }
    return SharedByteFormatter::localized(bytes);
}

QString OrphansModel::selectionStateOf(qsizetype app) const {
    const QList<bool>& selected = m_selected[app];
    if (!selected.contains(true))
        return QStringLiteral("off");
    for (qsizetype item = 0; item < selected.size(); ++item) {
        if (!selected[item] && !m_apps[app].items[item].offered)
            return QStringLiteral("mixed");
    }
    return QStringLiteral("on");
}

void OrphansModel::reload() {
    const QUuid loadID = QUuid::createUuid();
    m_activeLoadID = loadID;
    setLoading(true);
    QtConcurrent::run(m_finder).then(
        this, [this, loadID](const OrphanReport& report) { applyReport(loadID, report); });
}

void OrphansModel::applyReport(const QUuid& loadID, const OrphanReport& report) {
    if (loadID != m_activeLoadID)
        return;
    beginResetModel();
    m_apps = report.apps;
    m_problems = report.problems;
    m_selected.clear();
    m_rows.clear();
    for (qsizetype app = 0; app < m_apps.size(); ++app) {
        m_selected.append(QList<bool>(m_apps[app].items.size(), false));
        m_rows.append({app, -1});
        for (qsizetype item = 0; item < m_apps[app].items.size(); ++item)
            m_rows.append({app, item});
    }
    endResetModel();
    emit countChanged();
    emit selectionChanged();
    setLoading(false);
}

void OrphansModel::toggle(int row) {
    if (row < 0 || row >= m_rows.size() || m_removing)
        return;
    const Row& toggled = m_rows[row];
    if (toggled.item < 0)
        setAppSelected(toggled.app, selectionStateOf(toggled.app) != u"on");
    else
        m_selected[toggled.app][toggled.item] = !m_selected[toggled.app][toggled.item];
    emitSelectionChanged(toggled.app);
}

void OrphansModel::selectAll() {
    if (m_removing || m_apps.isEmpty())
        return;
    for (qsizetype app = 0; app < m_apps.size(); ++app)
        setAppSelected(app, true);
    emit dataChanged(index(0), index(int(m_rows.size()) - 1), {IsSelectedRole, SelectionStateRole});
    emit selectionChanged();
}

void OrphansModel::setAppSelected(qsizetype app, bool selected) {
    for (qsizetype item = 0; item < m_apps[app].items.size(); ++item) {
        if (!selected || !m_apps[app].items[item].offered)
            m_selected[app][item] = selected;
    }
}

void OrphansModel::emitSelectionChanged(qsizetype app) {
    // The app's row and all of its items' rows.
    const auto first = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                    [app](const Row& row) { return row.app == app; });
    const int top = int(first - m_rows.cbegin());
    const int bottom = top + int(m_apps[app].items.size());
    emit dataChanged(index(top), index(bottom), {IsSelectedRole, SelectionStateRole});
    emit selectionChanged();
}

void OrphansModel::removeSelected() {
    QList<RemovalPlan::Item> selected;
    for (qsizetype app = 0; app < m_apps.size(); ++app) {
        for (qsizetype item = 0; item < m_apps[app].items.size(); ++item) {
            const Orphan& orphan = m_apps[app].items[item];
            if (m_selected[app][item])
                selected.append({QUrl::fromLocalFile(orphan.path), {orphan.sizeInBytes}});
        }
    }
    if (selected.isEmpty() || m_removing)
        return;
    setRemoving(true);
    // Orphans lie in the home folder; the removal refuses anything outside it and the home's
    // own standard folders.
    const RemovalPlan plan(selected, {{m_home}, QString()},
                           {{}, {}, RemovalSubject::orphansKind()});
    m_deleter->deleteItems(plan).then(this, [this](const DeletionReport& report) {
        QString text = report.journalId == 0 && !report.journalFailure.isEmpty()
                           ? report.journalFailure
                           : tr("Moved %n item(s) to the Trash.", "", int(report.deleted.size()));
        if (!report.failures.isEmpty())
            text +=
                u' ' + tr("%n item(s) could not be removed: %1", "", int(report.failures.size()))
                           .arg(report.failures.first().reason);
        setResultText(text);
        setRemoving(false);
        reload();
    });
}

void OrphansModel::setLoading(bool loading) {
    if (loading != m_loading) {
        m_loading = loading;
        emit loadingChanged();
    }
}

void OrphansModel::setRemoving(bool removing) {
    if (removing != m_removing) {
        m_removing = removing;
        emit removingChanged();
    }
}

void OrphansModel::setResultText(const QString& text) {
    if (text != m_resultText) {
        m_resultText = text;
        emit resultTextChanged();
    }
}

} // namespace tidewell
