#include "ItemClassification.h"

#include "PathNames.h"
#include "platform/FileSystem.h"

#include <QUrl>

#include <algorithm>

namespace tidewell {

namespace {

bool containsAny(const QString& path, std::initializer_list<const char16_t*> fragments) {
    return std::any_of(fragments.begin(), fragments.end(), [&](const char16_t* fragment) {
        return path.contains(QStringView(fragment));
    });
}

} // namespace

ScanCategory categoryForPath(const QString& path) {
    if (path.contains(u"/Library/Preferences/"))
        return ScanCategory::preferences;
    if (path.contains(u"/Library/Caches/"))
        return ScanCategory::caches;
    if (path.contains(u"/Library/Logs/"))
        return ScanCategory::logs;
    if (containsAny(path, {u"/Library/Application Support/", u"/Library/Application Scripts/",
                           u"/Library/Containers/", u"/Library/Group Containers/",
                           u"/Library/HTTPStorages/", u"/Library/Saved Application State/",
                           u"/Library/WebKit/"}))
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

qint64 directorySize(const QString& path, const FileSystem& fileSystem) {
    qint64 total = 0;
    const bool walked = fileSystem.walkTree(path, [&](const TreeEntry& entry) {
        if (!entry.values.isDirectory)
            total += sizeFromValues(entry.values);
    });
    const qint64 own = regularFileSize(path, fileSystem);
    return walked ? std::max(total, own) : own;
}

qint64 sizeInBytes(const QString& path, const FileSystem& fileSystem) {
    const auto values = fileSystem.resourceValues(path);
    if (values && values->isDirectory)
        return directorySize(path, fileSystem);
    return sizeFromValues(values);
}

ScannedFile makeScannedFile(const QString& path, const FileSystem& fileSystem) {
    const QString standardized = pathnames::standardized(path);
    const ScanCategory category = categoryForPath(standardized);
    return {standardized,
            QUrl::fromLocalFile(standardized),
            category,
            safetyFor(category, standardized),
            sizeInBytes(standardized, fileSystem),
            true};
}

} // namespace tidewell
