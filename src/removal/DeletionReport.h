#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QUuid>

namespace tidewell {

// One item that could be neither moved to the Trash nor removed.
struct DeletionFailure {
    QUuid id;
    QUrl url; // exactly as passed in
    QString reason;
};

// The result of one removal call. Every input is in exactly one of deleted, failures,
// trashRefusals and notAttempted; an item that was already gone is deleted without being trashed
// or removed.
struct DeletionReport {
    QList<QUrl> deleted;
    QList<DeletionFailure> failures;
    QList<QUrl> trashed = {};            // the deleted items that went to the Trash
    QList<QUrl> removedPermanently = {}; // the deleted items the Trash refused, removed in place
    // Only when asked not to fall back: the items the Trash refused, left in place, with why.
    QList<DeletionFailure> trashRefusals = {};
    QList<QUrl> notAttempted = {}; // left untouched because the caller asked to stop
    // The removal's entry in the journal, 0 without one.
    qint64 journalId = 0;
    // Set when the journal could not be written: before the first item, nothing was attempted;
    // later, the items still to go were left untouched (notAttempted).
    QString journalFailure = {};
};

} // namespace tidewell
