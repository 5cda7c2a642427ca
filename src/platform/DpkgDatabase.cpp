#include "DpkgDatabase.h"

#include "SmallFileReading.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <limits>

namespace tidewell::debian {

namespace {

constexpr qint64 maximumAnswerBytes = 16 << 20;
// dpkg reads its whole database for any question: a large one takes a few seconds.
constexpr int dpkgTimeoutMs = 30000;
constexpr qint64 maximumFileListBytes = 16 << 20;

QString text(const char* english) {
    return QCoreApplication::translate("DpkgDatabase", english);
}

std::optional<PackageState> stateOf(QChar letter) {
    switch (letter.unicode()) {
    case 'n':
        return PackageState::notInstalled;
    case 'c':
        return PackageState::configFiles;
    case 'U':
    case 'F':
    case 'W':
    case 't':
    case 'i':
    case 'H':
        return PackageState::installed;
    default:
        return std::nullopt;
    }
}

// A name dpkg accepts (Policy 5.6.1); anything else is never joined onto a path.
bool isPackageName(const QString& name) {
    static const QRegularExpression valid(QStringLiteral("^[a-z0-9][a-z0-9.+-]+$"));
    return valid.match(name).hasMatch();
}

QString databaseFolder(const Host& host) {
    return host.systemPath(QStringLiteral("/var/lib/dpkg"));
}

} // namespace

QStringList adminDirArguments(const Host& host) {
    if (host.root.isEmpty())
        return {};
    return {QStringLiteral("--admindir=") + databaseFolder(host)};
}

PackageStates parsePackageStates(const QByteArray& answer) {
    PackageStates states;
    for (const QString& line : QString::fromUtf8(answer).split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const QString name = line.mid(3).trimmed();
        const std::optional<PackageState> state = line.size() > 3 ? stateOf(line[1]) : std::nullopt;
        if (!state || !isPackageName(name)) {
            ++states.malformedLines;
            continue;
        }
        // A package of several architectures is installed when any of them is.
        const auto known = states.packages.constFind(name);
        if (known == states.packages.cend() || *state == PackageState::installed)
            states.packages.insert(name, *state);
    }
    return states;
}

DpkgRecords readPackageStates(const Host& host, const ProgramRunner& programs) {
    const QString status = databaseFolder(host) + QStringLiteral("/status");
    if (!QFileInfo::exists(status))
        return {};
    const auto answer = programs.outputOf(
        {.program = QStringLiteral("dpkg-query"),
         .arguments = adminDirArguments(host) +
                      QStringList{QStringLiteral("-W"),
                                  QStringLiteral("--showformat=${db:Status-Abbrev} ${Package}\\n")},
         .maximumOutput = maximumAnswerBytes,
         .timeoutMs = dpkgTimeoutMs});
    if (!answer)
        return {std::nullopt,
                {text(QT_TRANSLATE_NOOP("DpkgDatabase",
                                        "Could not read dpkg's database %1: dpkg-query gave no "
                                        "answer."))
                     .arg(databaseFolder(host))}};
    DpkgRecords records{parsePackageStates(*answer), {}};
    if (records.states->malformedLines > 0)
        records.problems.append(QCoreApplication::translate(
                                    "DpkgDatabase",
                                    "%n line(s) of dpkg's database %1 could not be read and were "
                                    "left out.",
                                    "", records.states->malformedLines)
                                    .arg(databaseFolder(host)));
    return records;
}

std::optional<qint64> installedSize(const Host& host, const QString& package,
                                    const ProgramRunner& programs) {
    if (!isPackageName(package))
        return std::nullopt;
    const auto answer = programs.outputOf(
        {.program = QStringLiteral("dpkg-query"),
         .arguments =
             adminDirArguments(host) +
             QStringList{QStringLiteral("-W"), QStringLiteral("--showformat=${Installed-Size}\\n"),
                         QStringLiteral("--"), package},
         .maximumOutput = 1024,
         .timeoutMs = dpkgTimeoutMs});
    // One line per architecture the package is installed for; they are one build.
    bool isNumber = false;
    const qint64 kibibytes = answer ? answer->split('\n').first().toLongLong(&isNumber) : 0;
    if (!isNumber || kibibytes < 0 || kibibytes > std::numeric_limits<qint64>::max() / 1024)
        return std::nullopt;
    return kibibytes * 1024;
}

QStringList listedFiles(const Host& host, const QString& package) {
    if (!isPackageName(package))
        return {};
    const QDir info(databaseFolder(host) + QStringLiteral("/info"));
    // A package of another architecture than dpkg's own has its name qualified.
    const QStringList lists = info.entryList(
        {package + QStringLiteral(".list"), package + QStringLiteral(":*.list")}, QDir::Files);
    QStringList files;
    for (const QString& name : lists) {
        const auto bytes = readSmallFile(info.filePath(name), maximumFileListBytes);
        if (bytes)
            files.append(QString::fromUtf8(*bytes).split(u'\n', Qt::SkipEmptyParts));
    }
    return files;
}

QStringList archiveFiles(const Host& host, const QString& package, const ProgramRunner& programs) {
    if (!isPackageName(package))
        return {};
    const QDir cache(host.systemPath(QStringLiteral("/var/cache/apt/archives")));
    const QStringList archives =
        cache.entryList({package + QStringLiteral("_*.deb")}, QDir::Files, QDir::Name);
    if (archives.isEmpty())
        return {};
    const auto answer =
        programs.outputOf({.program = QStringLiteral("dpkg-deb"),
                           .arguments = {QStringLiteral("-c"), cache.filePath(archives.last())},
                           .maximumOutput = maximumAnswerBytes});
    if (!answer)
        return {};
    // "-rwxr-xr-x root/root 1234 2023-01-28 13:50 ./usr/bin/mousepad", a link with " -> target".
    QStringList files;
    for (const QString& line : QString::fromUtf8(*answer).split(u'\n')) {
        const qsizetype start = line.indexOf(QStringLiteral(" ./"));
        if (start >= 0)
            files.append(line.mid(start + 2).section(QStringLiteral(" -> "), 0, 0));
    }
    return files;
}

} // namespace tidewell::debian
