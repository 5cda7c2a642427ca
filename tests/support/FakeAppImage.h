#pragma once

#include "TestDir.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>

// A little-endian 64-bit ELF header whose section header table has count entries of entrySize
// bytes at offset.
inline QByteArray elf64Header(quint64 offset, quint16 entrySize, quint16 count) {
    QByteArray header(64, '\0');
    header.replace(0, 4,
                   "\x7f"
                   "ELF");
    header[4] = 2; // 64-bit
    header[5] = 1; // little-endian
    qToLittleEndian<quint64>(offset, header.data() + 0x28);
    qToLittleEndian<quint16>(entrySize, header.data() + 0x3A);
    qToLittleEndian<quint16>(count, header.data() + 0x3C);
    return header;
}

// Builds an AppImage that is never run: an ELF header whose section table ends at byte 64,
// followed by a squashfs image of the folder imageFolder of dir (made with mksquashfs).
// Returns its path, or an empty string when mksquashfs is missing.
inline QString makeFakeAppImage(const TestDir& dir, const QString& imageFolder,
                                const QString& appImage) {
    if (QStandardPaths::findExecutable(QStringLiteral("mksquashfs")).isEmpty())
        return {};
    const QString image = dir.path(imageFolder + QStringLiteral(".sqfs"));
    if (QProcess::execute(QStringLiteral("mksquashfs"),
                          {dir.path(imageFolder), image, QStringLiteral("-quiet"),
                           QStringLiteral("-noappend"), QStringLiteral("-comp"),
                           QStringLiteral("gzip")}) != 0)
        return {};
    QFile squashfs(image);
    QFile out(dir.path(appImage));
    if (!squashfs.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(out).path()) ||
        !out.open(QIODevice::WriteOnly))
        return {};
    out.write(elf64Header(64, 64, 0) + squashfs.readAll());
    return out.fileName();
}
