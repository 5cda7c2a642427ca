#pragma once

#include "model/AppDescriptor.h"
#include "platform/Host.h"

#include <QAbstractListModel>
#include <QFuture>
#include <QList>
#include <QSet>
#include <QUuid>

#include <atomic>
#include <memory>

namespace tidewell {

// The installed Linux applications for the window's chooser, sorted by name and narrowed by a
// filter on name and id, each checked or not: the apps chosen together. A check stays while the
// filter hides its row. Each row has the size of what a scan of its app selects. Reading the
// desktop entries and scanning each application run off the main thread; the rows come first,
// their sizes when measured.
class InstalledAppsModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)
    Q_PROPERTY(QString filter READ filter WRITE setFilter NOTIFY filterChanged)
    // How many applications are checked, shown or not.
    Q_PROPERTY(int checkedCount READ checkedCount NOTIFY checkedChanged)

public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        AppIdRole,
        KindRole,         // "flatpak", "snap", "appimage" or "desktop"
        KindNameRole,     // the kind in the user's language
        ShownIdRole,      // the id, or an AppImage's file name in place of its hash-like id
        EntryUrlRole,     // the desktop entry, as dropped or chosen
        DataSizeTextRole, // empty until measured, and for an app without leftovers
        CheckedRole,
    };
    Q_ENUM(Role)

    // One application as read; its data size once measured, -1 before.
    struct App {
        AppDescriptor descriptor;
        qint64 dataSize = -1;
    };
    using Reader = std::function<QList<AppDescriptor>()>;
    // Measures each app in order; once abandoned() answers yes, it may stop early: a shorter
    // list is dropped.
    using Measurer = std::function<QList<qint64>(const QList<AppDescriptor>&,
                                                 const std::function<bool()>& abandoned)>;

    // The installed desktop entries of host and what a scan of each finds.
    explicit InstalledAppsModel(const Host& host, QObject* parent = nullptr);
    // The same on this process's host, as QML makes it.
    explicit InstalledAppsModel(QObject* parent = nullptr);
    // The rows reader reads, their sizes as measurer measures them.
    InstalledAppsModel(Reader reader, Measurer measurer, QObject* parent = nullptr);
    ~InstalledAppsModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool loading() const { return m_loading; }
    QString filter() const { return m_filter; }
    void setFilter(const QString& filter);
    int checkedCount() const;

    // Reads the installed applications anew; rows already shown stay until the new ones come.
    Q_INVOKABLE void reload();
    // Gives up measuring, so that the scan of an app the user chose has the machine to itself;
    // sizes not yet shown stay blank until the next reload.
    Q_INVOKABLE void stopMeasuring();
    // The desktop entry of the row on show at row, empty when there is none.
    Q_INVOKABLE QUrl entryUrlAt(int row) const;
    // Checks the row on show at row, or unchecks it when it was checked.
    Q_INVOKABLE void toggleChecked(int row);
    // Checks the rows on show from first to last (either way round) and unchecks every other
    // application: a plain click checks one row, a click with Shift a run of them.
    Q_INVOKABLE void checkOnly(int first, int last);
    Q_INVOKABLE void uncheckAll();
    // The desktop entries of the checked applications, in the list's order.
    Q_INVOKABLE QList<QUrl> checkedUrls() const;

signals:
    void countChanged();
    void loadingChanged();
    void filterChanged();
    void checkedChanged();

private:
    void applyApps(const QUuid& loadID, const QList<AppDescriptor>& apps);
    void applySizes(const QUuid& loadID, const QList<qint64>& sizes);
    void refilter();
    bool passesFilter(const App& app) const;
    // Tells the view and the count that checks changed.
    void announceChecks();

    Reader m_reader;
    Measurer m_measurer;
    QList<App> m_apps;
    QList<qsizetype> m_shown; // indexes into m_apps
    QString m_filter;
    QSet<QUrl> m_checked; // by desktop entry, so that checks outlive the filter and a reload
    bool m_loading = false;
    QUuid m_activeLoadID;
    // Set to abandon the measuring under way.
    std::shared_ptr<std::atomic<bool>> m_measuringAbandoned;
};

} // namespace tidewell
