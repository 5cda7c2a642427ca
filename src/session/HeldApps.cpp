#include "HeldApps.h"

#include <QLocale>

#include <algorithm>

namespace tidewell {

HeldApps::HeldApps(HeldApp::SizeEstimator sizeEstimator,
                   HeldApp::PackagedSizeLookup packagedSizeLookup,
                   PackageUninstaller::Lookup uninstallLookup, QObject* parent)
    : QObject(parent), m_sizeEstimator(std::move(sizeEstimator)),
      m_packagedSizeLookup(std::move(packagedSizeLookup)),
      m_uninstallLookup(std::move(uninstallLookup)) {
    resize(1);
}

int HeldApps::count() const {
    const auto held = std::find_if(m_apps.cbegin(), m_apps.cend(),
                                   [](const HeldApp* app) { return !app->isHeld(); });
    return int(held - m_apps.cbegin());
}

QList<AppDescriptor> HeldApps::descriptors() const {
    QList<AppDescriptor> apps;
    for (qsizetype index = 0; index < count(); ++index)
        apps.append(*m_apps.at(index)->descriptor());
    return apps;
}

QString HeldApps::names() const {
    QStringList names;
    for (qsizetype index = 0; index < count(); ++index)
        names.append(m_apps.at(index)->displayName());
    return QLocale().createSeparatedList(names);
}

QList<QObject*> HeldApps::uninstallers() const {
    QList<QObject*> uninstallers;
    for (qsizetype index = 0; index < count(); ++index)
        uninstallers.append(m_uninstallers.at(index));
    return uninstallers;
}

void HeldApps::hold(const QList<AppDescriptor>& apps) {
    resize(std::max<qsizetype>(apps.size(), 1));
    for (qsizetype index = 0; index < apps.size(); ++index) {
        m_apps.at(index)->hold(apps.at(index));
        m_uninstallers.at(index)->lookUp(apps.at(index));
    }
    emit changed();
}

void HeldApps::clear() {
    resize(1);
    m_apps.constFirst()->clear();
    m_uninstallers.constFirst()->forget();
    emit changed();
}

void HeldApps::resize(qsizetype count) {
    // Views may still show the ones let go until they hear of the change.
    while (m_apps.size() > count) {
        m_apps.takeLast()->deleteLater();
        m_uninstallers.takeLast()->deleteLater();
    }
    while (m_apps.size() < count) {
        m_apps.append(new HeldApp(m_sizeEstimator, m_packagedSizeLookup, this));
        m_uninstallers.append(new PackageUninstaller(m_uninstallLookup, this));
        connect(m_apps.last(), &HeldApp::changed, this, &HeldApps::sizesChanged);
        connect(m_apps.last(), &HeldApp::sizeChanged, this, &HeldApps::sizesChanged);
    }
}

} // namespace tidewell
