// Feeds arbitrary bytes to each reader of the files and program output a Linux home hands
// Tidewell: a desktop entry (repeated keys and groups among them), an AppStream metainfo
// document, an AppImage's ELF header and the text of "dconf dump". No input may crash, hang,
// overflow or exhaust any of them.
#include "platform/AppImageReading.h"
#include "platform/AppStreamMetadata.h"
#include "platform/DconfDatabase.h"
#include "platform/DesktopEntry.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    tidewell::parseDesktopEntry(bytes, QStringLiteral("/fuzz/applications/fuzz.desktop"));
    tidewell::appstream::parseComponent(bytes);
    tidewell::appimage::payloadOffset(bytes);
    tidewell::dconf::foldersInDump(bytes);
    return 0;
}
