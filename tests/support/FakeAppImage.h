#pragma once

#include "TestDir.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>

// Builds an AppImage that is never run: a 64-bit ELF header whose section table ends at byte
// 64, followed by a squashfs image of the folder imageFolder of dir (made with mksquashfs).
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
    QByteArray header(64, '\0');
    header.replace(0, 4,
                   "\x7f"
                   "ELF");
    header[4] = 2;                                      // 64-bit
    header[5] = 1;                                      // little-endian
    qToLittleEndian<quint64>(64, header.data() + 0x28); // section headers at 64...
    qToLittleEndian<quint16>(64, header.data() + 0x3A); // ...of 64 bytes each...
    qToLittleEndian<quint16>(0, header.data() + 0x3C);  // ...and none of them
    QFile squashfs(image);
    QFile out(dir.path(appImage));
    if (!squashfs.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(out).path()) ||
        !out.open(QIODevice::WriteOnly))
        return {};
    out.write(header + squashfs.readAll());
    return out.fileName();
}
