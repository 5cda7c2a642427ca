#include "HeldApp.h"

#include "SharedByteFormatter.h"
#include "model/ItemGroup.h"

#include <QDir>
#include <QFileInfo>

namespace tidewell {

HeldApp::HeldApp(SizeEstimator sizeEstimator, PackagedSizeLookup packagedSizeLookup,
                 QObject* parent)
    : QObject(parent), m_sizeEstimator(std::move(sizeEstimator)),
      m_packagedSizeLookup(std::move(packagedSizeLookup)) {}

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

QString HeldApp::itselfPath() const {
    return m_app ? appItselfPath(*m_app).value_or(QString()) : QString();
}

QString HeldApp::kindName() const {
    return m_app ? tidewell::displayName(m_app->kind) : QString();
}

QString HeldApp::sizeText() const {
    if (m_sizeMeasured)
        return SharedByteFormatter::localized(m_sizeInBytes);
    // A package manager's app shows its size only once told: many are never.
    return isHeld() && !itselfPath().isEmpty() ? tr("Calculating...") : QString();
}

void HeldApp::hold(const AppDescriptor& app) {
    m_app = app;
    emit changed();
    m_sizeMeasured = false;
    setSizeInBytes(0);
    const QUuid taskID = QUuid::createUuid();
    m_activeSizeTaskID = taskID;
    // A package manager's app is measured by its package manager, not here.
    if (const std::optional<QString> itself = appItselfPath(app))
        m_sizeEstimator(QUrl::fromLocalFile(*itself)).then(this, [this, taskID](qint64 size) {
            takeSize(taskID, size);
        });
    else if (m_packagedSizeLookup)
        m_packagedSizeLookup(app).then(this, [this, taskID](std::optional<qint64> size) {
            if (size)
                takeSize(taskID, *size);
        });
}

void HeldApp::takeSize(const QUuid& taskID, qint64 size) {
    if (taskID != m_activeSizeTaskID)
        return;
    m_sizeMeasured = true;
    setSizeInBytes(size);
}

void HeldApp::clear() {
    m_activeSizeTaskID = QUuid::createUuid();
    m_app.reset();
    emit changed();
    m_sizeMeasured = false;
    setSizeInBytes(0);
}

void HeldApp::setSizeInBytes(qint64 size) {
    m_sizeInBytes = size;
    emit sizeChanged();
}

} // namespace tidewell
