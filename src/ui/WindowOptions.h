#pragma once

#include <QString>
#include <QStringList>

#include <variant>

namespace tidewell {

// The window's command line: tidewell [--root DIR] [APP...], plus --help and --version.
struct WindowOptions {
    // The folder the system folders are taken under; "" for the real root.
    QString rootPath;
    // The apps to open at start, as absolute paths.
    QStringList appPaths;

    // What to print instead of opening the window, and the exit code.
    struct Exit {
        int code = 0;
        QString text;
        bool toStandardError = false;
    };

    // Reads the arguments (the program name first). Folders are checked, bundles are not:
    // a bundle the window cannot read is reported in the window like a dropped one.
    static std::variant<WindowOptions, Exit> parse(const QStringList& arguments);
    static QString helpText();
};

} // namespace tidewell
