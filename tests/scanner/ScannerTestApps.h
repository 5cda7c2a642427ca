#pragma once

#include "model/AppDescriptor.h"

#include <QUrl>

// Descriptors built field by field, so the scanner's rules are tested on exactly the values
// they read.
namespace scannertest {

// Harbor Notes, com.quillfield.notes: long names, a tail token, no base identifier.
inline tidewell::AppDescriptor
harborNotes(const QString& appPath = "/Applications/Harbor Notes.app") {
    tidewell::AppDescriptor app;
    app.appURL = QUrl::fromLocalFile(appPath);
    app.displayName = "Harbor Notes";
    app.bundleIdentifier = "com.quillfield.notes";
    app.normalizedBundleIdentifier = "com.quillfield.notes";
    app.compactName = "harbornotes";
    app.pathComponentName = "harbornotes";
    app.bundleTailToken = "quillfieldnotes";
    app.searchTokens = {
        "harbor",      "notes",          "quillfield", "com.quillfield.notes", "comquillfieldnotes",
        "harbornotes", "quillfieldnotes"};
    return app;
}

// Ink, co.ink.mac: a three-letter name that only matches as a whole word.
inline tidewell::AppDescriptor ink() {
    tidewell::AppDescriptor app;
    app.appURL = QUrl::fromLocalFile("/Applications/Ink.app");
    app.displayName = "Ink";
    app.bundleIdentifier = "co.ink.mac";
    app.normalizedBundleIdentifier = "co.ink.mac";
    app.compactName = "ink";
    app.pathComponentName = "ink";
    app.bundleTailToken = "inkmac";
    app.searchTokens = {"ink", "co.ink.mac", "coinkmac", "inkmac"};
    return app;
}

// Harbor Notes' helper, com.quillfield.notes.helper, whose base identifier is the main app's.
inline tidewell::AppDescriptor harborNotesHelper() {
    tidewell::AppDescriptor app = harborNotes();
    app.bundleIdentifier = "com.quillfield.notes.helper";
    app.normalizedBundleIdentifier = "com.quillfield.notes.helper";
    app.baseBundleIdentifier = "com.quillfield.notes";
    app.bundleTailToken = "noteshelper";
    return app;
}

} // namespace scannertest
