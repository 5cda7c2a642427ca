import QtQuick
import QtQuick.Templates as T
import Tidewell

// The shared action button: an accent plate for a view's main action, a frosted neutral
// plate for the others. With frameWidth set, the button is that wide and its plate keeps the
// size of the label plus insets, centred.
T.Button {
    id: control

    // "primary" or "secondary".
    property string role: "primary"
    property bool compact: false
    property real frameWidth: 0
    // The plate takes the button's whole width instead of the label's.
    property bool fillsFrame: false

    readonly property bool isPrimary: role === "primary"
    readonly property real horizontalInset: compact ? 11 : 14
    readonly property real plateWidth: contentItem.implicitWidth + 2 * horizontalInset
    readonly property real plateRadius: compact ? 9 : 11

    implicitWidth: Math.max(frameWidth, plateWidth)
    implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
    leftInset: fillsFrame ? 0 : Math.max(0, (width - plateWidth) / 2)
    rightInset: leftInset
    leftPadding: leftInset + horizontalInset
    rightPadding: rightInset + horizontalInset
    topPadding: compact ? 5 : 7
    bottomPadding: topPadding

    // A disabled button is skipped by Tab and not offered to assistive technology as focusable.
    focusPolicy: enabled ? Qt.StrongFocus : Qt.NoFocus
    Accessible.focusable: enabled
    Accessible.name: text
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    opacity: enabled ? 1.0 : 0.62
    scale: down ? 0.985 : 1.0
    Behavior on scale { NumberAnimation { duration: 120; easing.type: Easing.OutQuad } }

    contentItem: Text {
        text: control.text
        font.pixelSize: control.compact ? 12 : 13
        font.weight: Font.DemiBold
        color: control.isPrimary ? Appearance.onAccent : Appearance.primary
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideNone
    }

    background: GlassPanel {
        radius: control.plateRadius
        thickness: control.isPrimary ? "none" : "thin"
        tint: control.isPrimary ? Appearance.accentPlate
                                : Appearance.faded(Appearance.windowBackground,
                                                   Appearance.pick(0.2, 0.34))
        borderColor: control.isPrimary
                     ? Appearance.faded(Appearance.accent, 0.5)
                     : Appearance.faded(Appearance.primary, Appearance.pick(0.1, 0.12))
    }

    FocusRing {
        anchors.fill: control.background
        radius: control.plateRadius + 3
        shown: control.visualFocus
    }
}
