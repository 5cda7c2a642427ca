#include "HeldApp.h"

#include "SharedByteFormatter.h"

#include <QDir>
#include <QFileInfo>

namespace tidewell {

HeldApp::HeldApp(DescriptorReader descriptorReader, SizeEstimator sizeEstimator, QObject* parent)
    : QObject(parent), m_descriptorReader(std::move(descriptorReader)),
      m_sizeEstimator(std::move(sizeEstimator)) {}

QString HeldApp::displayName() const {
    return m_app ? m_app->displayName : QString();
}

QString HeldApp::identifier() const {
    return m_app ? m_app->identifier : QString();
}

QString HeldApp::path() const {
    return m_app ? QDir::cleanPath(m_app->appURL.toLocalFile()) : QString();
}

QString HeldApp::fileName() const {
    if (!m_app)
        return {};
    return m_app->kind == AppKind::bundle ? QFileInfo(path()).fileName() : m_app->displayName;
}

QString HeldApp::sizeText() const {
    if (m_sizeInBytes == 0)
        return tr("Calculating...");
    return SharedByteFormatter::string(m_sizeInBytes);
}

void HeldApp::read(const QUrl& url) {
    const QUuid readID = QUuid::createUuid();
    m_activeReadID = readID;
    m_descriptorReader(url).then(this, [this, readID](const AppDescriptor::Result& result) {
        if (readID != m_activeReadID)
            return;
        if (const auto* error = std::get_if<AppDescriptorError>(&result))
            emit rejected(errorDescription(*error));
        else
            hold(std::get<AppDescriptor>(result));
    });
}

void HeldApp::hold(const AppDescriptor& app) {
    m_app = app;
    emit changed();
    setSizeInBytes(0);
    const QUuid taskID = QUuid::createUuid();
    m_activeSizeTaskID = taskID;
    m_sizeEstimator(app.appURL).then(this, [this, taskID](qint64 size) {
        if (taskID == m_activeSizeTaskID)
            setSizeInBytes(size);
    });
    emit taken();
}

void HeldApp::clear() {
    m_activeReadID = QUuid::createUuid();
    m_activeSizeTaskID = QUuid::createUuid();
    m_app.reset();
    emit changed();
    setSizeInBytes(0);
}

void HeldApp::setSizeInBytes(qint64 size) {
    m_sizeInBytes = size;
    emit sizeChanged();
}

} // namespace tidewell
