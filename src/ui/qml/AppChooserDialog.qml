pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tidewell

// Chooses installed Linux applications, filtered as the user types: a click checks one, a click
// with Ctrl or on its box one more, a click with Shift a run of them, and Space the current one;
// Return or "Select" opens the checked ones (or else the current one). "Browse…" hands over to
// the file dialog for app bundles, desktop entries or AppImages anywhere.
Dialog {
    id: chooser

    // The chosen applications' desktop entries, in the list's order.
    signal chosen(var appURLs)
    // The user asked for the file dialog instead.
    signal browseRequested()

    // The installed applications (rows with name, shownId, kindName, entryUrl, dataSizeText).
    property var installedApps: null

    function localPath(fileURL) {
        const text = String(fileURL)
        return decodeURIComponent(text.startsWith("file://") ? text.substring(7) : text)
    }

    // The row a click with Shift checks the run from.
    property int anchorRow: 0

    function openChooser() {
        filterField.text = ""
        installedApps.filter = ""
        installedApps.uncheckAll()
        installedApps.reload()
        apps.currentIndex = 0
        anchorRow = 0
        open()
    }

    function chooseChecked() {
        if (installedApps.checkedCount > 0)
            chosen(installedApps.checkedUrls())
        else if (apps.currentIndex >= 0 && apps.currentIndex < apps.count)
            chosen([installedApps.entryUrlAt(apps.currentIndex)])
        else
            return
        // The chosen apps' scans come first.
        installedApps.stopMeasuring()
        close()
    }

    function clickRow(index, modifiers) {
        apps.currentIndex = index
        apps.forceActiveFocus()
        if (modifiers & Qt.ShiftModifier) {
            installedApps.checkOnly(anchorRow, index)
            return
        }
        if (modifiers & Qt.ControlModifier)
            toggleRow(index)
        else
            installedApps.checkOnly(index, index)
        anchorRow = index
    }

    function toggleRow(index) {
        installedApps.toggleChecked(index)
        anchorRow = index
    }

    function browse() {
        close()
        browseRequested()
    }

    title: qsTr("Choose App")
    modal: true
    focus: true
    anchors.centerIn: parent
    width: Math.min(parent ? parent.width - 48 : 520, 560)
    height: Math.min(parent ? parent.height - 48 : 380, 440)
    padding: 14
    closePolicy: Popup.CloseOnEscape
    onOpened: filterField.forceActiveFocus()

    background: Rectangle {
        radius: 12
        color: Appearance.popupBackground
        border.width: 0.8
        border.color: Appearance.faded(Appearance.primary, Appearance.pick(0.18, 0.10))
    }
    header: null
    footer: null

    ColumnLayout {
        anchors.fill: parent
        spacing: 10

        LabelText {
            Layout.fillWidth: true
            text: chooser.title
            font.pixelSize: 13
            font.bold: true
            color: Appearance.primary
        }

        TextField {
            id: filterField
            objectName: "chooserFilter"
            Layout.fillWidth: true
            placeholderText: qsTr("Filter by name or id")
            Accessible.name: placeholderText
            placeholderTextColor: Appearance.secondary
            color: Appearance.primary
            font.pixelSize: 12
            background: Rectangle {
                implicitHeight: 30
                radius: 6
                color: Appearance.isDark ? Qt.rgba(1, 1, 1, 0.06) : Qt.rgba(1, 1, 1, 1)
                border.width: filterField.activeFocus ? 2 : 0.8
                border.color: filterField.activeFocus
                              ? Appearance.accent
                              : Appearance.faded(Appearance.primary, Appearance.pick(0.2, 0.16))
            }
            onTextChanged: {
                if (chooser.installedApps)
                    chooser.installedApps.filter = text
                apps.currentIndex = 0
            }
            Keys.onDownPressed: apps.forceActiveFocus()
            Keys.onReturnPressed: chooser.chooseChecked()
            Keys.onEnterPressed: chooser.chooseChecked()
        }

        ListView {
            id: apps
            objectName: "chooserApps"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: chooser.installedApps
            activeFocusOnTab: true
            keyNavigationEnabled: true
            highlightMoveDuration: 0
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Installed applications")

            Keys.onReturnPressed: chooser.chooseChecked()
            Keys.onEnterPressed: chooser.chooseChecked()
            Keys.onSpacePressed: {
                if (currentIndex >= 0)
                    chooser.toggleRow(currentIndex)
            }

            delegate: Rectangle {
                id: appRow
                required property int index
                required property string name
                required property string shownId
                required property string kindName
                required property url entryUrl
                required property string dataSizeText
                required property bool checked
                readonly property bool current: ListView.isCurrentItem
                objectName: "chooserAppRow"
                width: ListView.view.width
                height: 38
                radius: 6
                color: !current ? "transparent"
                       : apps.activeFocus || filterField.activeFocus ? Appearance.selectionTint
                       : Appearance.faded(Appearance.accent, 0.14)
                // A check box named by its row, its checked state telling whether it is chosen.
                Accessible.role: Accessible.CheckBox
                Accessible.name: qsTr("%1, %2, %3").arg(name).arg(kindName).arg(shownId)
                                 + (dataSizeText === "" ? "" : ", " + dataSizeText)
                Accessible.checkable: true
                Accessible.checked: checked
                Accessible.selected: current
                Accessible.onToggleAction: chooser.toggleRow(index)
                Accessible.onPressAction: chooser.toggleRow(index)

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 8
                    anchors.rightMargin: 8
                    spacing: 8
                    SelectionCheckbox {
                        objectName: "chooserAppCheckbox"
                        Accessible.ignored: true
                        selectionState: appRow.checked ? "on" : "off"
                        onClicked: chooser.toggleRow(appRow.index)
                    }
                    Item {
                        implicitWidth: 22
                        implicitHeight: 22
                        Image {
                            id: appIcon
                            anchors.fill: parent
                            sourceSize.width: 44
                            sourceSize.height: 44
                            asynchronous: true
                            source: "image://appicon/"
                                    + encodeURIComponent(chooser.localPath(appRow.entryUrl))
                        }
                        SymbolImage {
                            anchors.centerIn: parent
                            visible: appIcon.status !== Image.Ready || appIcon.implicitWidth <= 0
                            name: "app"
                            pointSize: 15
                            color: Appearance.accent
                        }
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 0
                        ElidedText {
                            Layout.fillWidth: true
                            text: appRow.name
                            font.pixelSize: 12
                            font.weight: Font.DemiBold
                            color: Appearance.primary
                        }
                        ElidedText {
                            Layout.fillWidth: true
                            text: qsTr("%1 · %2").arg(appRow.kindName).arg(appRow.shownId)
                            elide: Text.ElideMiddle
                            font.pixelSize: 11
                            color: Appearance.secondary
                        }
                    }
                    Text {
                        objectName: "chooserAppSize"
                        text: appRow.dataSizeText
                        font.pixelSize: 11
                        color: Appearance.secondary
                    }
                }
                MouseArea {
                    anchors.fill: parent
                    // The box takes its own clicks.
                    anchors.leftMargin: 30
                    onClicked: (mouse) => chooser.clickRow(appRow.index, mouse.modifiers)
                    onDoubleClicked: chooser.chooseChecked()
                }
            }
        }

        LabelText {
            objectName: "chooserAppsEmpty"
            Layout.fillWidth: true
            visible: chooser.installedApps !== null && chooser.installedApps.count === 0
            text: chooser.installedApps && chooser.installedApps.loading
                  ? qsTr("Reading the installed applications…")
                  : qsTr("No application matches.")
            font.pixelSize: 11
            color: Appearance.secondary
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            GlassActionButton {
                objectName: "chooserBrowseButton"
                text: qsTr("Browse\u2026")
                role: "secondary"
                Accessible.description: qsTr("Choose an app bundle, a desktop entry or an AppImage in the file dialog")
                onClicked: chooser.browse()
            }
            Item { Layout.fillWidth: true }
            GlassActionButton {
                objectName: "chooserCancelButton"
                text: qsTr("Cancel")
                role: "secondary"
                frameWidth: 84
                onClicked: chooser.close()
            }
            GlassActionButton {
                objectName: "chooserSelectButton"
                readonly property int checkedCount: chooser.installedApps
                                                    ? chooser.installedApps.checkedCount : 0
                text: checkedCount > 1 ? qsTr("Select %n Apps", "", checkedCount) : qsTr("Select")
                role: "primary"
                frameWidth: 84
                enabled: checkedCount > 0 || (apps.currentIndex >= 0 && apps.count > 0)
                onClicked: chooser.chooseChecked()
            }
        }
    }
}
