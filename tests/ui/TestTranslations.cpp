#include "../session/SessionFixture.h"
#include "HostVariables.h"
#include "model/AppDescriptor.h"
#include "model/ItemGroup.h"
#include "model/ScanCategory.h"
#include "platform/Host.h"
#include "session/AppIntake.h"
#include "session/SharedByteFormatter.h"
#include "session/Translations.h"

#include <QTest>

using namespace tidewell;

// The window's texts follow the locale: German throughout, with its plural forms, and English
// with the singular of a counted text.
class TestTranslations : public QObject {
    Q_OBJECT

    static QString foundStatus(int count) {
        SessionFixture session;
        session.takeInHarborNotes();
        QList<ScannedFile> found;
        for (int index = 0; index < count; ++index)
            found.append(
                leftover(QString("/h/Library/Caches/%1").arg(index), ScanCategory::caches, 10));
        session.scanner->finish(0, {found, {}});
        return session.model->statusMessage();
    }

private slots:
    void cleanup() { Translations::install(QLocale(QLocale::English)); }

    void germanTextsAndPlurals() {
        QVERIFY(Translations::install(QLocale(QLocale::German, QLocale::Germany)));
        QCOMPARE(SessionFixture().model->statusMessage(), u"Apps hier ablegen");
        QCOMPARE(foundStatus(1), u"1 zugehöriges Objekt gefunden.");
        QCOMPARE(foundStatus(3), u"3 zugehörige Objekte gefunden.");
        QCOMPARE(displayName(ScanCategory::applicationSupport), u"Programmdaten");
        QCOMPARE(rawValue(ScanCategory::applicationSupport), u"Application Support");
        QCOMPARE(SharedByteFormatter::sizeText(4000, false), u"mind. 4 KB");
        QCOMPARE(SharedByteFormatter::sizeText(0, false), u"unbekannt");
        QCOMPARE(errorDescription(AppDescriptorError::invalidBundle),
                 u"Dieses App-Bundle konnte nicht gelesen werden.");
        // The window's words: a Linux app's groups, sizes in German digits and units.
        QCOMPARE(displayName(ItemGroup::launchersAndIcons), u"Starter und Symbole");
        QCOMPARE(displayName(AppKind::desktopEntry), u"Anwendung");
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(SharedByteFormatter::localized(1, german), u"1 Byte");
        QCOMPARE(SharedByteFormatter::localizedSizeText(6'240'000, false, german), u"mind. 6,2 MB");
        QCOMPARE(AppIntake::errorText(AppDescriptorError::notFound,
                                      QUrl::fromLocalFile("/a/gone.desktop")),
                 u"\u201egone.desktop\u201c existiert nicht."_qs);
        // A text of the platform layer: the host's warning about an ignored variable.
        const Host host =
            Host::resolve("/home/u", {}, hostVariables({{"XDG_CACHE_HOME", "cache"}}));
        QCOMPARE(host.warnings,
                 QStringList{u"XDG_CACHE_HOME=cache wird nicht beachtet: er ist kein absoluter "
                             u"Pfad; stattdessen wird /home/u/.cache verwendet."_qs});
    }

    void englishSingular() {
        QVERIFY(Translations::install(QLocale(QLocale::English)));
        QCOMPARE(foundStatus(1), u"Found 1 related item.");
        QCOMPARE(foundStatus(2), u"Found 2 related items.");
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
