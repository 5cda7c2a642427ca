import QtQuick
import QtQuick.Layouts
import Tidewell

// The empty window's panel: drop application bundles on it, or click it to choose them.
Item {
    id: zone

    property real cornerRadius: 20
    property real panelWidth: 460
    property real panelHeight: 280
    property bool isDropTargeted: false
    readonly property bool isHovering: hover.hovered

    // The dropped applications' locations, in the order dropped.
    signal dropApps(var appURLs)
    // Some of the items dropped with applications name none; they were left out.
    signal droppedNonApps(int count)
    // The user asked to choose an application.
    signal selectApp()
    // The user asked what removed applications left behind (Linux).
    signal findOrphans()

    // "idle", "hovering" or "dropTargeted"; a drag over the panel wins over the pointer.
    readonly property string lookState: isDropTargeted ? "dropTargeted"
                                      : isHovering ? "hovering" : "idle"

    // Accepts a drop that carries file locations and hands on the ones that name applications;
    // a drop that names none is ignored without a message.
    function acceptDrop(urls) {
        if (!urls || urls.length === 0)
            return false
        const apps = DroppedItemDecoder.appURLs(urls)
        if (apps.length > 0) {
            Qt.callLater(zone.dropApps, apps)
            if (apps.length < urls.length)
                zone.droppedNonApps(urls.length - apps.length)
        }
        return true
    }

    function focusChooseButton() {
        chooseButton.forceActiveFocus()
    }

    implicitWidth: panelWidth
    implicitHeight: panelHeight

    Item {
        id: panel
        anchors.centerIn: parent
        width: zone.panelWidth
        height: zone.panelHeight
        scale: zone.lookState === "dropTargeted" ? 1.01 : zone.lookState === "hovering" ? 1.004 : 1.0
        Behavior on scale { NumberAnimation { duration: 220; easing.type: Easing.OutCubic } }

        SoftShadow {
            anchors.fill: parent
            cornerRadius: zone.cornerRadius
            color: Qt.rgba(0, 0, 0, zone.lookState === "dropTargeted" ? 0.10
                                    : zone.lookState === "hovering" ? 0.06 : 0.03)
            radius: zone.lookState === "dropTargeted" ? 10 : zone.lookState === "hovering" ? 6 : 3
            offsetY: zone.lookState === "dropTargeted" ? 4 : zone.lookState === "hovering" ? 2 : 1
        }
        GlassPanel {
            anchors.fill: parent
            radius: zone.cornerRadius
            tint: Appearance.isDark ? Appearance.faded(Appearance.underPageBackground, 0.2)
                                    : Appearance.faded(Appearance.windowBackground, 0.22)
            borderWidth: 0
        }
        Rectangle {
            objectName: "dropTint"
            anchors.fill: parent
            radius: zone.cornerRadius
            color: zone.lookState === "dropTargeted"
                   ? Appearance.faded(Appearance.accent, Appearance.pick(0.08, 0.04))
                   : zone.lookState === "hovering"
                     ? Appearance.faded(Appearance.primary, Appearance.pick(0.02, 0.01))
                     : "transparent"
            border.width: 0.8
            border.color: Appearance.faded(Appearance.primary, Appearance.pick(0.08, 0.05))
        }
        Rectangle {
            objectName: "dropBorder"
            anchors.fill: parent
            radius: zone.cornerRadius
            color: "transparent"
            border.width: 1
            border.color: zone.lookState === "dropTargeted" ? Appearance.accent
                        : zone.lookState === "hovering" ? Appearance.faded(Appearance.accent, 0.5)
                        : Appearance.faded(Appearance.primary, Appearance.pick(0.12, 0.08))
        }

        ColumnLayout {
            anchors.centerIn: parent
            spacing: 20

            SymbolImage {
                id: dropIcon
                Layout.alignment: Qt.AlignHCenter
                name: "arrow.down.app"
                pointSize: 52
                color: zone.isDropTargeted ? Appearance.accent
                                           : Appearance.faded(Appearance.primary, 0.55)
                Connections {
                    target: zone
                    function onIsDropTargetedChanged() { bounce.restart() }
                }
                SequentialAnimation {
                    id: bounce
                    NumberAnimation { target: dropIcon; property: "scale"; to: 1.15; duration: 120; easing.type: Easing.OutQuad }
                    NumberAnimation { target: dropIcon; property: "scale"; to: 1.0; duration: 220; easing.type: Easing.OutBack }
                }
            }
            ColumnLayout {
                Layout.alignment: Qt.AlignHCenter
                spacing: 8
                LabelText {
                    Layout.alignment: Qt.AlignHCenter
                    text: qsTr("Drop your apps here")
                    font.pixelSize: 15
                    font.weight: Font.DemiBold
                    color: Appearance.primary
                }
                LabelText {
                    Layout.alignment: Qt.AlignHCenter
                    Layout.maximumWidth: 290
                    text: Host.dropHint
                    font.pixelSize: 12
                    color: Appearance.secondary
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                }
            }
            GlassActionButton {
                id: chooseButton
                objectName: "chooseAppButton"
                Layout.alignment: Qt.AlignHCenter
                text: qsTr("Choose App\u2026")
                role: "primary"
                onClicked: zone.selectApp()
            }
            GlassActionButton {
                objectName: "findOrphansButton"
                Layout.alignment: Qt.AlignHCenter
                visible: !Host.isMac
                text: qsTr("Leftovers of Removed Apps\u2026")
                role: "secondary"
                compact: true
                onClicked: zone.findOrphans()
            }
        }

        HoverHandler {
            id: hover
        }
        TapHandler {
            onTapped: zone.selectApp()
        }
        DropArea {
            anchors.fill: parent
            onEntered: (drag) => {
                drag.accepted = drag.hasUrls
                zone.isDropTargeted = drag.hasUrls
            }
            onExited: zone.isDropTargeted = false
            onDropped: (drop) => {
                zone.isDropTargeted = false
                drop.accepted = zone.acceptDrop(drop.urls)
            }
        }
    }
}
