#pragma once

#include "model/AppDescriptor.h"

#include <QUrl>

// Descriptors built field by field, so the scanner's rules are tested on exactly the values
// they read.
namespace scannertest {

inline tidewell::AppDescriptor descriptor(const QString& appPath, const QString& displayName,
                                          const QString& identifier, const QString& compactName,
                                          const QString& tailToken, QSet<QString> tokens) {
    tidewell::AppDescriptor app;
    app.appURL = QUrl::fromLocalFile(appPath);
    app.displayName = displayName;
    app.bundleIdentifier = app.normalizedBundleIdentifier = identifier;
    app.compactName = app.pathComponentName = compactName;
    app.bundleTailToken = tailToken;
    app.searchTokens = std::move(tokens);
    return app;
}

// Harbor Notes, com.quillfield.notes: long names, a tail token, no base identifier.
inline tidewell::AppDescriptor
harborNotes(const QString& appPath = "/Applications/Harbor Notes.app") {
    return descriptor(appPath, "Harbor Notes", "com.quillfield.notes", "harbornotes",
                      "quillfieldnotes",
                      {"harbor", "notes", "quillfield", "com.quillfield.notes",
                       "comquillfieldnotes", "harbornotes", "quillfieldnotes"});
}

// Ann, co.ann.mac: a three-letter name that only matches as a whole word, and that is also a
// component of the tests' home folder /Users/ann.
inline tidewell::AppDescriptor ann() {
    return descriptor("/Applications/Ann.app", "Ann", "co.ann.mac", "ann", "annmac",
                      {"ann", "co.ann.mac", "coannmac", "annmac"});
}

// Harbor Notes' helper, com.quillfield.notes.helper, whose base identifier is the main app's.
inline tidewell::AppDescriptor harborNotesHelper() {
    tidewell::AppDescriptor app = harborNotes();
    app.bundleIdentifier = app.normalizedBundleIdentifier = "com.quillfield.notes.helper";
    app.baseBundleIdentifier = "com.quillfield.notes";
    app.bundleTailToken = "noteshelper";
    return app;
}

} // namespace scannertest
