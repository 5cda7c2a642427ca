#pragma once

#include "DeletionReport.h"
#include "RemovalScope.h"
#include "RemovalSubject.h"
#include "model/AppDescriptor.h"
#include "model/MeasuredSize.h"
#include "model/ScannedFile.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace tidewell {

// What one removal takes away, with sizes: the given leftovers in their order, then the app
// itself when it goes with them (model::appGoesWithLeftovers), and the scope the removal may act
// in: the scan's folders and the app's path when it goes; and what its journal calls it.
class RemovalPlan {
public:
    struct Item {
        QUrl url;
        MeasuredSize size;
    };

    // appSize is asked only when the app goes: measuring it may walk a whole bundle.
    RemovalPlan(const QList<ScannedFile>& leftovers, const QStringList& roots,
                const AppDescriptor& app, const std::function<MeasuredSize()>& appSize);
    // Exactly these items in this scope.
    RemovalPlan(const QList<Item>& items, RemovalScope scope, RemovalSubject subject);

    const QList<Item>& items() const { return m_items; }
    QList<QUrl> urls() const;
    const RemovalScope& scope() const { return m_scope; }
    const RemovalSubject& subject() const { return m_subject; }
    // The planned size of the item at url (as planned), nothing for any other.
    MeasuredSize sizeOf(const QUrl& url) const { return m_sizes.value(url); }
    // The planned sizes of urls together; incomplete when one of them was not sized whole.
    MeasuredSize sizeOf(const QList<QUrl>& urls) const;
    // The bytes freed by the items the report counts as deleted.
    MeasuredSize reclaimedSize(const DeletionReport& report) const {
        return sizeOf(report.deleted);
    }

    // Keeps only the items keep answers true for; returns the others, left out.
    QList<QUrl> keepOnly(const std::function<bool(const QUrl&)>& keep);
    // Leaves out the items already in planned (an earlier plan of the same removal takes them)
    // and adds the ones kept to it, so that an item several plans hold goes once, with the
    // first.
    void keepUnplanned(QSet<QUrl>& planned);
    // Keeps only the items strictly inside home and confines the removal to it (see
    // RemovalScope::confinement); returns the items left out.
    QList<QUrl> confineTo(const QString& home);

private:
    void indexSizes();

    QList<Item> m_items;
    QHash<QUrl, MeasuredSize> m_sizes; // by url, so that a report is looked up, never searched
    RemovalScope m_scope;
    RemovalSubject m_subject;
};

} // namespace tidewell
