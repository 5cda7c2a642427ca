#pragma once

#include "WorkHome.h"
#include "model/AppDescriptor.h"
#include "session/ScannedApp.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>

#include <variant>

namespace tidewell {

// The apps the operands name, each read as scan reads one (readScannedApp) on the home's host;
// an app named twice is taken once. On rejection, the exit code (the reason is on stderr, and
// whose home it was read for).
std::variant<QList<AppDescriptor>, int> readApps(const QStringList& operands, const WorkHome& home);

// Scans the home for every app, in order. An item that two of them share goes with the first
// only (keepSharedItemsOnce), so that it is shown and removed once.
QList<ScannedApp> scanApps(const QList<AppDescriptor>& apps, const WorkHome& home, bool useIndex);

// The document of a command given several apps, one document each: the one document itself
// when there is one app, else {"apps": [...]}.
QJsonObject appsJson(const QList<QJsonObject>& documents);

} // namespace tidewell
