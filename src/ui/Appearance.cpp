#include "Appearance.h"

#include "ContrastRatio.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

namespace tidewell {

namespace {

QColor withAlpha(QRgb rgb, qreal alpha) {
    QColor color = QColor::fromRgb(rgb);
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

QColor fadedColor(const QColor& color, qreal opacity) {
    QColor result = color;
    result.setAlphaF(static_cast<float>(color.alphaF() * opacity));
    return result;
}

// Under layer for layer, the last one on top.
QColor stacked(std::initializer_list<QColor> layers) {
    QColor surface;
    for (const QColor& layer : layers)
        surface = surface.isValid() ? contrast::composited(layer, surface) : layer;
    return surface;
}

} // namespace

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

// Every text colour reaches a contrast of 4.5 on every surface it is drawn on (textOnSurfaces):
// white on a main button needs a plate a shade deeper than the system's accent.
Appearance::Colors Appearance::colorsFor(bool dark) {
    Colors colors;
    colors.onAccent = QColor(Qt::white);
    if (dark) {
        colors.accent = QColor::fromRgb(0x0A84FF);
        colors.accentPlate = QColor::fromRgb(0x0A6AD6);
        colors.primary = QColor(Qt::white);
        colors.secondary = withAlpha(0xFFFFFF, 0.64);
        colors.title = withAlpha(0xFFFFFF, 0.82);
        colors.warningText = QColor::fromRgb(0xFF9F0A);
        colors.windowBackground = QColor::fromRgb(0x323232);
        colors.underPageBackground = QColor::fromRgb(0x282828);
        colors.windowThickness = QStringLiteral("regular");
        colors.windowShade = withAlpha(0x282828, 0.24);
        colors.popupBackground = QColor::fromRgbF(0.19f, 0.19f, 0.20f);
        colors.sidebarTint = QColor::fromRgbF(0.12f, 0.12f, 0.13f, 0.6f);
        colors.cardTint = withAlpha(0x282828, 0.18);
        colors.rowTint = withAlpha(0xFFFFFF, 0.06);
        colors.purple = QColor::fromRgb(0xBF5AF2);
        colors.orange = QColor::fromRgb(0xFF9F0A);
        colors.green = QColor::fromRgb(0x32D74B);
        colors.gray = QColor::fromRgb(0x98989D);
    } else {
        colors.accent = QColor::fromRgb(0x007AFF);
        colors.accentPlate = QColor::fromRgb(0x0060CC);
        colors.primary = QColor(Qt::black);
        colors.secondary = withAlpha(0x000000, 0.62);
        colors.title = withAlpha(0x000000, 0.72);
        colors.warningText = QColor::fromRgb(0x9A4000);
        colors.windowBackground = QColor::fromRgb(0xECECEC);
        colors.underPageBackground = QColor::fromRgb(0x969696);
        colors.windowThickness = QStringLiteral("ultraThin");
        colors.windowShade = QColor(Qt::transparent);
        colors.popupBackground = QColor::fromRgbF(0.96f, 0.96f, 0.96f);
        colors.sidebarTint = QColor::fromRgbF(0.9f, 0.9f, 0.91f, 0.7f);
        colors.cardTint = withAlpha(0xECECEC, 0.18);
        colors.rowTint = withAlpha(0x000000, 0.04);
        colors.purple = QColor::fromRgb(0xAF52DE);
        colors.orange = QColor::fromRgb(0xFF9500);
        colors.green = QColor::fromRgb(0x28CD41);
        colors.gray = QColor::fromRgb(0x8E8E93);
    }
    colors.selectionTint = fadedColor(colors.accent, 0.28);
    return colors;
}

QColor Appearance::materialFor(bool dark, const QString& thickness) {
    const qreal strength = thickness == u"regular"     ? 0.75
                           : thickness == u"thin"      ? 0.55
                           : thickness == u"ultraThin" ? 0.35
                                                       : 0;
    return dark ? QColor::fromRgbF(0.17f, 0.17f, 0.18f, static_cast<float>(strength))
                : QColor::fromRgbF(0.98f, 0.98f, 0.98f, static_cast<float>(strength));
}

QList<Appearance::TextOnSurface> Appearance::textOnSurfaces(bool dark) {
    const Colors colors = colorsFor(dark);
    const QColor window = stacked(
        {colors.windowBackground, materialFor(dark, colors.windowThickness), colors.windowShade});
    const QColor settingsWindow =
        stacked({colors.windowBackground, materialFor(dark, QStringLiteral("regular"))});
    const QColor current = stacked({colors.popupBackground, colors.selectionTint});
    const QColor sidebar = stacked({settingsWindow, colors.sidebarTint});
    const QColor card =
        stacked({window, materialFor(dark, QStringLiteral("thin")), colors.cardTint});
    const QColor row = stacked({window, colors.rowTint});
    QList<TextOnSurface> pairs{
        {QStringLiteral("title on window"), colors.title, window},
        {QStringLiteral("warning on window"), colors.warningText, window},
        {QStringLiteral("warning on row"), colors.warningText, row},
        {QStringLiteral("warning on card"), colors.warningText, card},
        {QStringLiteral("on accent plate"), colors.onAccent, colors.accentPlate},
    };
    const QList<std::pair<QString, QColor>> surfaces{
        {QStringLiteral("window"), window},
        {QStringLiteral("card"), card},
        {QStringLiteral("row"), row},
        {QStringLiteral("popup"), colors.popupBackground},
        {QStringLiteral("current row"), current},
        {QStringLiteral("settings"), settingsWindow},
        {QStringLiteral("sidebar"), sidebar},
    };
    for (const auto& [name, surface] : surfaces) {
        pairs.append({QStringLiteral("primary on ") + name, colors.primary, surface});
        pairs.append({QStringLiteral("secondary on ") + name, colors.secondary, surface});
    }
    return pairs;
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

qreal Appearance::pick(qreal darkValue, qreal lightValue) const {
    return m_isDark ? darkValue : lightValue;
}

QColor Appearance::faded(const QColor& color, qreal opacity) const {
    return fadedColor(color, opacity);
}

} // namespace tidewell
