#pragma once

#include "OrphanFinder.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace tidewell {

// How an application that is gone had been installed.
enum class RemovedAppKind { flatpak, snap, appImage, debianPackage, bundle, launcher };

// The kind's name in JSON and in the ids the command line takes: "flatpak", "snap",
// "appimage", "deb", "bundle", "launcher".
QString kindName(RemovedAppKind kind);

// The stable name of an orphan's evidence in JSON ("flatpakNotInstalled", ...).
QString causeCode(OrphanCause cause);

// An application that is no longer installed, with what it left behind.
struct RemovedApp {
    RemovedAppKind kind = RemovedAppKind::launcher;
    // What its package manager or bundle knew it by: the Flatpak id, snap name, AppImage path,
    // Debian package, bundle identifier or the program its launchers run.
    QString identifier;
    // The name to show: the app's own name where it is still known, else the identifier.
    QString name;
    // When it was removed; invalid where nobody recorded it.
    QDateTime removedAt;
    // Sorted by path; nested items never both listed.
    QList<Orphan> items;
    // Folders of the dconf database named by its ids: settings, not files, so only listed.
    QStringList dconfFolders;

    // "<kind>:<identifier>", unique in a report: what `orphans --remove` takes.
    QString id() const { return kindName(kind) + u':' + identifier; }
};

// The removed applications of a host, and what could not be read while looking for them.
struct OrphanReport {
    QList<RemovedApp> apps;
    QStringList problems;
};

// The finder's orphans as one removed app per Flatpak id, snap, AppImage and program, sorted by
// name. An AppImage icon whose launcher is gone as well goes with that launcher's app.
QList<RemovedApp> groupedByApp(const QList<Orphan>& orphans);

} // namespace tidewell
