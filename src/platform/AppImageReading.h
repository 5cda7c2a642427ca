#pragma once

#include "ProgramRunner.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tidewell::appimage {

// Where an AppImage's file system starts: the end of its ELF runtime's section header table.
// Nothing when the bytes are no 32- or 64-bit little-endian ELF header.
std::optional<qint64> payloadOffset(const QByteArray& header);

struct EmbeddedEntry {
    QString fileName; // as it lies in the image ("gullwing.desktop")
    QByteArray text;
};

// The desktop entry an AppImage carries at the top of its file system (following a link to it
// inside the image), read with unsquashfs and never by running the AppImage. Nothing when the
// file is no AppImage, has no entry, or unsquashfs is missing.
std::optional<EmbeddedEntry> embeddedDesktopEntry(const QString& appImagePath,
                                                  const ProgramRunner& programs);

// The icon an AppImage carries as its top-level .DirIcon, likewise; its bytes in text.
std::optional<EmbeddedEntry> embeddedIcon(const QString& appImagePath,
                                          const ProgramRunner& programs);

} // namespace tidewell::appimage
