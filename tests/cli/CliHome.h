#pragma once

#include "TestDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

// A test folder with a home of its own for runs of the CLI, which read this process's
// environment: HOME is home/, XDG_DATA_HOME its .local/share, the system's data folders
// system/ and the user's Flatpak exports (as the desktop session names them), the other XDG
// folders unset so that they lie in the home.
class CliHome : public TestDir {
public:
    CliHome() {
        qputenv("HOME", QFile::encodeName(home()));
        for (const char* name :
             {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"})
            qunsetenv(name);
        qputenv("XDG_DATA_HOME", QFile::encodeName(home(".local/share")));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(path("system") + u':' +
                                                   home(".local/share/flatpak/exports/share")));
        qputenv("TIDEWELL_TEST_RAN", QFile::encodeName(path("ran.log")));
    }

    QString home(const QString& relative = {}) const {
        return path(relative.isEmpty() ? QStringLiteral("home") : "home/" + relative);
    }

    // Puts programs of these names first on PATH, each running script: by default one that
    // only records its call in ranLog().
    void fakePrograms(const QStringList& names,
                      const QByteArray& script = "#!/bin/sh\n"
                                                 "echo \"$0 $*\" >> \"$TIDEWELL_TEST_RAN\"\n") {
        for (const QString& name : names)
            QFile::setPermissions(createFile("bin/" + name, script),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        static const QByteArray original = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(path("bin")) + ':' + original);
    }

    // The user's dconf database holding the settings of keyfile; false without the dconf tool.
    bool writeDconf(const QByteArray& keyfile) {
        createFile("dconf-keyfiles/user", keyfile);
        return !QStandardPaths::findExecutable(QStringLiteral("dconf")).isEmpty() &&
               QDir().mkpath(home(".config/dconf")) &&
               QProcess::execute(QStringLiteral("dconf"),
                                 {QStringLiteral("compile"), home(".config/dconf/user"),
                                  path("dconf-keyfiles")}) == 0;
    }

    QByteArray ranLog() const {
        QFile log(path("ran.log"));
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }
};
