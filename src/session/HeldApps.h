#pragma once

#include "HeldApp.h"
#include "PackageUninstaller.h"
#include "model/AppDescriptor.h"

#include <QList>
#include <QObject>
#include <QString>

namespace tidewell {

// The apps the window holds, in the order they were given, each with its size estimate (HeldApp)
// and the command that uninstalls it through its package manager (PackageUninstaller). The
// first app's pair always exists, empty while nothing is held, so that a view of one app binds
// to it once.
class HeldApps : public QObject {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY changed)
    // Their names as one list in the user's language: "Harbor Notes, Tidepool and Zed".
    Q_PROPERTY(QString names READ names NOTIFY changed)
    // Each app's PackageUninstaller, in the apps' order.
    Q_PROPERTY(QList<QObject*> uninstallers READ uninstallers NOTIFY changed)

public:
    HeldApps(HeldApp::SizeEstimator sizeEstimator, HeldApp::PackagedSizeLookup packagedSizeLookup,
             PackageUninstaller::Lookup uninstallLookup, QObject* parent = nullptr);

    // How many apps are held; 0 when none is. While hold() takes them in one by one, and views
    // hear of each, the ones not yet held are not counted.
    int count() const;
    HeldApp* app(qsizetype index) const { return m_apps.at(index); }
    PackageUninstaller* uninstaller(qsizetype index) const { return m_uninstallers.at(index); }
    QList<AppDescriptor> descriptors() const;
    QString names() const;
    QList<QObject*> uninstallers() const;

    // Holds apps (at least one) in place of the ones held: their size estimates and their
    // uninstall commands' lookups start.
    void hold(const QList<AppDescriptor>& apps);
    // Lets go of every app, and of the estimates and lookups still under way.
    void clear();

signals:
    void changed();
    // An app was taken in or let go, or its size estimate came in.
    void sizesChanged();

private:
    // Keeps count pairs, the first ones as they are.
    void resize(qsizetype count);

    HeldApp::SizeEstimator m_sizeEstimator;
    HeldApp::PackagedSizeLookup m_packagedSizeLookup;
    PackageUninstaller::Lookup m_uninstallLookup;
    QList<HeldApp*> m_apps;
    QList<PackageUninstaller*> m_uninstallers;
};

} // namespace tidewell
