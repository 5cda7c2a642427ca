#pragma once

#include "FaultInjectingFileSystem.h"
#include "SessionFakes.h"
#include "TestDir.h"
#include "platform/FileSystem.h"
#include "removal/PermissionManager.h"
#include "session/AppPreferences.h"
#include "session/CleanerViewModel.h"
#include "session/PreferenceStore.h"

#include <memory>

// A view model whose scanner, deletion service and size estimate the test completes by hand,
// with its own settings file and a permission state the test can flip.
struct SessionOptions {
    bool autoScan = true;
    bool confirmBeforeRemoving = false;
};

struct SessionFixture {
    using Options = SessionOptions;

    explicit SessionFixture(Options options = {})
        : preferences(dir.path("settings.ini")), faults(tidewell::FileSystem::real()),
          permissions(faults, dir.createDirectory("home")) {
        tidewell::AppPreferences::registerDefaults(preferences);
        preferences.setBoolValue(tidewell::AppPreferences::autoScanAfterDroppingApp,
                                 options.autoScan);
        preferences.setBoolValue(tidewell::AppPreferences::confirmBeforeRemovingFiles,
                                 options.confirmBeforeRemoving);
        model =
            std::make_unique<tidewell::CleanerViewModel>(tidewell::CleanerViewModel::Collaborators{
                scanner, deleter, &preferences, &permissions,
                [this](const QUrl& url) { return sizes.start(url); }});
    }

    // A bundle folder with a readable Info.plist.
    QUrl bundle(const QString& name, const QString& identifier) {
        return QUrl::fromLocalFile(dir.createAppBundle(
            "Apps/" + name + ".app", {{"CFBundleIdentifier", identifier}, {"CFBundleName", name}}));
    }

    // Takes in a fresh bundle, and completes its size estimate when a size is given.
    QUrl takeInHarborNotes(qint64 size = 0) {
        const QUrl url = bundle("Harbor Notes", "com.harbor.notes");
        model->handleDroppedApp(url);
        if (size != 0)
            sizes.finish(sizes.count() - 1, size);
        return url;
    }

    // Guarded folders refuse to be listed while access is missing, as the system does.
    void setAccessGranted(bool granted) {
        const QString mail = dir.createDirectory("home/Library/Mail");
        faults.failListing(mail, granted ? tidewell::NoError : tidewell::NoReadPermissionError);
    }

    TestDir dir;
    tidewell::PreferenceStore preferences;
    FaultInjectingFileSystem faults;
    tidewell::PermissionManager permissions;
    std::shared_ptr<FakeScanner> scanner = std::make_shared<FakeScanner>();
    std::shared_ptr<FakeDeleter> deleter = std::make_shared<FakeDeleter>();
    FakeSizeEstimator sizes;
    std::unique_ptr<tidewell::CleanerViewModel> model;
};
