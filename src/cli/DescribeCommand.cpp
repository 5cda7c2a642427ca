#include "DescribeCommand.h"

#include "CliOutput.h"
#include "ExitCode.h"

#include <QJsonArray>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("describe");

QJsonValue optionalJson(const std::optional<QString>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QStringList sortedTokens(const AppDescriptor& app) {
    return CliOutput::sortedByCodePoint(
        QStringList(app.searchTokens.cbegin(), app.searchTokens.cend()));
}

QString describeText(const AppDescriptor& app) {
    const auto optionalText = [](const std::optional<QString>& value) {
        return value.value_or(QStringLiteral("(none)"));
    };
    QList<QStringList> rows{
        {QStringLiteral("App path"), app.appURL.toLocalFile()},
        {QStringLiteral("Display name"), app.displayName},
        {QStringLiteral("Bundle identifier"), app.bundleIdentifier},
        {QStringLiteral("Normalized identifier"), app.normalizedBundleIdentifier},
        {QStringLiteral("Compact name"), app.compactName},
        {QStringLiteral("Path component name"), app.pathComponentName},
        {QStringLiteral("Stripped compact name"), optionalText(app.strippedCompactName)},
        {QStringLiteral("Base bundle identifier"), optionalText(app.baseBundleIdentifier)},
        {QStringLiteral("Bundle tail token"), optionalText(app.bundleTailToken)},
    };
    QString label = QStringLiteral("Search tokens");
    for (const QString& token : sortedTokens(app)) {
        rows.append({label, token});
        label.clear();
    }
    return CliOutput::formatTable(rows);
}

int runDescribe(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the names, identifiers and search tokens read from an app bundle."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print JSON."));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("BUNDLE"), QStringLiteral("The .app bundle."));
    if (auto done = parseCommandArguments(parser, commandName, QStringLiteral("[--json] BUNDLE"),
                                          arguments))
        return *done;
    if (parser.positionalArguments().size() != 1)
        return usageError(commandName, QStringLiteral("expected exactly one BUNDLE"));

    const auto bundle = readBundle(parser.positionalArguments().constFirst());
    if (const int* exitCode = std::get_if<int>(&bundle))
        return *exitCode;
    const auto& app = std::get<AppDescriptor>(bundle);
    if (parser.isSet(json))
        CliOutput::printJson(describeJson(app));
    else
        CliOutput::printLine(describeText(app).chopped(1));
    return ExitCode::success;
}

} // namespace

CliCommand describeCommand() {
    return {commandName, QStringLiteral("Show what Tidewell reads from an app bundle."),
            runDescribe};
}

QJsonObject describeJson(const AppDescriptor& app) {
    return {
        {QStringLiteral("appPath"), app.appURL.toLocalFile()},
        {QStringLiteral("displayName"), app.displayName},
        {QStringLiteral("bundleIdentifier"), app.bundleIdentifier},
        {QStringLiteral("normalizedBundleIdentifier"), app.normalizedBundleIdentifier},
        {QStringLiteral("compactName"), app.compactName},
        {QStringLiteral("pathComponentName"), app.pathComponentName},
        {QStringLiteral("strippedCompactName"), optionalJson(app.strippedCompactName)},
        {QStringLiteral("baseBundleIdentifier"), optionalJson(app.baseBundleIdentifier)},
        {QStringLiteral("bundleTailToken"), optionalJson(app.bundleTailToken)},
        {QStringLiteral("searchTokens"), QJsonArray::fromStringList(sortedTokens(app))},
    };
}

} // namespace tidewell
