// Feeds arbitrary names, identifiers and paths to the matching rules. The walk decides each
// entry from its folder's state and the entry's own name; that answer must always be the one
// the rule gives on the whole path, and no input may crash or hang the rules.
//
// Input: the display name, a line break, the bundle identifier, a line break, then a path
// below one of the scan's folders (the first byte picks the folder).
#include "model/AppDescriptor.h"
#include "scanner/CandidateMatching.h"
#include "scanner/ScanContext.h"

#include <QString>
#include <QUrl>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const QString starts[] = {"/h/Library",
                          "/h/Library/Caches",
                          "/h/Library/Group Containers",
                          "/h/Applications",
                          "/r/Applications",
                          "/r/Users/Shared",
                          "/r/Library/Logs",
                          "/h",
                          "/"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const QString start = starts[data[0] % std::size(starts)];
    const QStringList parts =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1))
            .split(u'\n');
    if (parts.size() < 3)
        return 0;
    const QVariantMap info{{"CFBundleIdentifier", parts[1]}, {"CFBundleName", parts[0]}};
    const auto result =
        tidewell::AppDescriptor::fromInfo(QUrl::fromLocalFile("/r/Applications/X.app"), info);
    const auto* app = std::get_if<tidewell::AppDescriptor>(&result);
    if (!app)
        return 0;
    const tidewell::ScanContext context(*app, {"/h", "/r"});
    tidewell::FolderMatchState folder = tidewell::folderMatchState(start, context);
    for (const QString& name : parts.mid(2).join(u'\n').split(u'/', Qt::SkipEmptyParts)) {
        const QString path = (folder.path == u'/' ? QString() : folder.path) + u'/' + name;
        tidewell::FolderMatchState entry;
        const bool matched = tidewell::matchesEntry(folder, name, path, context, entry);
        if (matched != tidewell::matchesCandidate(path, context))
            std::abort();
        if (matched)
            break;
        folder = entry;
    }
    return 0;
}
