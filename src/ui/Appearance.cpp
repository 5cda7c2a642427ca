#include "Appearance.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

namespace tidewell {

Appearance::Appearance(QObject* parent) : QObject(parent) {
    update();
    qApp->installEventFilter(this);
}

bool Appearance::isDarkFor(const QString& forced, const QColor& windowColor) {
    const QString choice = forced.trimmed().toLower();
    if (choice == QLatin1String("dark"))
        return true;
    if (choice == QLatin1String("light"))
        return false;
    return windowColor.lightness() < 128;
}

bool Appearance::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        update();
    return QObject::eventFilter(watched, event);
}

void Appearance::update() {
    const bool dark = isDarkFor(qEnvironmentVariable("TIDEWELL_APPEARANCE"),
                                QGuiApplication::palette().color(QPalette::Window));
    if (dark == m_isDark)
        return;
    m_isDark = dark;
    emit appearanceChanged();
}

QColor Appearance::byScheme(QRgb dark, QRgb light) const {
    return QColor::fromRgb(m_isDark ? dark : light);
}

QColor Appearance::accent() const {
    return byScheme(0x0A84FF, 0x007AFF);
}
QColor Appearance::primary() const {
    return byScheme(0xFFFFFF, 0x000000);
}

QColor Appearance::secondary() const {
    return m_isDark ? QColor(255, 255, 255, 140) : QColor(0, 0, 0, 128);
}

QColor Appearance::windowBackground() const {
    return byScheme(0x323232, 0xECECEC);
}
QColor Appearance::underPageBackground() const {
    return byScheme(0x282828, 0x969696);
}

QColor Appearance::titleColor() const {
    return m_isDark ? QColor::fromRgbF(1, 1, 1, 0.82f) : QColor::fromRgbF(0, 0, 0, 0.72f);
}

QColor Appearance::purple() const {
    return byScheme(0xBF5AF2, 0xAF52DE);
}
QColor Appearance::orange() const {
    return byScheme(0xFF9F0A, 0xFF9500);
}
QColor Appearance::green() const {
    return byScheme(0x32D74B, 0x28CD41);
}
QColor Appearance::gray() const {
    return byScheme(0x98989D, 0x8E8E93);
}

qreal Appearance::pick(qreal darkValue, qreal lightValue) const {
    return m_isDark ? darkValue : lightValue;
}

QColor Appearance::faded(const QColor& color, qreal opacity) const {
    QColor result = color;
    result.setAlphaF(static_cast<float>(color.alphaF() * opacity));
    return result;
}

} // namespace tidewell
