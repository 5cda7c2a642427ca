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

// The application the user wants to remove, read once from its bundle. Immutable.
struct AppDescriptor {
    QUrl appURL;
    QString displayName;
    QString bundleIdentifier;
    QString normalizedBundleIdentifier;
    QString compactName;
    QString pathComponentName;
    std::optional<QString> strippedCompactName;
    std::optional<QString> baseBundleIdentifier;
    std::optional<QString> bundleTailToken;
    QSet<QString> searchTokens;
    // A Linux application's facts; a bundle keeps the defaults. appURL is then the desktop
    // entry file, bundleIdentifier the package id or else the desktop file id.
    AppKind kind = AppKind::bundle;
    QString packageId;
    QString desktopFileId;
    QString appStreamId;
    // The icon theme name of a Linux application's icon, as Icon= spells it.
    QString iconName;
    // The program a Linux application's Exec runs, as written there: a path or a name.
    QString programPath;
    // The search tokens from the strongest evidence to the weakest (Linux applications only).
    QStringList rankedTokens;

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
    static std::optional<QString> makeBaseBundleIdentifier(const QString& normalizedIdentifier);
    static std::optional<QString> makeBundleTailToken(const QString& normalizedIdentifier);
    static QSet<QString> buildSearchTokens(const QString& normalizedIdentifier,
                                           const QString& appName, const QString& compactName,
                                           const QString& pathComponentName,
                                           const std::optional<QString>& strippedCompactName,
                                           const std::optional<QString>& baseBundleIdentifier,
                                           const std::optional<QString>& bundleTailToken);
};

} // namespace tidewell
