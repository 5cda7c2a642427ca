#include "AppImageReading.h"

#include "SmallFileReading.h"
#include "ToolRun.h"

#include <QDataStream>

#include <functional>
#include <limits>

namespace tidewell::appimage {

namespace {

constexpr int toolTimeoutMs = 5000;
constexpr qint64 maximumListingSize = 4 << 20;
// The desktop entry or the icon; the image's own sizes are not to be trusted.
constexpr qint64 maximumEmbeddedFileSize = 1 << 20;
constexpr qint64 elfHeaderSize = 64;
const QString imageRoot = QStringLiteral("squashfs-root/");

// Read through a stream rather than a pointer into the bytes: bounds are then checked, for
// the reader as for the compiler.
template <typename T> quint64 readLittleEndian(const QByteArray& bytes, int offset) {
    QDataStream stream(bytes);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream.skipRawData(offset);
    T value = 0;
    stream >> value;
    return quint64(value);
}

// Where a section header table of count entries of entrySize bytes at tableOffset ends;
// nothing when that lies beyond any file offset.
std::optional<qint64> tableEnd(quint64 tableOffset, quint64 entrySize, quint64 count) {
    const quint64 tableSize = entrySize * count; // two 16-bit numbers: no overflow
    if (tableOffset > quint64(std::numeric_limits<qint64>::max()) - tableSize)
        return std::nullopt;
    return qint64(tableOffset + tableSize);
}

// Runs unsquashfs with options on the image inside appImagePath, for the files named; its
// standard output when that is at most maximumOutput bytes, or nothing.
std::optional<QByteArray> unsquashfs(const QString& appImagePath, qint64 offset,
                                     const QStringList& options, qint64 maximumOutput,
                                     const QStringList& names = {}) {
    return outputOf({.program = QStringLiteral("unsquashfs"),
                     .arguments = QStringList{QStringLiteral("-o"), QString::number(offset)} +
                                  options + QStringList{appImagePath} + names,
                     .maximumOutput = maximumOutput,
                     .timeoutMs = toolTimeoutMs});
}

// The path inside the image of the first top-level file whose name isWanted: itself, or where
// its link points when that stays inside the image.
QString topLevelFile(const QByteArray& listing,
                     const std::function<bool(const QString&)>& isWanted) {
    for (const QByteArray& rawLine : listing.split('\n')) {
        const QString line = QString::fromUtf8(rawLine);
        const qsizetype start = line.indexOf(imageRoot);
        if (start < 0)
            continue;
        const QString rest = line.mid(start + imageRoot.size());
        const QString name = rest.section(QStringLiteral(" -> "), 0, 0);
        if (name.contains(u'/') || !isWanted(name))
            continue;
        const QString target = rest.section(QStringLiteral(" -> "), 1);
        if (target.isEmpty())
            return name;
        if (!target.startsWith(u'/') && !target.split(u'/').contains(QStringLiteral("..")))
            return target;
    }
    return {};
}

} // namespace

std::optional<qint64> payloadOffset(const QByteArray& header) {
    if (header.size() < elfHeaderSize ||
        !header.startsWith("\x7f"
                           "ELF") ||
        header[5] != 1)
        return std::nullopt;
    if (header[4] == 2) // 64-bit: e_shoff at 0x28, e_shentsize at 0x3A, e_shnum at 0x3C
        return tableEnd(readLittleEndian<quint64>(header, 0x28),
                        readLittleEndian<quint16>(header, 0x3A),
                        readLittleEndian<quint16>(header, 0x3C));
    if (header[4] == 1) // 32-bit: e_shoff at 0x20, e_shentsize at 0x2E, e_shnum at 0x30
        return tableEnd(readLittleEndian<quint32>(header, 0x20),
                        readLittleEndian<quint16>(header, 0x2E),
                        readLittleEndian<quint16>(header, 0x30));
    return std::nullopt;
}

namespace {

// The first top-level file of the image whose name isWanted, read without running anything.
std::optional<EmbeddedEntry> embeddedFile(const QString& appImagePath,
                                          const std::function<bool(const QString&)>& isWanted) {
    const std::optional<FileStart> start = readFileStart(appImagePath, elfHeaderSize);
    const std::optional<qint64> offset = start ? payloadOffset(start->bytes) : std::nullopt;
    if (!offset || *offset <= 0 || *offset >= start->size)
        return std::nullopt;
    // Only the top level is listed: an image of many thousand files would outgrow the limit.
    const auto listing =
        unsquashfs(appImagePath, *offset,
                   {QStringLiteral("-lls"), QStringLiteral("-max-depth"), QStringLiteral("1")},
                   maximumListingSize);
    const QString path = listing ? topLevelFile(*listing, isWanted) : QString();
    if (path.isEmpty())
        return std::nullopt;
    // The name is matched literally: unsquashfs reads it as a pattern otherwise.
    const auto bytes =
        unsquashfs(appImagePath, *offset, {QStringLiteral("-no-wildcards"), QStringLiteral("-cat")},
                   maximumEmbeddedFileSize, {path});
    if (!bytes)
        return std::nullopt;
    return EmbeddedEntry{path.section(u'/', -1), *bytes};
}

} // namespace

std::optional<EmbeddedEntry> embeddedDesktopEntry(const QString& appImagePath) {
    return embeddedFile(appImagePath, [](const QString& name) {
        return name.endsWith(QStringLiteral(".desktop"));
    });
}

std::optional<EmbeddedEntry> embeddedIcon(const QString& appImagePath) {
    return embeddedFile(appImagePath,
                        [](const QString& name) { return name == QStringLiteral(".DirIcon"); });
}

} // namespace tidewell::appimage
