#include "ItemClassification.h"

#include "PathNames.h"
#include "platform/FileSystem.h"

#include <QSet>
#include <QUrl>

#include <algorithm>

namespace tidewell {

namespace {

bool containsAny(const QString& path, std::initializer_list<const char16_t*> fragments) {
    return std::any_of(fragments.begin(), fragments.end(), [&](const char16_t* fragment) {
        return path.contains(QStringView(fragment));
    });
}

// Adds key to seen; false when it was there already.
bool addIfNew(QSet<std::pair<quint64, quint64>>& seen, std::pair<quint64, quint64> key) {
    const qsizetype before = seen.size();
    seen.insert(key);
    return seen.size() != before;
}

bool isHomeDotEntry(QStringView path, QStringView home) {
    return !home.isEmpty() && path.size() > home.size() + 2 && path.startsWith(home) &&
           path.sliced(home.size()).startsWith(u"/.") &&
           !path.sliced(home.size() + 1).contains(u'/');
}

} // namespace

ScanCategory categoryForPath(const QString& path, QStringView home) {
    if (path.contains(u"/Library/Preferences/"))
        return ScanCategory::preferences;
    if (path.contains(u"/Library/Caches/"))
        return ScanCategory::caches;
    if (path.contains(u"/Library/Logs/"))
        return ScanCategory::logs;
    if (containsAny(path, {u"/Library/Application Support/", u"/Library/Application Scripts/",
                           u"/Library/Containers/", u"/Library/Cookies/",
                           u"/Library/Group Containers/", u"/Library/HTTPStorages/",
                           u"/Library/Saved Application State/", u"/Library/WebKit/"}))
        return ScanCategory::applicationSupport;
    // The XDG folders of a Linux home, where they lie by default.
    if (path.contains(u"/.config/"))
        return ScanCategory::preferences;
    if (path.contains(u"/.cache/"))
        return ScanCategory::caches;
    if (containsAny(path, {u"/.local/share/", u"/.local/state/", u"/.var/app/", u"/snap/"}))
        return ScanCategory::applicationSupport;
    if (isHomeDotEntry(path, home))
        return ScanCategory::applicationSupport;
    return ScanCategory::other;
}

FileSafetyLevel safetyFor(ScanCategory category, const QString& path) {
    switch (category) {
    case ScanCategory::preferences:
        return pathnames::extension(pathnames::fileName(path)) == u"plist"
                   ? FileSafetyLevel::safe
                   : FileSafetyLevel::optional;
    case ScanCategory::caches:
    case ScanCategory::logs:
        return FileSafetyLevel::safe;
    case ScanCategory::applicationSupport:
        return FileSafetyLevel::optional;
    case ScanCategory::other:
        break;
    }
    return FileSafetyLevel::risky;
}

qint64 sizeFromValues(const std::optional<ResourceValues>& values) {
    if (!values)
        return 0;
    return values->totalAllocatedSize.value_or(
        values->allocatedSize.value_or(values->fileSize.value_or(0)));
}

qint64 regularFileSize(const QString& path, const FileSystem& fileSystem) {
    return sizeFromValues(fileSystem.resourceValues(path));
}

MeasuredSize directorySize(const QString& path, const FileSystem& fileSystem) {
    qint64 total = 0;
    QSet<std::pair<quint64, quint64>> linkedFilesSeen;
    const TreeWalk walk = fileSystem.walkTree(path, [&](const TreeEntry& entry) {
        const ResourceValues& values = entry.values;
        if (values.isDirectory)
            return;
        if (values.linkCount > 1 && !addIfNew(linkedFilesSeen, {values.deviceId, values.inode}))
            return;
        total += sizeFromValues(values);
    });
    // The entry of a folder that cannot be opened says nothing about what the folder holds.
    if (walk == TreeWalk::notOpened)
        return {0, false};
    return {std::max(total, regularFileSize(path, fileSystem)), walk == TreeWalk::whole};
}

MeasuredSize measuredSize(const QString& path, const FileSystem& fileSystem) {
    const auto values = fileSystem.resourceValues(path);
    if (!values)
        return {0, false};
    if (values->isDirectory)
        return directorySize(path, fileSystem);
    return {sizeFromValues(values), true};
}

qint64 sizeInBytes(const QString& path, const FileSystem& fileSystem) {
    return measuredSize(path, fileSystem).bytes;
}

ItemEvidence settledEvidence(const ItemEvidence& found, FileSafetyLevel safety) {
    if (safety == FileSafetyLevel::risky && isCertain(found.code))
        return {EvidenceCode::risky};
    return found;
}

ScannedFile makeScannedFile(const FoundItem& found, const QString& home,
                            const FileSystem& fileSystem) {
    const QString standardized = pathnames::standardized(found.path);
    const ScanCategory category = categoryForPath(standardized, home);
    const FileSafetyLevel safety = safetyFor(category, standardized);
    const ItemEvidence evidence = settledEvidence(found.evidence, safety);
    const MeasuredSize size = measuredSize(standardized, fileSystem);
    return {.id = standardized,
            .url = QUrl::fromLocalFile(standardized),
            .category = category,
            .safety = safety,
            .sizeInBytes = size.bytes,
            .isSelected = isCertain(evidence.code),
            .sizeComplete = size.complete,
            .evidence = evidence};
}

} // namespace tidewell
