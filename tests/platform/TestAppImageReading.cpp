#include "platform/AppImageReading.h"

#include "FakeAppImage.h"
#include "platform/RealProgramRunner.h"

#include <QTest>

using namespace tidewell;

class TestAppImageReading : public QObject {
    Q_OBJECT

private slots:
    void payloadStartsAfterTheSectionTable() {
        QByteArray elf64(64, '\0');
        elf64.replace(0, 4,
                      "\x7f"
                      "ELF");
        elf64[4] = 2;
        elf64[5] = 1;
        qToLittleEndian<quint64>(1000, elf64.data() + 0x28);
        qToLittleEndian<quint16>(64, elf64.data() + 0x3A);
        qToLittleEndian<quint16>(3, elf64.data() + 0x3C);
        QCOMPARE(appimage::payloadOffset(elf64), std::optional<qint64>(1000 + 64 * 3));
        QByteArray elf32 = elf64;
        elf32[4] = 1;
        qToLittleEndian<quint32>(500, elf32.data() + 0x20);
        qToLittleEndian<quint16>(40, elf32.data() + 0x2E);
        qToLittleEndian<quint16>(2, elf32.data() + 0x30);
        QCOMPARE(appimage::payloadOffset(elf32), std::optional<qint64>(580));
        QVERIFY(!appimage::payloadOffset("#!/bin/sh\necho hello\n"));
        QByteArray bigEndian = elf64;
        bigEndian[5] = 2;
        QVERIFY(!appimage::payloadOffset(bigEndian));
    }

    // The entry and the icon at the top of the image are read through a link inside the image,
    // never through one that leaves it.
    void readsTheEmbeddedEntryWithoutRunningIt() {
        TestDir dir;
        dir.createFile("inside/usr/share/applications/gullwing.desktop",
                       "[Desktop Entry]\nType=Application\nName=Gullwing\nExec=gullwing\n");
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
