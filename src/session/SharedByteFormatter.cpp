#include "SharedByteFormatter.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>

namespace tidewell::SharedByteFormatter {

namespace {

struct Unit {
    const char* name;
    quint64 size;
    int fractionDigits;
};

constexpr std::array<Unit, 5> units{{
    {"bytes", 1, 0},
    {"KB", 1'000, 0},
    {"MB", 1'000'000, 1},
    {"GB", 1'000'000'000, 2},
    {"TB", 1'000'000'000'000, 2},
}};

constexpr quint64 powerOfTen(int exponent) {
    quint64 result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

// The magnitude in steps of the unit's last shown digit, rounded half up.
quint64 scaledCount(quint64 magnitude, const Unit& unit) {
    const quint64 step = unit.size / powerOfTen(unit.fractionDigits);
    return magnitude / step + (magnitude % step >= (step + 1) / 2 ? 1 : 0);
}

QString formatNumber(quint64 scaled, int fractionDigits) {
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    const quint64 divisor = powerOfTen(fractionDigits);
    QString text = english.toString(scaled / divisor);
    QString fraction =
        QString::number(scaled % divisor).rightJustified(fractionDigits, u'0').left(fractionDigits);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return text;
}

} // namespace

QString string(qint64 byteCount) {
    if (byteCount == 0)
        return QStringLiteral("Zero KB");
    // The magnitude of the most negative count still fits an unsigned 64-bit integer.
    const quint64 magnitude = byteCount < 0 ? quint64(0) - quint64(byteCount) : quint64(byteCount);
    const QString sign = byteCount < 0 ? QStringLiteral("-") : QString();
    if (magnitude == 1)
        return sign + QStringLiteral("1 byte");

    size_t index = units.size() - 1;
    while (index > 0 && magnitude < units[index].size)
        --index;
    quint64 scaled = scaledCount(magnitude, units[index]);
    // A count that rounds up to 1000 of its unit reads as 1 of the next one.
    while (index + 1 < units.size() && scaled >= 1000 * powerOfTen(units[index].fractionDigits)) {
        ++index;
        scaled = scaledCount(magnitude, units[index]);
    }
    const Unit& unit = units[index];
    return sign + formatNumber(scaled, unit.fractionDigits) + u' ' + QLatin1String(unit.name);
}

QString sizeText(qint64 byteCount, bool complete) {
    if (complete)
        return string(byteCount);
    if (byteCount == 0)
        return QCoreApplication::translate("SharedByteFormatter", "size unknown");
    return QCoreApplication::translate("SharedByteFormatter", "at least %1").arg(string(byteCount));
}

} // namespace tidewell::SharedByteFormatter
