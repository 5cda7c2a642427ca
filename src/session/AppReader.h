#pragma once

#include "model/AppDescriptor.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QUuid>

#include <functional>

namespace tidewell {

// Reads the items of one drop or choice into apps off the main thread. Only the latest reading
// is delivered, once all of its items are read, and forget() drops the one under way.
class AppReader : public QObject {
    Q_OBJECT

public:
    // Starts reading an app's descriptor.
    using DescriptorReader = std::function<QFuture<AppDescriptor::Result>(const QUrl& appURL)>;

    explicit AppReader(DescriptorReader descriptorReader, QObject* parent = nullptr);

    // Reads the items at urls; finished() follows.
    void read(const QList<QUrl>& urls);
    void forget();

signals:
    // The apps the items name, each once, in the order given, and why each other item was
    // refused.
    void finished(const QList<tidewell::AppDescriptor>& apps, const QStringList& refusals);

private:
    DescriptorReader m_descriptorReader;
    QUuid m_activeReadID;
};

} // namespace tidewell
