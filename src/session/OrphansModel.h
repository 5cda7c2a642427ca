#pragma once

#include "scanner/RemovedApp.h"

#include <QAbstractListModel>
#include <QUuid>

#include <functional>
#include <memory>

namespace tidewell {

class FileDeleting;
struct Host;

// The applications that are gone and what they left behind, for the window: one row per app,
// then one per item of it, each item with its size and why it is taken for the app's; nothing
// selected at first. Checking an app selects its items but not the ones only offered (named
// like the app rather than by its identity), which are chosen one by one. Finding and
// measuring run off the main thread; the selected items go to the Trash, confined to the home
// folder.
class OrphansModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(int appCount READ appCount NOTIFY countChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)
    Q_PROPERTY(bool removing READ removing NOTIFY removingChanged)
    Q_PROPERTY(int selectedCount READ selectedCount NOTIFY selectionChanged)
    Q_PROPERTY(QString selectedSizeText READ selectedSizeText NOTIFY selectionChanged)
    // What the last removal did, in a sentence; empty before any.
    Q_PROPERTY(QString resultText READ resultText NOTIFY resultTextChanged)
    // What could not be read while looking, one line each; empty when everything was read.
    Q_PROPERTY(QString problemsText READ problemsText NOTIFY countChanged)

public:
    enum Role {
        PathRole = Qt::UserRole + 1, // an item's path, empty for an app
        NameRole,                    // the app's name, or the item's file name
        ReasonRole,   // an item's evidence, or the app's kind and removal, in the user's language
        SizeTextRole, // an item's size, or the total of the app's
        IsSelectedRole,
        IsAppRole,
        IsOfferedRole,      // an item named like the app rather than by its identity
        SelectionStateRole, // "on", "mixed" or "off"
    };
    Q_ENUM(Role)

    // Finds the removed apps with their items' sizes; called off the main thread.
    using Finder = std::function<OrphanReport()>;

    // The removed apps of host, removed by a FileDeletionService for host.
    explicit OrphansModel(const Host& host, QObject* parent = nullptr);
    // The same on this process's host, as QML makes it.
    explicit OrphansModel(QObject* parent = nullptr);
    // The removed apps finder finds, removed by deleter and only inside home.
    OrphansModel(Finder finder, std::shared_ptr<FileDeleting> deleter, const QString& home,
                 QObject* parent = nullptr);

    // The removed apps of host with the real programs and file system. Blocks: call it off the
    // main thread.
    static OrphanReport removedAppsOf(const Host& host);
    // Why orphan is taken for its app's, in the user's language.
    static QString reasonText(const Orphan& orphan);
    // "Debian package", "Flatpak", ... in the user's language.
    static QString kindText(RemovedAppKind kind);
    // The app's kind, when it was removed where known, and its dconf folders.
    static QString appSummaryText(const RemovedApp& app);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int appCount() const { return int(m_apps.size()); }
    bool loading() const { return m_loading; }
    bool removing() const { return m_removing; }
    int selectedCount() const;
    QString selectedSizeText() const;
    QString resultText() const { return m_resultText; }
    QString problemsText() const { return m_problems.join(u'\n'); }

    Q_INVOKABLE void reload();
    // An app's row checks all its items but the offered ones, or unchecks all of them when
    // those are checked already; an item's row toggles that item.
    Q_INVOKABLE void toggle(int row);
    // Checks every app (Ctrl+A) (not the offered items).
    Q_INVOKABLE void selectAll();
    // Moves the selected items to the Trash, then looks again.
    Q_INVOKABLE void removeSelected();

signals:
    void countChanged();
    void loadingChanged();
    void removingChanged();
    void selectionChanged();
    void resultTextChanged();

private:
    // A row: an app (item < 0) or one of its items.
    struct Row {
        qsizetype app = 0;
        qsizetype item = -1;
    };

    void applyReport(const QUuid& loadID, const OrphanReport& report);
    QString selectionStateOf(qsizetype app) const;
    void setAppSelected(qsizetype app, bool selected);
    void emitSelectionChanged(qsizetype app);
    void setLoading(bool loading);
    void setRemoving(bool removing);
    void setResultText(const QString& text);

    Finder m_finder;
    std::shared_ptr<FileDeleting> m_deleter;
    QString m_home;
    QList<RemovedApp> m_apps;
    QList<QList<bool>> m_selected; // per app, per item
    QList<Row> m_rows;
    QStringList m_problems;
    bool m_loading = false;
    bool m_removing = false;
    QString m_resultText;
    QUuid m_activeLoadID;
};

} // namespace tidewell
