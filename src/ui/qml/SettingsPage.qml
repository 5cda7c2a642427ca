import QtQuick

// The page of one settings tab, inset in the page area. It moves in from the bottom while
// fading in, and fades out when another tab is chosen.
Item {
    id: page

    property bool shown: false

    anchors.fill: parent
    anchors.leftMargin: 24
    anchors.rightMargin: 24
    anchors.topMargin: 40
    anchors.bottomMargin: 24
    visible: opacity > 0
    opacity: shown ? 1 : 0
    Behavior on opacity { NumberAnimation { duration: 280; easing.type: Easing.OutCubic } }

    transform: Translate { id: shift }

    onShownChanged: {
        if (shown)
            rise.restart()
    }

    NumberAnimation {
        id: rise
        target: shift
        property: "y"
        from: page.height
        to: 0
        duration: 280
        easing.type: Easing.OutBack
        easing.overshoot: 0.6
    }
}
