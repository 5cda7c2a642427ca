#pragma once

#include "scanner/OrphanFinder.h"

#include <QAbstractListModel>
#include <QUuid>

#include <functional>
#include <memory>

namespace tidewell {

class FileDeleting;

// What removed Linux applications left behind, for the window: each item with its size and
// why it is taken for an orphan, none selected. Finding and measuring run off the main thread;
// the selected items go to the Trash, confined to the home folder.
class OrphansModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)
    Q_PROPERTY(bool removing READ removing NOTIFY removingChanged)
    Q_PROPERTY(int selectedCount READ selectedCount NOTIFY selectionChanged)
    Q_PROPERTY(QString selectedSizeText READ selectedSizeText NOTIFY selectionChanged)
    // What the last removal did, in a sentence; empty before any.
    Q_PROPERTY(QString resultText READ resultText NOTIFY resultTextChanged)

public:
    enum Role {
        PathRole = Qt::UserRole + 1,
        NameRole,
        ReasonRole, // why it is an orphan, in the user's language
        SizeTextRole,
        IsSelectedRole,
    };
    Q_ENUM(Role)

    struct Item {
        Orphan orphan;
        qint64 sizeInBytes = 0;
        bool selected = false;
    };
    // Finds the orphans with their sizes; called off the main thread.
    using Finder = std::function<QList<Item>()>;

    // The orphans in host's home, removed by a FileDeletionService for host.
    explicit OrphansModel(const Host& host, QObject* parent = nullptr);
    // The same on this process's host, as QML makes it.
    explicit OrphansModel(QObject* parent = nullptr);
    // The orphans finder finds, removed by deleter and only inside home.
    OrphansModel(Finder finder, std::shared_ptr<FileDeleting> deleter, const QString& home,
                 QObject* parent = nullptr);

    // Why orphan is taken for one, in the user's language.
    static QString reasonText(const Orphan& orphan);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool loading() const { return m_loading; }
    bool removing() const { return m_removing; }
    int selectedCount() const;
    QString selectedSizeText() const;
    QString resultText() const { return m_resultText; }

    Q_INVOKABLE void reload();
    Q_INVOKABLE void toggle(int row);
    // Selects every row (Ctrl+A).
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
    void applyItems(const QUuid& loadID, const QList<Item>& items);
    void setLoading(bool loading);
    void setRemoving(bool removing);
    void setResultText(const QString& text);

    Finder m_finder;
    std::shared_ptr<FileDeleting> m_deleter;
    QString m_home;
    QList<Item> m_items;
    bool m_loading = false;
    bool m_removing = false;
    QString m_resultText;
    QUuid m_activeLoadID;
};

} // namespace tidewell
