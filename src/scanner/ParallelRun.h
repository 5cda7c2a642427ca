#pragma once

#include <QFuture>
#include <QList>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <type_traits>

namespace tidewell {

// Runs work(item) for every item on pool and hands each result to merge, in input order.
template <typename Item, typename Work, typename Merge>
void runParallel(QThreadPool& pool, const QList<Item>& items, Work work, Merge merge) {
    QList<QFuture<std::invoke_result_t<Work, const Item&>>> futures;
    futures.reserve(items.size());
    for (const Item& item : items)
        futures.append(QtConcurrent::run(&pool, work, item));
    for (auto& future : futures)
        merge(future.result());
}

} // namespace tidewell
