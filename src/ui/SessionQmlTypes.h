#pragma once

#include "removal/PermissionManager.h"
#include "session/CleanerViewModel.h"
#include "session/FileListModel.h"
#include "session/HeldApp.h"
#include "session/HeldApps.h"
#include "session/InstalledAppsModel.h"
#include "session/OrphansModel.h"
#include "session/PackageUninstaller.h"
#include "session/PreferenceStore.h"
#include "session/RemovalHistoryModel.h"
#include "session/RemovalOutcome.h"

#include <QtQml/qqml.h>

namespace tidewell {

// The session's objects as types of the QML module, so that views name what they are given and
// the type checker follows every property. The application makes them on its host; QML makes
// the two lists only in view tests, on the test's own host.

struct CleanerViewModelQmlType {
    Q_GADGET
    QML_FOREIGN(tidewell::CleanerViewModel)
    QML_NAMED_ELEMENT(CleanerViewModel)
    QML_UNCREATABLE("The application provides the view model.")
};

struct FileListModelQmlType {
    Q_GADGET
    QML_FOREIGN(tidewell::FileListModel)
    QML_NAMED_ELEMENT(FileListModel)
    QML_UNCREATABLE("The view model provides the list.")
};

struct HeldAppQmlType {
    Q_GADGET
    QML_FOREIGN(tidewell::HeldApp)
    QML_NAMED_ELEMENT(HeldApp)
    QML_UNCREATABLE("The view model provides the held app.")
};

struct HeldAppsQmlType {
    Q_GADGET
    QML_FOREIGN(tidewell::HeldApps)
    QML_NAMED_ELEMENT(HeldApps)
    QML_UNCREATABLE("The view model provides the held apps.")
};

struct InstalledAppsModelQmlType {
    Q_GADGET
    QML_FOREIGN(tidewell::InstalledAppsModel)
    QML_NAMED_ELEMENT(InstalledAppsModel)
};

struct OrphansModelQmlType {
    Q_GADGET
    QML_FOREIGN(tidewell::OrphansModel)
    QML_NAMED_ELEMENT(OrphansModel)
};

struct PackageUninstallerQmlType {
    Q_GADGET
    QML_FOREIGN(tidewell::PackageUninstaller)
    QML_NAMED_ELEMENT(PackageUninstaller)
    QML_UNCREATABLE("The view model provides the uninstaller.")
};

struct PermissionManagerQmlType {
    Q_GADGET
    QML_FOREIGN(tidewell::PermissionManager)
    QML_NAMED_ELEMENT(PermissionManager)
    QML_UNCREATABLE("The application provides the permission state.")
};

struct PreferenceStoreQmlType {
    Q_GADGET
    QML_FOREIGN(tidewell::PreferenceStore)
    QML_NAMED_ELEMENT(PreferenceStore)
    QML_UNCREATABLE("The application provides the preferences.")
};

struct RemovalHistoryModelQmlType {
    Q_GADGET
    QML_FOREIGN(tidewell::RemovalHistoryModel)
    QML_NAMED_ELEMENT(RemovalHistoryModel)
};

struct RemovalOutcomeQmlType {
    Q_GADGET
    QML_FOREIGN(tidewell::RemovalOutcome)
    QML_NAMED_ELEMENT(RemovalOutcome)
    QML_UNCREATABLE("The view model provides the removal's outcome.")
};

} // namespace tidewell
