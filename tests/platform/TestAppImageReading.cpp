#include "platform/AppImageReading.h"

#include "FakeAppImage.h"
#include "platform/RealProgramRunner.h"

#include <QTest>

#include <limits>

using namespace tidewell;

namespace {

// The same header, 32-bit.
QByteArray elf32(quint32 offset, quint16 entrySize, quint16 count) {
    QByteArray header = elf64Header(0, 0, 0);
    header[4] = 1;
    qToLittleEndian<quint32>(offset, header.data() + 0x20);
    qToLittleEndian<quint16>(entrySize, header.data() + 0x2E);
    qToLittleEndian<quint16>(count, header.data() + 0x30);
    return header;
}

} // namespace

class TestAppImageReading : public QObject {
    Q_OBJECT

private slots:
    void payloadStartsAfterTheSectionTable_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<std::optional<qint64>>("offset");
        constexpr quint64 int64Max = std::numeric_limits<qint64>::max();
        QTest::newRow("64-bit") << elf64Header(1000, 64, 3) << std::optional<qint64>(1000 + 64 * 3);
        QTest::newRow("32-bit") << elf32(500, 40, 2) << std::optional<qint64>(580);
        QTest::newRow("32-bit, largest table")
            << elf32(0xFFFFFFFF, 0xFFFF, 0xFFFF)
            << std::optional<qint64>(0xFFFFFFFFLL + 0xFFFFLL * 0xFFFF);
        QTest::newRow("64-bit, table ending at the largest offset")
            << elf64Header(int64Max - 64 * 3, 64, 3) << std::optional<qint64>(int64Max);
        QTest::newRow("64-bit, table ending past it")
            << elf64Header(int64Max - 64 * 3 + 1, 64, 3) << std::optional<qint64>();
        QTest::newRow("64-bit, huge table offset")
            << elf64Header(~quint64(0), 0xFFFF, 0xFFFF) << std::optional<qint64>();
        QTest::newRow("script") << QByteArray("#!/bin/sh\necho hello\n") << std::optional<qint64>();
        QByteArray bigEndian = elf64Header(1000, 64, 3);
        bigEndian[5] = 2;
        QTest::newRow("big-endian") << bigEndian << std::optional<qint64>();
    }
    void payloadStartsAfterTheSectionTable() {
        QFETCH(QByteArray, header);
        QFETCH(std::optional<qint64>, offset);
        QCOMPARE(appimage::payloadOffset(header), offset);
    }

    // The entry and the icon at the top of the image are read through a link inside the image,
    // never through one that leaves it.
    void readsTheEmbeddedEntryWithoutRunningIt() {
        TestDir dir;
        dir.createDesktopEntry("inside/usr/share/applications/gullwing.desktop",
                               {.name = "Gullwing", .exec = "gullwing"});
        dir.createSymlink("inside/gullwing.desktop", "usr/share/applications/gullwing.desktop");
        dir.createFile("inside/gullwing.png", "\x89PNG icon bytes");
        dir.createSymlink("inside/.DirIcon", "gullwing.png");
        dir.createFile("escape/usr/x", "x");
        dir.createSymlink("escape/tool.desktop", "../outside.desktop");
        const QString inside = makeFakeAppImage(dir, "inside", "Gullwing.AppImage");
        const QString escape = makeFakeAppImage(dir, "escape", "Escape.AppImage");
        if (inside.isEmpty() || escape.isEmpty())
            QSKIP("mksquashfs (squashfs-tools) is not installed; scripts/setup installs it");
        const RealProgramRunner programs(qEnvironmentVariable("PATH").split(u':'));
        const auto entry = appimage::embeddedDesktopEntry(inside, programs);
        QVERIFY(entry);
        QCOMPARE(entry->fileName, "gullwing.desktop");
        QVERIFY(entry->text.contains("Name=Gullwing"));
        QVERIFY(!appimage::embeddedDesktopEntry(escape, programs));
        const auto icon = appimage::embeddedIcon(inside, programs);
        QVERIFY(icon);
        QCOMPARE(icon->text, QByteArray("\x89PNG icon bytes"));
        QVERIFY(!appimage::embeddedIcon(escape, programs));
        QVERIFY(!appimage::embeddedDesktopEntry(dir.path("escape/usr/x"), programs)); // no AppImage
    }
};

QTEST_GUILESS_MAIN(TestAppImageReading)
#include "TestAppImageReading.moc"
