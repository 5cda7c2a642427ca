#include "WindowOptions.h"

#include "session/AppMetadata.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace tidewell {

namespace {

constexpr int usageErrorCode = 2;

WindowOptions::Exit usageError(const QString& message) {
    return {usageErrorCode,
            QStringLiteral("tidewell: %1\nRun 'tidewell --help' for usage.").arg(message), true};
}

} // namespace

QString WindowOptions::helpText() {
    return QStringLiteral(
        "Usage: tidewell [--root DIR] [APP...]\n\n"
        "Opens the Tidewell window, which removes an app together with the leftovers it keeps\n"
        "in the user's folders, moving them to the Trash.\n\n"
        "Arguments:\n"
        "  APP            An app to open at start: a bundle (a folder ending in .app); on\n"
        "                 Linux also a desktop entry (.desktop) or an AppImage.\n\n"
        "Options:\n"
        "  --root DIR     Take the system folders (/Library, /Applications, /Users/Shared;\n"
        "                 on Linux the data folders, /var/lib/flatpak, /snap) under DIR.\n"
        "  -h, --help     Show this help.\n"
        "  -v, --version  Show the version.");
}

std::variant<WindowOptions, WindowOptions::Exit>
WindowOptions::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption root(QStringLiteral("root"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({root, help, version});
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return Exit{0, helpText()};
    if (parser.isSet(version))
        return Exit{0, QStringLiteral("tidewell %1").arg(AppMetadata::versionString())};

    WindowOptions options;
    for (const QString& app : parser.positionalArguments())
        options.appPaths.append(QDir::cleanPath(QFileInfo(app).absoluteFilePath()));
    if (parser.isSet(root)) {
        const QFileInfo folder(parser.value(root));
        if (!folder.isDir())
            return usageError(QStringLiteral("no folder at '%1'").arg(parser.value(root)));
        // "/" stands for the real root, which the scanner spells "".
        options.rootPath = QDir::cleanPath(folder.absoluteFilePath());
        if (options.rootPath == u"/")
            options.rootPath.clear();
    }
    return options;
}

} // namespace tidewell
