#pragma once

#include "model/ScannedFile.h"
#include "removal/FileDeleting.h"
#include "scanner/LeftoverScanning.h"

#include <QFuture>
#include <QList>
#include <QPromise>
#include <QUrl>

#include <memory>

// Hands out one future per call and completes it only when the test says so, so that a test
// decides exactly which piece of background work finishes when.
template <typename Result, typename Request> class PendingCalls {
public:
    QFuture<Result> start(const Request& request) {
        auto promise = std::make_shared<QPromise<Result>>();
        promise->start();
        m_calls.append({request, promise});
        return promise->future();
    }
    qsizetype count() const { return m_calls.size(); }
    const Request& request(qsizetype index) const { return m_calls.at(index).request; }
    void finish(qsizetype index, const Result& result) {
        QPromise<Result>& promise = *m_calls.at(index).promise;
        promise.addResult(result);
        promise.finish();
    }

private:
    struct Call {
        Request request;
        std::shared_ptr<QPromise<Result>> promise;
    };
    QList<Call> m_calls;
};

struct ScanRequest {
    tidewell::AppDescriptor app;
    bool useSpotlight = false;
};

class FakeScanner : public tidewell::LeftoverScanning,
                    public PendingCalls<tidewell::ScanReport, ScanRequest> {
public:
    QFuture<tidewell::ScanReport> scan(const tidewell::AppDescriptor& app,
                                       bool useSpotlight) override {
        return start({app, useSpotlight});
    }
};

class FakeDeleter : public tidewell::FileDeleting,
                    public PendingCalls<tidewell::DeletionReport, QList<QUrl>> {
public:
    QFuture<tidewell::DeletionReport> deleteItems(const QList<QUrl>& urls) override {
        return start(urls);
    }
};

class FakeSizeEstimator : public PendingCalls<qint64, QUrl> {};

// A leftover of the given size at path, as a scan reports it.
inline tidewell::ScannedFile leftover(const QString& path, tidewell::ScanCategory category,
                                      qint64 size, bool selected = true) {
    tidewell::ScannedFile file;
    file.id = path;
    file.url = QUrl::fromLocalFile(path);
    file.category = category;
    file.safety = tidewell::FileSafetyLevel::safe;
    file.sizeInBytes = size;
    file.isSelected = selected;
    return file;
}
