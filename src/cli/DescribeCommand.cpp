#include "DescribeCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"

#include <QJsonArray>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("describe");

struct Field {
    QString key;
    QString label;
    std::optional<QString> value;
};

// The descriptor's fields in reading order, with their JSON keys and their labels.
QList<Field> fields(const AppDescriptor& app) {
    return {
        {QStringLiteral("appPath"), CliText::tr("App path"), app.appURL.toLocalFile()},
        {QStringLiteral("displayName"), CliText::tr("Display name"), app.displayName},
        {QStringLiteral("bundleIdentifier"), CliText::tr("Bundle identifier"), app.identifier},
        {QStringLiteral("normalizedBundleIdentifier"), CliText::tr("Normalized identifier"),
         app.normalizedIdentifier},
        {QStringLiteral("compactName"), CliText::tr("Compact name"), app.compactName},
        {QStringLiteral("pathComponentName"), CliText::tr("Path component name"),
         app.pathComponentName},
        {QStringLiteral("strippedCompactName"), CliText::tr("Stripped compact name"),
         app.bundleFacts.strippedCompactName},
        {QStringLiteral("baseBundleIdentifier"), CliText::tr("Base bundle identifier"),
         app.bundleFacts.baseIdentifier},
        {QStringLiteral("bundleTailToken"), CliText::tr("Bundle tail token"),
         app.bundleFacts.tailToken},
    };
}

QStringList sortedTokens(const AppDescriptor& app) {
    return CliOutput::sortedByCodePoint(
        QStringList(app.searchTokens.cbegin(), app.searchTokens.cend()));
}

QString describeText(const AppDescriptor& app) {
    QList<QStringList> rows;
    for (const Field& field : fields(app))
        rows.append({field.label, field.value.value_or(CliText::tr("(none)"))});
    QString label = CliText::tr("Search tokens");
    for (const QString& token : sortedTokens(app)) {
        rows.append({label, token});
        label.clear();
    }
    return CliOutput::formatTable(rows);
}

int runDescribe(const QStringList& arguments, const Host&) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Shows the names, identifiers and search tokens read from an app bundle."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON."));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("BUNDLE"), CliText::tr("The .app bundle."));
    if (auto done = parseCommandArguments(parser, commandName, QStringLiteral("[--json] BUNDLE"),
                                          arguments))
        return *done;
    if (parser.positionalArguments().size() != 1)
        return usageError(commandName, CliText::tr("expected exactly one BUNDLE"));

    const auto bundle = readAppBundle(parser.positionalArguments().constFirst());
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
    return {commandName, CliText::tr("Show what Tidewell reads from an app bundle."), runDescribe};
}

QJsonObject describeJson(const AppDescriptor& app) {
    QJsonObject object;
    for (const Field& field : fields(app))
        object.insert(field.key, field.value ? QJsonValue(*field.value) : QJsonValue());
    object.insert(QStringLiteral("searchTokens"), QJsonArray::fromStringList(sortedTokens(app)));
    // A bundle's document stays as it was; other kinds say what they are.
    if (app.kind != AppKind::bundle)
        object.insert(QStringLiteral("kind"), kindName(app.kind));
    return object;
}

} // namespace tidewell
