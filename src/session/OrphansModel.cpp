#include "OrphansModel.h"

#include "HostFromProcess.h"
#include "SharedByteFormatter.h"
#include "platform/FileSystem.h"
#include "removal/FileDeletionService.h"
#include "removal/RemovalJournal.h"
#include "scanner/ItemClassification.h"
#include "scanner/PathNames.h"

#include <QFileInfo>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

namespace tidewell {

namespace {

QList<OrphansModel::Item> findOrphans(const Host& host) {
    const OrphanFinder finder(host, AppCatalogue::readLinuxApps(host, FileSystem::real()),
                              FileSystem::real());
    QList<OrphansModel::Item> items;
    for (const Orphan& orphan : finder.find())
        items.append({orphan, sizeInBytes(orphan.path, FileSystem::real()), false});
    return items;
}

} // namespace

OrphansModel::OrphansModel(const Host& host, QObject* parent)
    : OrphansModel([host] { return findOrphans(host); },
                   std::make_shared<FileDeletionService>(
                       host, FileSystem::real(),
                       std::make_shared<RemovalJournal>(RemovalJournal::folderOn(host))),
                   host.home, parent) {}

OrphansModel::OrphansModel(QObject* parent) : OrphansModel(hostFromProcess(), parent) {}

OrphansModel::OrphansModel(Finder finder, std::shared_ptr<FileDeleting> deleter,
                           const QString& home, QObject* parent)
    : QAbstractListModel(parent), m_finder(std::move(finder)), m_deleter(std::move(deleter)),
      m_home(pathnames::standardized(home)) {}

QString OrphansModel::reasonText(const Orphan& orphan) {
    switch (orphan.cause) {
    case OrphanCause::flatpakNotInstalled:
        return tr("Flatpak app %1 is not installed").arg(orphan.subject);
    case OrphanCause::snapNotInstalled:
        return tr("snap %1 is not installed").arg(orphan.subject);
    case OrphanCause::appImageGone:
        return orphan.subject.isEmpty() ? tr("the AppImage of its launcher is gone")
                                        : tr("its AppImage %1 is gone").arg(orphan.subject);
    case OrphanCause::programGone:
        break;
    }
    return tr("its program %1 no longer exists").arg(orphan.subject);
}

int OrphansModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant OrphansModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    const Item& item = m_items[index.row()];
    switch (role) {
    case PathRole:
        return item.orphan.path;
    case Qt::DisplayRole:
    case NameRole:
        return QFileInfo(item.orphan.path).fileName();
    case ReasonRole:
        return reasonText(item.orphan);
    case SizeTextRole:
        return SharedByteFormatter::localized(item.sizeInBytes);
    case IsSelectedRole:
        return item.selected;
    default:
        return {};
    }
}

QHash<int, QByteArray> OrphansModel::roleNames() const {
    return {{PathRole, "path"},
            {NameRole, "name"},
            {ReasonRole, "reason"},
            {SizeTextRole, "sizeText"},
            {IsSelectedRole, "isSelected"}};
}

int OrphansModel::selectedCount() const {
    return int(std::count_if(m_items.begin(), m_items.end(),
                             [](const Item& item) { return item.selected; }));
}

QString OrphansModel::selectedSizeText() const {
    qint64 bytes = 0;
    for (const Item& item : m_items)
        bytes += item.selected ? item.sizeInBytes : 0;
    return SharedByteFormatter::localized(bytes);
}

void OrphansModel::reload() {
    const QUuid loadID = QUuid::createUuid();
    m_activeLoadID = loadID;
    setLoading(true);
    QtConcurrent::run(m_finder).then(
        this, [this, loadID](const QList<Item>& items) { applyItems(loadID, items); });
}

void OrphansModel::applyItems(const QUuid& loadID, const QList<Item>& items) {
    if (loadID != m_activeLoadID)
        return;
    beginResetModel();
    m_items = items;
    endResetModel();
    emit countChanged();
    emit selectionChanged();
    setLoading(false);
}

void OrphansModel::toggle(int row) {
    if (row < 0 || row >= m_items.size() || m_removing)
        return;
    m_items[row].selected = !m_items[row].selected;
    emit dataChanged(index(row), index(row), {IsSelectedRole});
    emit selectionChanged();
}

void OrphansModel::selectAll() {
    if (m_items.isEmpty() || m_removing)
        return;
    for (Item& item : m_items)
        item.selected = true;
    emit dataChanged(index(0), index(int(m_items.size()) - 1), {IsSelectedRole});
    emit selectionChanged();
}

void OrphansModel::removeSelected() {
    QList<RemovalPlan::Item> selected;
    for (const Item& item : m_items) {
        if (item.selected)
            selected.append({QUrl::fromLocalFile(item.orphan.path), {item.sizeInBytes}});
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
