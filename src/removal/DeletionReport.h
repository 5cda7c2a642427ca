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

// The result of one removal call. Every input is in exactly one of the two lists.
struct DeletionReport {
    QList<QUrl> deleted;
    QList<DeletionFailure> failures;
};

} // namespace tidewell
