#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tidewell {

// Light or dark look of the windows and the colour roles every view draws with. Follows the
// system palette; TIDEWELL_APPEARANCE=light|dark forces one (screenshots, tests).
class Appearance : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool isDark READ isDark NOTIFY appearanceChanged)
    Q_PROPERTY(QColor accent READ accent NOTIFY appearanceChanged)
    Q_PROPERTY(QColor accentPlate READ accentPlate NOTIFY appearanceChanged)
    Q_PROPERTY(QColor onAccent READ onAccent NOTIFY appearanceChanged)
    Q_PROPERTY(QColor primary READ primary NOTIFY appearanceChanged)
    Q_PROPERTY(QColor secondary READ secondary NOTIFY appearanceChanged)
    Q_PROPERTY(QColor warningText READ warningText NOTIFY appearanceChanged)
    Q_PROPERTY(QColor titleColor READ titleColor NOTIFY appearanceChanged)
    Q_PROPERTY(QColor windowBackground READ windowBackground NOTIFY appearanceChanged)
    Q_PROPERTY(QColor underPageBackground READ underPageBackground NOTIFY appearanceChanged)
    Q_PROPERTY(QString windowThickness READ windowThickness NOTIFY appearanceChanged)
    Q_PROPERTY(QColor windowShade READ windowShade NOTIFY appearanceChanged)
    Q_PROPERTY(QColor popupBackground READ popupBackground NOTIFY appearanceChanged)
    Q_PROPERTY(QColor sidebarTint READ sidebarTint NOTIFY appearanceChanged)
    Q_PROPERTY(QColor cardTint READ cardTint NOTIFY appearanceChanged)
    Q_PROPERTY(QColor rowTint READ rowTint NOTIFY appearanceChanged)
    Q_PROPERTY(QColor selectionTint READ selectionTint NOTIFY appearanceChanged)
    Q_PROPERTY(QColor blue READ accent NOTIFY appearanceChanged)
    Q_PROPERTY(QColor purple READ purple NOTIFY appearanceChanged)
    Q_PROPERTY(QColor orange READ orange NOTIFY appearanceChanged)
    Q_PROPERTY(QColor green READ green NOTIFY appearanceChanged)
    Q_PROPERTY(QColor gray READ gray NOTIFY appearanceChanged)

public:
    // The colours of one scheme. Text is drawn in primary, secondary, title or warningText,
    // and in onAccent on the accentPlate of a main button; symbols, outlines and tints take
    // the accents.
    struct Colors {
        QColor accent, accentPlate, onAccent, primary, secondary, title, warningText;
        QColor windowBackground, underPageBackground;
        // The material under the main window's content and the shade laid over it.
        QString windowThickness;
        QColor windowShade;
        // Prompts and choosers; the settings sidebar over its window; the list card over the
        // window; a raised row; the current row of a list.
        QColor popupBackground, sidebarTint, cardTint, rowTint, selectionTint;
        QColor purple, orange, green, gray;
    };
    // Text of one colour role on one surface the views draw it on.
    struct TextOnSurface {
        QString name;
        QColor text;
        QColor surface; // opaque, as the layers under the text add up
    };

    explicit Appearance(QObject* parent = nullptr);

    // Dark when forced so ("dark"), light when forced so ("light"), else dark exactly when the
    // palette's window colour is dark.
    static bool isDarkFor(const QString& forced, const QColor& windowColor);
    static Colors colorsFor(bool dark);
    // The frosted material standing in for the system blur: "none", "ultraThin", "thin" or
    // "regular".
    static QColor materialFor(bool dark, const QString& thickness);
    // Every text colour role on every surface of the scheme, each surface composed of the
    // layers the views draw.
    static QList<TextOnSurface> textOnSurfaces(bool dark);

    bool isDark() const { return m_isDark; }
    QColor accent() const { return colors().accent; }
    QColor accentPlate() const { return colors().accentPlate; }
    QColor onAccent() const { return colors().onAccent; }
    QColor primary() const { return colors().primary; }
    QColor secondary() const { return colors().secondary; }
    QColor warningText() const { return colors().warningText; }
    QColor titleColor() const { return colors().title; }
    QColor windowBackground() const { return colors().windowBackground; }
    QColor underPageBackground() const { return colors().underPageBackground; }
    QString windowThickness() const { return colors().windowThickness; }
    QColor windowShade() const { return colors().windowShade; }
    QColor popupBackground() const { return colors().popupBackground; }
    QColor sidebarTint() const { return colors().sidebarTint; }
    QColor cardTint() const { return colors().cardTint; }
    QColor rowTint() const { return colors().rowTint; }
    QColor selectionTint() const { return colors().selectionTint; }
    QColor purple() const { return colors().purple; }
    QColor orange() const { return colors().orange; }
    QColor green() const { return colors().green; }
    QColor gray() const { return colors().gray; }

    Q_INVOKABLE QColor material(const QString& thickness) const {
        return materialFor(m_isDark, thickness);
    }
    // The dark or the light value of a pair, for the current appearance.
    Q_INVOKABLE qreal pick(qreal darkValue, qreal lightValue) const;
    // color with its alpha multiplied by opacity.
    Q_INVOKABLE QColor faded(const QColor& color, qreal opacity) const;

signals:
    void appearanceChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();
    Colors colors() const { return colorsFor(m_isDark); }

    bool m_isDark = false;
};

} // namespace tidewell
