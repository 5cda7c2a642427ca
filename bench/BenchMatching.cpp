// Throughput of the main matching rule, which runs once for every entry a scan visits.

#include "model/AppDescriptor.h"
#include "scanner/CandidateMatching.h"
#include "scanner/ScanContext.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <benchmark/benchmark.h>

#include <random>

using namespace tidewell;

namespace {

const QString home = QStringLiteral("/Users/ann");

AppDescriptor harborNotes(const QTemporaryDir& dir) {
    const QString contents = dir.filePath(QStringLiteral("Harbor Notes.app/Contents"));
    QDir().mkpath(contents);
    QFile plist(contents + QStringLiteral("/Info.plist"));
    plist.open(QIODevice::WriteOnly);
    plist.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>CFBundleIdentifier</key><string>com.quillfield.harbor-notes</string>
<key>CFBundleName</key><string>Harbor Notes</string>
</dict></plist>
)");
    plist.close();
    return std::get<AppDescriptor>(
        AppDescriptor::from(QUrl::fromLocalFile(dir.filePath(QStringLiteral("Harbor Notes.app")))));
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
    const ScanContext context(harborNotes(dir), ScanEnvironment{home, QString()});
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

} // namespace

BENCHMARK_MAIN();
