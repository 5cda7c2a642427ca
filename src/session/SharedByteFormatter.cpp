#include "SharedByteFormatter.h"

#include <QCoreApplication>

#include <array>
#include <limits>

namespace tidewell::SharedByteFormatter {

namespace {

struct Unit {
    const char* name;
    quint64 size;
    int fractionDigits;
};

// The window goes on to the units QLocale knows; the command line stops at terabytes.
constexpr std::array<Unit, 7> units{{
    {"bytes", 1, 0},
    {"KB", 1'000, 0},
    {"MB", 1'000'000, 1},
    {"GB", 1'000'000'000, 2},
    {"TB", 1'000'000'000'000, 2},
    {"PB", 1'000'000'000'000'000, 2},
    {"EB", 1'000'000'000'000'000'000, 2},
}};
constexpr size_t terabytes = 4;

constexpr quint64 powerOfTen(int exponent) {
    quint64 result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

// A magnitude rounded for display: scaled steps of its unit's last shown digit.
struct Rounded {
    const Unit* unit;
    quint64 scaled;

    quint64 step() const { return unit->size / powerOfTen(unit->fractionDigits); }
    // The fraction digits that are not trailing zeros.
    int shownDigits() const {
        int digits = unit->fractionDigits;
        for (quint64 rest = scaled; digits > 0 && rest % 10 == 0; rest /= 10)
            --digits;
        return digits;
    }
};

// The magnitude in steps of the unit's last shown digit, rounded half up.
quint64 scaledCount(quint64 magnitude, const Unit& unit) {
    const quint64 step = unit.size / powerOfTen(unit.fractionDigits);
    return magnitude / step + (magnitude % step >= (step + 1) / 2 ? 1 : 0);
}

// Rounded in the largest unit not above the magnitude, up to units[lastUnit].
Rounded rounded(quint64 magnitude, size_t lastUnit) {
    size_t index = lastUnit;
    while (index > 0 && magnitude < units[index].size)
        --index;
    quint64 scaled = scaledCount(magnitude, units[index]);
    // A count that rounds up to 1000 of its unit reads as 1 of the next one.
    while (index < lastUnit && scaled >= 1000 * powerOfTen(units[index].fractionDigits)) {
        ++index;
        scaled = scaledCount(magnitude, units[index]);
    }
    return {&units[index], scaled};
}

// The magnitude of the most negative count still fits an unsigned 64-bit integer.
quint64 magnitudeOf(qint64 byteCount) {
    return byteCount < 0 ? quint64(0) - quint64(byteCount) : quint64(byteCount);
}

QString formatNumber(const Rounded& size) {
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    const quint64 divisor = powerOfTen(size.unit->fractionDigits);
    QString text = english.toString(size.scaled / divisor);
    const int digits = size.shownDigits();
    if (digits > 0)
        text += u'.' + QString::number(size.scaled % divisor)
                           .rightJustified(size.unit->fractionDigits, u'0')
                           .left(digits);
    return text;
}

QString notWhole(const QString& text, qint64 byteCount, bool complete) {
    if (complete)
        return text;
    if (byteCount == 0)
        return QCoreApplication::translate("SharedByteFormatter", "size unknown");
    return QCoreApplication::translate("SharedByteFormatter", "at least %1").arg(text);
}

} // namespace

QString string(qint64 byteCount) {
    if (byteCount == 0)
        return QStringLiteral("Zero KB");
    const quint64 magnitude = magnitudeOf(byteCount);
    const QString sign = byteCount < 0 ? QStringLiteral("-") : QString();
    if (magnitude == 1)
        return sign + QStringLiteral("1 byte");
    const Rounded size = rounded(magnitude, terabytes);
    return sign + formatNumber(size) + u' ' + QLatin1String(size.unit->name);
}

QString localized(qint64 byteCount, const QLocale& locale) {
    const quint64 magnitude = magnitudeOf(byteCount);
    const QString sign = byteCount < 0 ? locale.negativeSign() : QString();
    // QLocale names bytes without a singular ("1 bytes"); below 1000 there is nothing to group.
    // Singular and plural are separate source texts so that English reads right without a
    // catalogue; both carry %n for languages with more forms.
    if (magnitude == 1)
        return sign + QCoreApplication::translate("SharedByteFormatter", "%n byte", "", 1);
    if (magnitude < units[1].size)
        return sign +
               QCoreApplication::translate("SharedByteFormatter", "%n bytes", "", int(magnitude));
    // Rounded here, so that QLocale shows the digits kept and picks the same unit.
    const Rounded size = rounded(magnitude, units.size() - 1);
    const quint64 roundedBytes = size.scaled * size.step();
    const auto shown = qint64(std::min<quint64>(roundedBytes, std::numeric_limits<qint64>::max()));
    return sign + locale.formattedDataSize(shown, size.shownDigits(), QLocale::DataSizeSIFormat);
}

QString sizeText(qint64 byteCount, bool complete) {
    return notWhole(string(byteCount), byteCount, complete);
}

QString localizedSizeText(qint64 byteCount, bool complete, const QLocale& locale) {
    return notWhole(localized(byteCount, locale), byteCount, complete);
}

} // namespace tidewell::SharedByteFormatter
