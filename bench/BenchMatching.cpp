// Throughput of the main matching rule, which runs once for every entry a scan visits, and the
// cost of reading the installed applications that every scan weighs its matches against.

#include "model/AppDescriptor.h"
#include "model/LinuxAppIdentity.h"
#include "platform/DesktopEntry.h"
#include "platform/FileSystem.h"
#include "scanner/AppCatalogue.h"
#include "scanner/CandidateMatching.h"
#include "scanner/ScanContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QUrl>

#include <benchmark/benchmark.h>

#include <random>

using namespace tidewell;

namespace {

const QString home = QStringLiteral("/Users/ann");

// A bundle with an XML Info.plist of the size real ones have (a few dozen keys).
QString writeBundle(const QString& folder, const QString& name, const QString& identifier) {
    const QString contents = folder + u'/' + name + QStringLiteral(".app/Contents");
    QDir().mkpath(contents);
    QFile plist(contents + QStringLiteral("/Info.plist"));
    plist.open(QIODevice::WriteOnly);
    QByteArray keys;
    for (int key = 0; key < 30; ++key)
        keys +=
            QByteArray("<key>LSKey") + QByteArray::number(key) + "</key><string>value</string>\n";
    plist.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>CFBundleIdentifier</key><string>)" +
                identifier.toUtf8() + R"(</string>
<key>CFBundleName</key><string>)" +
                name.toUtf8() + "</string>\n" + keys + "</dict></plist>\n");
    return folder + u'/' + name + QStringLiteral(".app");
}

AppDescriptor harborNotes(const QTemporaryDir& dir) {
    const QString bundle =
        writeBundle(dir.path(), QStringLiteral("Harbor Notes"), "com.quillfield.harbor-notes");
    return std::get<AppDescriptor>(AppDescriptor::from(QUrl::fromLocalFile(bundle)));
}

// Paths as a walk meets them: library folders, vendors, nested data, files with extensions;
// about one in a hundred belongs to the application.
QStringList samplePaths(bool nonAscii) {
    static const QStringList folders = {
        "Application Support", "Caches",       "Preferences", "Logs",
        "Containers",          "HTTPStorages", "WebKit",      "Saved Application State"};
    static const QStringList syllables = {"ka",  "zo",  "ri",  "vex", "lum", "tra", "mo",  "sen",
                                          "dal", "pri", "nex", "tal", "cor", "fen", "gar", "ost"};
    static const QStringList accented = {u"Café"_qs, u"Über"_qs,   u"Señal"_qs,
                                         u"メモ"_qs, u"Zażółć"_qs, u"Ångström"_qs};
    static const QStringList extensions = {".plist", ".db", ".json", "", ".log", ".savedState"};
    static const QStringList owned = {"com.quillfield.harbor-notes", "Harbor Notes",
                                      "com.quillfield.harbor-notes.plist"};
    std::mt19937 random(nonAscii ? 2 : 1);
    const auto pick = [&random](const QStringList& list) {
        return list.at(qsizetype(random() % list.size()));
    };
    const auto word = [&] {
        QString text = pick(syllables) + pick(syllables) + pick(syllables);
        text[0] = text[0].toUpper();
        return nonAscii && random() % 3 == 0 ? pick(accented) + u' ' + text : text;
    };
    QStringList paths;
    for (int index = 0; index < 4000; ++index) {
        QString path = home + QStringLiteral("/Library/") + pick(folders);
        const int depth = 1 + int(random() % 4);
        for (int level = 0; level < depth; ++level)
            path += u'/' + (level == 0 && index % 100 == 0 ? pick(owned) : word());
        paths.append(path + pick(extensions));
    }
    return paths;
}

void matchesCandidate(benchmark::State& state, bool nonAscii) {
    const QTemporaryDir dir;
    const ScanContext context(harborNotes(dir), Host::withDefaults(home));
    const QStringList paths = samplePaths(nonAscii);
    qsizetype matched = 0;
    for (auto _ : state) {
        for (const QString& path : paths)
            matched += matchesCandidate(path, context) ? 1 : 0;
        benchmark::DoNotOptimize(matched);
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
    state.counters["matched"] = double(matched) / double(state.iterations());
}

BENCHMARK_CAPTURE(matchesCandidate, ascii, false);
BENCHMARK_CAPTURE(matchesCandidate, nonAscii, true);

// Reads 300 installed bundles, as a scan does before it walks, on a pool as wide as the scan's.
void installedApps(benchmark::State& state) {
    const QTemporaryDir dir;
    const QString applications = dir.filePath(QStringLiteral("Applications"));
    for (int index = 0; index < 300; ++index)
        writeBundle(applications, QStringLiteral("Tool %1").arg(index),
                    QStringLiteral("com.vendor%1.tool%2").arg(index % 40).arg(index));
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(4, 2 * QThread::idealThreadCount()));
    const Host host = Host::withDefaults(dir.filePath(QStringLiteral("home")), dir.path());
    qsizetype found = 0;
    for (auto _ : state) {
        found = AppCatalogue::readBundles(host, FileSystem::real(), pool).apps().size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["apps"] = double(found);
}

BENCHMARK(installedApps)->Unit(benchmark::kMillisecond)->UseRealTime();

// A host with 300 desktop entries in its user, system and Flatpak data folders, written once;
// nothing when they could not be written.
const Host* desktopEntryHost() {
    static const QTemporaryDir dir;
    static const QStringList folders{dir.filePath(QStringLiteral("home")),
                                     dir.filePath(QStringLiteral("system")),
                                     dir.filePath(QStringLiteral("flatpak"))};
    static const Host host =
        Host::resolve(dir.filePath(QStringLiteral("user")), {}, [](const char* name) {
            const QByteArray variable(name);
            return variable == "XDG_DATA_HOME"   ? folders.at(0)
                   : variable == "XDG_DATA_DIRS" ? folders.at(1) + u':' + folders.at(2)
                                                 : QString();
        });
    static const bool written = [] {
        bool ok = true;
        for (int index = 0; index < 300; ++index) {
            QFile file(folders.at(index % 3) +
                       QStringLiteral("/applications/org.vendor%1.Tool%2.desktop")
                           .arg(index % 40)
                           .arg(index));
            ok = QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
                 file.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Tool "
                                           "%1\nName[de]=Werkzeug %1\nExec=env A=1 tool%1 "
                                           "%U\nIcon=tool%1\nStartupWMClass=Tool%1\n")
                                .arg(index)
                                .toUtf8()) > 0 &&
                 ok;
        }
        return ok;
    }();
    return written ? &host : nullptr;
}

// Reads the desktop entries into descriptors, as listing the installed Linux applications does.
void installedLinuxApps(benchmark::State& state) {
    const Host* host = desktopEntryHost();
    if (!host) {
        state.SkipWithError("cannot write the desktop entries");
        return;
    }
    qsizetype found = 0;
    for (auto _ : state) {
        found = AppCatalogue::readLinuxApps(*host, FileSystem::real()).apps().size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["apps"] = double(found);
}

BENCHMARK(installedLinuxApps)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
