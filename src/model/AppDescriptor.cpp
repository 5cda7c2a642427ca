#include "AppDescriptor.h"

#include "TextRules.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tidewell {

namespace {

const QSet<QString>& searchTokenStopWords() {
    static const QSet<QString> words{
        QStringLiteral("com"), QStringLiteral("org"),     QStringLiteral("net"),
        QStringLiteral("app"), QStringLiteral("apps"),    QStringLiteral("inc"),
        QStringLiteral("co"),  QStringLiteral("ltd"),     QStringLiteral("llc"),
        QStringLiteral("mac"), QStringLiteral("desktop"), QStringLiteral("software"),
    };
    return words;
}

const QSet<QString>& auxiliaryBundleSuffixes() {
    static const QSet<QString> words{
        QStringLiteral("helper"),  QStringLiteral("agent"),     QStringLiteral("daemon"),
        QStringLiteral("service"), QStringLiteral("xpc"),       QStringLiteral("launcher"),
        QStringLiteral("updater"), QStringLiteral("installer"), QStringLiteral("uninstaller"),
        QStringLiteral("login"),   QStringLiteral("extension"), QStringLiteral("plugin"),
    };
    return words;
}

// A path of a URL as the file system sees it; a trailing slash does not start a new component.
QString bundlePath(const QUrl& url) {
    QString path = url.isLocalFile() ? url.toLocalFile() : url.path();
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QString lastPathComponent(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// Index of the dot that starts the extension, or -1. A leading dot names a hidden item and
// starts no extension.
qsizetype extensionDot(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? dot : -1;
}

QString pathExtension(const QString& name) {
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString deletingPathExtension(const QString& name) {
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? name : name.left(dot);
}

std::optional<QString> stringValue(const QVariantMap& info, const QString& key) {
    const auto it = info.constFind(key);
    if (it == info.cend() || it->typeId() != QMetaType::QString)
        return std::nullopt;
    return it->toString();
}

QString chooseDisplayName(const QVariantMap& info, const QString& fileBaseName) {
    if (auto name = stringValue(info, QStringLiteral("CFBundleDisplayName")))
        return *name;
    if (auto name = stringValue(info, QStringLiteral("CFBundleName")))
        return *name;
    return fileBaseName;
}

bool isLongEnough(const QString& token, qsizetype minimum) {
    return text::characterCount(token) >= minimum;
}

// Pieces of text between characters that are not letters, marks or numbers.
QStringList nameWords(const QString& lowerCaseName) {
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{M}\\p{N}]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    return lowerCaseName.split(separators, Qt::SkipEmptyParts);
}

void insertWordsOutsideStopList(QSet<QString>& tokens, const QStringList& words) {
    for (const QString& word : words) {
        if (isLongEnough(word, 3) && !searchTokenStopWords().contains(word))
            tokens.insert(word);
    }
}

void insertIfLongEnough(QSet<QString>& tokens, const std::optional<QString>& token,
                        qsizetype minimum) {
    if (token && isLongEnough(*token, minimum))
        tokens.insert(*token);
}

} // namespace

QString errorDescription(AppDescriptorError error) {
    switch (error) {
    case AppDescriptorError::notFound:
        return QCoreApplication::translate("AppDescriptor", "This item does not exist.");
    case AppDescriptorError::notAnAppBundle:
        return QCoreApplication::translate("AppDescriptor", "Drop a valid .app file to continue.");
    case AppDescriptorError::invalidBundle:
        return QCoreApplication::translate("AppDescriptor", "This app bundle could not be read.");
    case AppDescriptorError::unreadableAppImage:
        return QCoreApplication::translate("AppDescriptor", "This AppImage could not be read.");
    case AppDescriptorError::unreadableDesktopEntry:
        return QCoreApplication::translate("AppDescriptor",
                                           "This desktop entry could not be read.");
    case AppDescriptorError::repeatedDesktopEntryKey:
        return QCoreApplication::translate(
            "AppDescriptor", "This desktop entry is malformed: a key or group is given twice.");
    case AppDescriptorError::invalidFlatpakId:
        return QCoreApplication::translate(
            "AppDescriptor",
            "This desktop entry is malformed: its X-Flatpak value is not a valid Flatpak app id.");
    case AppDescriptorError::invalidSnapName:
        return QCoreApplication::translate("AppDescriptor",
                                           "This desktop entry is malformed: its "
                                           "X-SnapInstanceName value is not a valid snap name.");
    case AppDescriptorError::missingBundleIdentifier:
        break;
    }
    return QCoreApplication::translate("AppDescriptor",
                                       "Couldn't read CFBundleIdentifier from the app.");
}

AppDescriptor::Result AppDescriptor::from(const QUrl& url, const FileSystem& fileSystem) {
    const QString path = bundlePath(url);
    const QString fileName = lastPathComponent(path);
    if (text::lowercased(pathExtension(fileName)) != QStringLiteral("app"))
        return AppDescriptorError::notAnAppBundle;

    // A bundle object here is the bundle folder with its parsed Contents/Info.plist, so the
    // loader's information dictionary and the direct read of the file are the same
    // dictionary, and so is its identifier: one read answers both.
    const std::optional<QVariantMap> info =
        url.isLocalFile()
            ? fileSystem.readPropertyList(path + QStringLiteral("/Contents/Info.plist"))
            : std::nullopt;
    if (!info)
        return AppDescriptorError::invalidBundle;
    return fromInfo(url, *info);
}

AppDescriptor::Result AppDescriptor::fromInfo(const QUrl& url, const QVariantMap& info) {
    const QString fileName = lastPathComponent(bundlePath(url));
    const std::optional<QString> rawIdentifier =
        stringValue(info, QStringLiteral("CFBundleIdentifier"));
    const QString identifier = rawIdentifier ? text::trimmed(*rawIdentifier) : QString();
    if (identifier.isEmpty())
        return AppDescriptorError::missingBundleIdentifier;

    const QString fileBaseName = deletingPathExtension(fileName);
    AppDescriptor app;
    app.appURL = url;
    app.displayName = chooseDisplayName(info, fileBaseName);
    app.identifier = identifier;
    app.normalizedIdentifier = text::lowercased(identifier);
    app.compactName = text::compactForm(app.displayName);
    app.pathComponentName = text::compactForm(fileBaseName);
    app.bundleFacts = {makeStrippedCompactName(app.displayName, app.compactName),
                       makeBaseIdentifier(app.normalizedIdentifier),
                       makeTailToken(app.normalizedIdentifier)};
    app.searchTokens = buildSearchTokens(app.normalizedIdentifier, app.displayName, app.compactName,
                                         app.pathComponentName, app.bundleFacts);
    return app;
}

AppDescriptor::Result AppDescriptor::from(const QUrl& url) {
    return from(url, FileSystem::real());
}

std::optional<QString> AppDescriptor::makeStrippedCompactName(const QString& displayName,
                                                              const QString& fallback) {
    const QString stripped = text::compactForm(text::strippingTrailingVersionSuffix(displayName));
    if (stripped.isEmpty() || stripped == fallback)
        return std::nullopt;
    return stripped;
}

std::optional<QString> AppDescriptor::makeBaseIdentifier(const QString& normalizedIdentifier) {
    QStringList segments = text::identifierSegments(normalizedIdentifier);
    if (segments.size() < 4 || !auxiliaryBundleSuffixes().contains(segments.last()))
        return std::nullopt;
    segments.removeLast();
    return segments.join(u'.');
}

std::optional<QString> AppDescriptor::makeTailToken(const QString& normalizedIdentifier) {
    QStringList compacted;
    for (const QString& segment : text::identifierSegments(normalizedIdentifier)) {
        QString compact = text::compactForm(segment);
        if (!compact.isEmpty())
            compacted.append(std::move(compact));
    }
    if (compacted.size() < 2)
        return std::nullopt;
    return compacted[compacted.size() - 2] + compacted.last();
}

QSet<QString> AppDescriptor::buildSearchTokens(const QString& normalizedIdentifier,
                                               const QString& appName, const QString& compactName,
                                               const QString& pathComponentName,
                                               const BundleFacts& facts) {
    QSet<QString> tokens;
    insertWordsOutsideStopList(tokens, nameWords(text::lowercased(appName)));

    QStringList compactSegments;
    for (const QString& segment : text::identifierSegments(normalizedIdentifier))
        compactSegments.append(text::compactForm(segment));
    insertWordsOutsideStopList(tokens, compactSegments);

    // The identifier always counts, whatever its length; an empty compact form would match
    // every name, so it never becomes a token.
    insertIfLongEnough(tokens, normalizedIdentifier, 1);
    insertIfLongEnough(tokens, text::compactForm(normalizedIdentifier), 1);
    insertIfLongEnough(tokens, compactName, 3);
    insertIfLongEnough(tokens, pathComponentName, 3);
    insertIfLongEnough(tokens, facts.strippedCompactName, 3);
    if (facts.baseIdentifier && isLongEnough(*facts.baseIdentifier, 3)) {
        tokens.insert(*facts.baseIdentifier);
        insertIfLongEnough(tokens, text::compactForm(*facts.baseIdentifier), 1);
    }
    insertIfLongEnough(tokens, facts.tailToken, 5);
    return tokens;
}

} // namespace tidewell
