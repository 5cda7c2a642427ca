#pragma once

#include "AppKind.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>
#include <variant>

namespace tidewell {

class FileSystem;

enum class AppDescriptorError {
    notFound,
    notAnAppBundle,
    invalidBundle,
    missingBundleIdentifier,
    unreadableDesktopEntry,
    unreadableAppImage,
    repeatedDesktopEntryKey,
    invalidFlatpakId,
    invalidSnapName,
};

// The user-facing text of an intake error.
QString errorDescription(AppDescriptorError error);

// What only an app bundle has: names derived from its reverse-DNS identifier and its name.
struct BundleFacts {
    std::optional<QString> strippedCompactName;
    std::optional<QString> baseIdentifier;
    std::optional<QString> tailToken;

    friend bool operator==(const BundleFacts&, const BundleFacts&) = default;
};

// What only a Linux application has, read from its desktop entry.
struct LinuxFacts {
    QString packageId;
    QString desktopFileId;
    QString appStreamId;
    // The icon theme name of the app's icon, as Icon= spells it.
    QString iconName;
    // The program the app's Exec runs, as written there: a path or a name.
    QString programPath;
    // The search tokens from the strongest evidence to the weakest.
    QStringList rankedTokens;

    friend bool operator==(const LinuxFacts&, const LinuxFacts&) = default;
};

// The application the user wants to remove, read once from its bundle, desktop entry or
// AppImage. Immutable. The common identity names the app for every kind; the facts of the
// other kind stay empty.
struct AppDescriptor {
    // The bundle folder, or a Linux app's desktop entry file (an AppImage's own file).
    QUrl appURL;
    QString displayName;
    // A bundle's identifier; a Linux app's package id, or else its desktop file id.
    QString identifier;
    QString normalizedIdentifier;
    QString compactName;
    QString pathComponentName;
    QSet<QString> searchTokens;
    AppKind kind = AppKind::bundle;
    BundleFacts bundleFacts;
    LinuxFacts linuxFacts;

    friend bool operator==(const AppDescriptor&, const AppDescriptor&) = default;

    using Result = std::variant<AppDescriptor, AppDescriptorError>;
    // Reads the bundle's Contents/Info.plist and derives every field.
    static Result from(const QUrl& url, const FileSystem& fileSystem);
    static Result from(const QUrl& url);
    // Derives every field from the bundle's information dictionary, as read.
    static Result fromInfo(const QUrl& url, const QVariantMap& info);

    // Pure derivation steps, exposed for direct tests.
    static std::optional<QString> makeStrippedCompactName(const QString& displayName,
                                                          const QString& fallback);
    static std::optional<QString> makeBaseIdentifier(const QString& normalizedIdentifier);
    static std::optional<QString> makeTailToken(const QString& normalizedIdentifier);
    static QSet<QString> buildSearchTokens(const QString& normalizedIdentifier,
                                           const QString& appName, const QString& compactName,
                                           const QString& pathComponentName,
                                           const BundleFacts& facts);
};

} // namespace tidewell
