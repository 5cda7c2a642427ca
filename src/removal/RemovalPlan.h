#pragma once

#include "DeletionReport.h"
#include "RemovalScope.h"
#include "model/AppDescriptor.h"
#include "model/ScannedFile.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace tidewell {

// What one removal takes away, with sizes: the given leftovers in their order, then the app
// itself when it goes with them (model::appGoesWithLeftovers), and the scope the removal may act
// in: the scan's folders and the app's path when it goes.
class RemovalPlan {
public:
    struct Item {
        QUrl url;
        qint64 sizeInBytes = 0;
    };

    // appSize is asked only when the app goes: measuring it may walk a whole bundle.
    RemovalPlan(const QList<ScannedFile>& leftovers, const QStringList& roots,
                const AppDescriptor& app, const std::function<qint64()>& appSize);

    const QList<Item>& items() const { return m_items; }
    QList<QUrl> urls() const;
    const RemovalScope& scope() const { return m_scope; }
    // The planned size of the item at url (as planned), 0 for any other.
    qint64 sizeOf(const QUrl& url) const { return m_sizes.value(url); }
    // The bytes freed by the items the report counts as deleted.
    qint64 reclaimedBytes(const DeletionReport& report) const;

private:
    QList<Item> m_items;
    QHash<QUrl, qint64> m_sizes; // by url, so that a report is looked up, never searched
    RemovalScope m_scope;
};

} // namespace tidewell
