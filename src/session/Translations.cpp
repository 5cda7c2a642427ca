#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace tidewell {

namespace {

const QString catalogueFolder = QStringLiteral(":/i18n");

// The catalogues this process installed, kept so that a second call can take them out.
std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

bool add(const std::function<bool(QTranslator&)>& load) {
    auto translator = std::make_unique<QTranslator>();
    if (!load(*translator))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
    return true;
}

} // namespace

bool Translations::install(const QLocale& locale) {
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    // Installed later means asked first: the locale's catalogue before the English one.
    add([](QTranslator& english) {
        return english.load(QStringLiteral("tidewell_en"), catalogueFolder);
    });
    add([&locale](QTranslator& qt) {
        return qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return true;
    return add([&locale](QTranslator& own) {
        return own.load(locale, QStringLiteral("tidewell"), QStringLiteral("_"), catalogueFolder);
    });
}

} // namespace tidewell
