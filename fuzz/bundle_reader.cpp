// Feeds arbitrary bytes to the bundle reader as a bundle's Contents/Info.plist: no input may
// crash, hang or exhaust the reader, whatever libplist makes of it.
#include "model/AppDescriptor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <cstddef>
#include <cstdint>

namespace {

struct FuzzBundle {
    QTemporaryDir folder;
    QString bundlePath = folder.filePath(QStringLiteral("Fuzz.app"));
    QString plistPath = bundlePath + QStringLiteral("/Contents/Info.plist");
    FuzzBundle() { QDir().mkpath(bundlePath + QStringLiteral("/Contents")); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzBundle bundle;
    QFile plist(bundle.plistPath);
    if (!plist.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    plist.write(reinterpret_cast<const char*>(data), qint64(size));
    plist.close();
    tidewell::AppDescriptor::from(QUrl::fromLocalFile(bundle.bundlePath));
    return 0;
}
