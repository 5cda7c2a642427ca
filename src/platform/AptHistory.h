#pragma once

#include "Host.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace tidewell::apt {

// What one run of apt did to a package.
enum class PackageAction { installed, removed, purged };

struct PackageEvent {
    QString package; // without its architecture ("mousepad", not "mousepad:amd64")
    PackageAction action = PackageAction::installed;
    QDateTime when; // the start of the run, in local time

    friend bool operator==(const PackageEvent&, const PackageEvent&) = default;
};

// The events of one history text, in the order written. Entries that name packages without a
// readable start date are counted in unreadableEntries, not guessed at.
struct ParsedHistory {
    QList<PackageEvent> events;
    int unreadableEntries = 0;
};

// Reads apt's history.log format: entries separated by blank lines, each with a
// "Start-Date: 2024-05-01  10:22:33" line and lines such as
// "Remove: mousepad:amd64 (0.5.10-1), libfoo1:amd64 (1.2)". Install, Reinstall, Upgrade and
// Downgrade count as installing.
ParsedHistory parseHistory(const QByteArray& text);

struct History {
    QList<PackageEvent> events; // oldest first
    // What could not be read, one sentence each for the user.
    QStringList problems;
};

// apt's history under the host's root: /var/log/apt/history.log and its rotated files
// (history.log.1, history.log.2.gz, ...), the oldest first. A missing log is no problem; one
// that cannot be read, unpacked or parsed is left out and named in problems.
History readHistory(const Host& host);

} // namespace tidewell::apt
