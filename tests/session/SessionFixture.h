#pragma once

#include "FaultInjectingFileSystem.h"
#include "SessionFakes.h"
#include "TableProgramRunner.h"
#include "TestDir.h"
#include "removal/PermissionManager.h"
#include "session/AppIntake.h"
#include "session/AppPreferences.h"
#include "session/CleanerViewModel.h"

struct SessionOptions {
    bool autoScan = true;
    bool confirmBeforeRemoving = false;
    bool deferDescriptorReads = false;
};

// A view model whose scanner, deletion service and size estimate the test completes by hand,
// with its own settings file and a Full Disk Access state the test can flip.
struct SessionFixture {
    explicit SessionFixture(SessionOptions options = {})
        : preferences(dir.path("settings.ini")), permissions(faults, dir.createDirectory("home")) {
        tidewell::AppPreferences::registerDefaults(preferences);
        preferences.setAutoScanAfterDroppingApp(options.autoScan);
        preferences.setConfirmBeforeRemovingFiles(options.confirmBeforeRemoving);
        model =
            std::make_unique<tidewell::CleanerViewModel>(tidewell::CleanerViewModel::Collaborators{
                scanner, deleter, &preferences, &permissions,
                [this](const QUrl& url) { return sizes.start(url); },
                [this, options](const QUrl& url) {
                    // Read at once unless the test completes the reads, so that each intake is
                    // taken in before the test goes on.
                    if (options.deferDescriptorReads)
                        return descriptors.start(url);
                    return QtFuture::makeReadyFuture(tidewell::AppIntake::read(url, programs));
                }});
    }

    // Takes in a bundle, and completes its size estimate when a size is given.
    QUrl takeInHarborNotes(qint64 size = 0) {
        const QUrl url = QUrl::fromLocalFile(dir.createAppBundle(
            "Apps/Harbor Notes.app",
            {{"CFBundleIdentifier", "com.harbor.notes"}, {"CFBundleName", "Harbor Notes"}}));
        model->handleDroppedApp(url);
        if (size != 0)
            sizes.finish(sizes.count() - 1, size);
        return url;
    }

    // A guarded folder refuses to be listed while access is missing, as the system does.
    void setAccessGranted(bool granted) {
        faults.failListing(dir.createDirectory("home/Library/Mail"),
                           granted ? tidewell::NoError : tidewell::NoReadPermissionError);
    }

    TestDir dir;
    TableProgramRunner programs; // none is found
    tidewell::PreferenceStore preferences;
    FaultInjectingFileSystem faults;
    tidewell::PermissionManager permissions;
    std::shared_ptr<FakeScanner> scanner = std::make_shared<FakeScanner>();
    std::shared_ptr<FakeDeleter> deleter = std::make_shared<FakeDeleter>();
    FakeSizeEstimator sizes;
    PendingCalls<tidewell::AppDescriptor::Result, QUrl> descriptors;
    std::unique_ptr<tidewell::CleanerViewModel> model;
};
