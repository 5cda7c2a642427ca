#pragma once

#include <QLocale>

namespace tidewell {

// The program's texts in the user's language: the English catalogue gives the plural forms of
// the source texts, a catalogue of the locale's language (when there is one) every text.
class Translations {
public:
    // Installs the catalogues for locale into the application, replacing those installed by an
    // earlier call. Returns whether a catalogue of the locale's language was found.
    static bool install(const QLocale& locale = QLocale());
};

} // namespace tidewell
