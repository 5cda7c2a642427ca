#pragma once

#include <QColor>
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
    Q_PROPERTY(QColor primary READ primary NOTIFY appearanceChanged)
    Q_PROPERTY(QColor secondary READ secondary NOTIFY appearanceChanged)
    Q_PROPERTY(QColor windowBackground READ windowBackground NOTIFY appearanceChanged)
    Q_PROPERTY(QColor underPageBackground READ underPageBackground NOTIFY appearanceChanged)
    Q_PROPERTY(QColor titleColor READ titleColor NOTIFY appearanceChanged)
    Q_PROPERTY(QColor blue READ blue NOTIFY appearanceChanged)
    Q_PROPERTY(QColor purple READ purple NOTIFY appearanceChanged)
    Q_PROPERTY(QColor orange READ orange NOTIFY appearanceChanged)
    Q_PROPERTY(QColor green READ green NOTIFY appearanceChanged)
    Q_PROPERTY(QColor gray READ gray NOTIFY appearanceChanged)

public:
    explicit Appearance(QObject* parent = nullptr);

    // Dark when forced so ("dark"), light when forced so ("light"), else dark exactly when the
    // palette's window colour is dark.
    static bool isDarkFor(const QString& forced, const QColor& windowColor);

    bool isDark() const { return m_isDark; }
    QColor accent() const;
    QColor primary() const;
    QColor secondary() const;
    QColor windowBackground() const;
    QColor underPageBackground() const;
    QColor titleColor() const;
    QColor blue() const { return accent(); }
    QColor purple() const;
    QColor orange() const;
    QColor green() const;
    QColor gray() const;

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
    QColor byScheme(QRgb dark, QRgb light) const;

    bool m_isDark = false;
};

} // namespace tidewell
