#pragma once

#include "model/ScannedFile.h"
#include "removal/FileDeleting.h"
#include "scanner/LeftoverScanning.h"

#include <QPromise>

#include <memory>

// Hands out one future per call and completes it only when the test says so, so that a test
// decides exactly which piece of background work finishes when.
template <typename Result, typename Request> class PendingCalls {
public:
    QFuture<Result> start(const Request& request) {
        m_calls.append({request, std::make_shared<QPromise<Result>>()});
        m_calls.last().second->start();
        return m_calls.last().second->future();
    }
    qsizetype count() const { return m_calls.size(); }
    const Request& request(qsizetype index) const { return m_calls.at(index).first; }
    // Whether the caller cancelled that call's future.
    bool isCanceled(qsizetype index) const { return m_calls.at(index).second->isCanceled(); }
    void finish(qsizetype index, const Result& result) {
        m_calls.at(index).second->addResult(result);
        m_calls.at(index).second->finish();
    }

private:
    QList<std::pair<Request, std::shared_ptr<QPromise<Result>>>> m_calls;
};

using ScanRequest = std::pair<tidewell::AppDescriptor, bool>; // the app, and whether to search

struct FakeScanner : tidewell::LeftoverScanning, PendingCalls<tidewell::ScanReport, ScanRequest> {
    QFuture<tidewell::ScanReport> scan(const tidewell::AppDescriptor& app,
                                       bool spotlight) override {
        return start({app, spotlight});
    }
};

struct FakeDeleter : tidewell::FileDeleting, PendingCalls<tidewell::DeletionReport, QList<QUrl>> {
    QFuture<tidewell::DeletionReport> deleteItems(const tidewell::RemovalPlan& plan) override {
        return start(plan.urls());
    }
};

using FakeSizeEstimator = PendingCalls<qint64, QUrl>;

// A leftover of the given size at path, as a scan reports it.
inline tidewell::ScannedFile leftover(const QString& path, tidewell::ScanCategory category,
                                      qint64 size, bool selected = true, bool sizeComplete = true) {
    // As the scanner makes them: selected when the evidence is certain.
    using enum tidewell::EvidenceCode;
    return {path,         QUrl::fromLocalFile(path),
            category,     tidewell::FileSafetyLevel::safe,
            size,         selected,
            sizeComplete, {selected ? identifier : partialName}};
}
