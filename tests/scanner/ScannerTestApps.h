#pragma once

#include "model/AppDescriptor.h"

#include <QUrl>

// Descriptors built field by field, so the scanner's rules meet exactly the values they read.
namespace scannertest {

inline tidewell::AppDescriptor descriptor(const QString& appPath, const QString& displayName,
                                          const QString& identifier, const QString& compactName,
                                          const QString& tailToken, QSet<QString> tokens) {
    tidewell::AppDescriptor app;
    app.appURL = QUrl::fromLocalFile(appPath);
    app.displayName = displayName;
    app.identifier = app.normalizedIdentifier = identifier;
    app.compactName = app.pathComponentName = compactName;
    app.bundleFacts.tailToken = tailToken;
    app.searchTokens = std::move(tokens);
    return app;
}

// Long names, a tail token, no base identifier.
inline tidewell::AppDescriptor
harborNotes(const QString& appPath = "/Applications/Harbor Notes.app") {
    return descriptor(appPath, "Harbor Notes", "com.quillfield.notes", "harbornotes",
                      "quillfieldnotes",
                      {"harbor", "notes", "quillfield", "com.quillfield.notes",
                       "comquillfieldnotes", "harbornotes", "quillfieldnotes"});
}

// A three-letter name, matched only as a whole word; also the user of the home /Users/ann.
inline tidewell::AppDescriptor ann() {
    return descriptor("/Applications/Ann.app", "Ann", "co.ann.mac", "ann", "annmac",
                      {"ann", "co.ann.mac", "coannmac", "annmac"});
}

} // namespace scannertest
