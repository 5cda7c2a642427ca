import QtQuick

// One of the main window's panels: fades in and out with `active`; with slidesIn it also
// moves in from the trailing edge when it appears.
Item {
    id: layer

    property bool active: false
    property bool slidesIn: false

    anchors.fill: parent
    // Visible from the moment it is activated, so its controls can take the keyboard at once.
    visible: active || opacity > 0
    opacity: active ? 1 : 0
    Behavior on opacity { NumberAnimation { duration: 200; easing.type: Easing.InOutQuad } }

    transform: Translate { id: shift }

    onActiveChanged: {
        if (active && slidesIn)
            slide.restart()
    }

    NumberAnimation {
        id: slide
        target: shift
        property: "x"
        from: layer.width
        to: 0
        duration: 200
        easing.type: Easing.InOutQuad
    }
}
