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
        m_requests.append(request);
        m_promises.append(std::make_shared<QPromise<Result>>());
        m_promises.last()->start();
        return m_promises.last()->future();
    }
    qsizetype count() const { return m_requests.size(); }
    const Request& request(qsizetype index) const { return m_requests.at(index); }
    void finish(qsizetype index, const Result& result) {
        m_promises.at(index)->addResult(result);
        m_promises.at(index)->finish();
    }

private:
    QList<Request> m_requests;
    QList<std::shared_ptr<QPromise<Result>>> m_promises;
};

struct ScanRequest {
    tidewell::AppDescriptor app;
    bool useSpotlight = false;
};

struct FakeScanner : tidewell::LeftoverScanning, PendingCalls<tidewell::ScanReport, ScanRequest> {
    QFuture<tidewell::ScanReport> scan(const tidewell::AppDescriptor& app,
                                       bool spotlight) override {
        return start({app, spotlight});
    }
};

struct FakeDeleter : tidewell::FileDeleting, PendingCalls<tidewell::DeletionReport, QList<QUrl>> {
    QFuture<tidewell::DeletionReport> deleteItems(const QList<QUrl>& urls) override {
        return start(urls);
    }
};

using FakeSizeEstimator = PendingCalls<qint64, QUrl>;

// A leftover of the given size at path, as a scan reports it.
inline tidewell::ScannedFile leftover(const QString& path, tidewell::ScanCategory category,
                                      qint64 size, bool selected = true) {
    return {path,    QUrl::fromLocalFile(path), category, tidewell::FileSafetyLevel::safe, size,
            selected};
}
