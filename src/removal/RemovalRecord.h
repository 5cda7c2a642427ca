#pragma once

#include "RemovalSubject.h"
#include "model/MeasuredSize.h"
#include "platform/FileSystem.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace tidewell {

// One removal as its journal tells it: what was about to go, and where each item went. Its
// entry in the journal is one line of JSON per record: the removal itself first, with its
// items and their sizes, then one line per item that went or stayed, and one per package
// manager's command run for its app. File contents are never part of it.
struct RemovalRecord {
    enum class Outcome { pending, trashed, removedPermanently, failed, gone };

    struct Item {
        QString path;
        MeasuredSize size = {};
        Outcome outcome = Outcome::pending; // pending until its outcome is recorded
        TrashEntry trashEntry = {};         // trashed: where it went
        QString reason = {};                // failed: why it stayed

        friend bool operator==(const Item&, const Item&) = default;
    };

    // A package manager's uninstall, run with the removal: recorded, never undone.
    struct PackageRun {
        QString command;
        int exitCode = 0;

        friend bool operator==(const PackageRun&, const PackageRun&) = default;
    };

    qint64 id = 0;
    QDateTime date; // when it began, in UTC
    RemovalSubject subject;
    QList<Item> items;
    QList<PackageRun> packageRuns = {};
    // Lines from the first one that could not be read to the end of the entry: a journal cut
    // short or damaged is read up to its last good record.
    qsizetype unreadLines = 0;

    qsizetype count(Outcome outcome) const;
    // The planned sizes of the items that went, to the Trash or in place.
    MeasuredSize removedSize() const;

    // The first line of its entry: the removal with its items and their sizes.
    QByteArray headerLine() const;
    // The line recording where item went.
    static QByteArray outcomeLine(const Item& item);
    static QByteArray packageRunLine(const PackageRun& run);
    // The removal that an entry's content tells, each item with its last recorded outcome;
    // nothing when its first line is no removal.
    static std::optional<RemovalRecord> parse(const QByteArray& content);
};

} // namespace tidewell
