#include "AppReader.h"

#include "AppIntake.h"
#include "ScannedApp.h"

namespace tidewell {

AppReader::AppReader(DescriptorReader descriptorReader, QObject* parent)
    : QObject(parent), m_descriptorReader(std::move(descriptorReader)) {}

void AppReader::read(const QList<QUrl>& urls) {
    const QUuid readID = QUuid::createUuid();
    m_activeReadID = readID;
    QList<QFuture<AppDescriptor::Result>> reads;
    for (const QUrl& url : urls)
        reads.append(m_descriptorReader(url));
    QtFuture::whenAll(reads.begin(), reads.end())
        .then(this, [this, readID, urls](const QList<QFuture<AppDescriptor::Result>>& done) {
            const bool dropped = std::any_of(done.cbegin(), done.cend(), [](const auto& read) {
                return read.resultCount() == 0;
            });
            if (readID != m_activeReadID || dropped)
                return;
            QList<AppDescriptor> apps;
            QStringList refusals;
            for (qsizetype index = 0; index < done.size(); ++index) {
                const AppDescriptor::Result result = done.at(index).result();
                if (const auto* error = std::get_if<AppDescriptorError>(&result))
                    refusals.append(AppIntake::errorText(*error, urls.at(index)));
                else
                    apps.append(std::get<AppDescriptor>(result));
            }
            emit finished(eachAppOnce(apps), refusals);
        });
}

void AppReader::forget() {
    m_activeReadID = QUuid::createUuid();
}

} // namespace tidewell
