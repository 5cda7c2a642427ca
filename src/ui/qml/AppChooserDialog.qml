pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Qt.labs.folderlistmodel
import Tidewell

// Chooses an application. Folders are listed as in a file manager, but a bundle (a folder
// named *.app), a desktop entry (*.desktop) or an AppImage is an item: Enter, a double-click or "Select"
// chooses it, a bundle is never entered. Every opening starts in the folder given to openIn().
// Given the installed applications (on Linux), it opens on their list instead, filtered as the
// user types; "Files" switches to the folders.
Dialog {
    id: chooser

    // The chosen bundle's or desktop entry's location.
    signal chosen(url bundleURL)

    // The installed applications (rows with name, appId, kind, entryUrl, dataSizeText), or
    // null where applications are only files.
    property var installedApps: null
    // "installed" or "files": the list on show.
    property string mode: installedApps ? "installed" : "files"
    // The folder on show; the model follows it.
    property url folder
    readonly property bool currentIsBundle: mode === "installed"
        ? apps.currentIndex >= 0 && apps.count > 0
        : list.currentIndex >= 0 && isBundle(folders.get(list.currentIndex, "fileName"))

    function localPath(folderURL) {
        const text = String(folderURL)
        return decodeURIComponent(text.startsWith("file://") ? text.substring(7) : text)
    }

    function isBundle(name) {
        if (name === undefined)
            return false
        const lower = name.toLowerCase()
        return lower.endsWith(".app") || lower.endsWith(".appimage") || name.endsWith(".desktop")
    }

    function openIn(startFolder) {
        folder = startFolder
        list.currentIndex = 0
        if (installedApps) {
            mode = "installed"
            filterField.text = ""
            installedApps.reload()
            apps.currentIndex = 0
        }
        open()
    }

    function chooseInstalled(index) {
        if (index < 0 || index >= apps.count)
            return
        chosen(installedApps.entryUrlAt(index))
        close()
    }

    function focusCurrentList() {
        if (mode === "installed")
            filterField.forceActiveFocus()
        else
            list.forceActiveFocus()
    }

    // Enter or a double-click on a row: choose a bundle, enter any other folder.
    function activate(index) {
        if (index < 0 || index >= folders.count)
            return
        if (isBundle(folders.get(index, "fileName")))
            choose(index)
        else
            openFolder(folders.get(index, "fileUrl"))
    }

    function choose(index) {
        chosen(folders.get(index, "fileUrl"))
        close()
    }

    function openFolder(folderURL) {
        folder = folderURL
        list.currentIndex = 0
    }

    function goUp() {
        if (String(folders.parentFolder) !== "")
            openFolder(folders.parentFolder)
    }

    title: qsTr("Choose App")
    modal: true
    focus: true
    anchors.centerIn: parent
    width: Math.min(parent ? parent.width - 48 : 520, 560)
    height: Math.min(parent ? parent.height - 48 : 380, 440)
    padding: 14
    closePolicy: Popup.CloseOnEscape
    onOpened: focusCurrentList()
    onModeChanged: if (visible) focusCurrentList()

    background: Rectangle {
        radius: 12
        color: Appearance.isDark ? Qt.rgba(0.19, 0.19, 0.20, 1) : Qt.rgba(0.96, 0.96, 0.96, 1)
        border.width: 0.8
        border.color: Appearance.faded(Appearance.primary, Appearance.pick(0.18, 0.10))
    }
    header: null
    footer: null

    FolderListModel {
        id: folders
        folder: chooser.folder
        showFiles: true
        nameFilters: ["*.desktop", "*.AppImage", "*.appimage"]
        showDirsFirst: true
        showDotAndDotDot: false
        sortCaseSensitive: false
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 10

        Text {
            Layout.fillWidth: true
            text: chooser.title
            font.pixelSize: 13
            font.bold: true
            color: Appearance.primary
        }

        RowLayout {
            objectName: "chooserModes"
            Layout.fillWidth: true
            visible: chooser.installedApps !== null
            spacing: 8
            GlassActionButton {
                objectName: "chooserInstalledButton"
                text: qsTr("Installed Apps")
                role: chooser.mode === "installed" ? "primary" : "secondary"
                compact: true
                onClicked: chooser.mode = "installed"
            }
            GlassActionButton {
                objectName: "chooserFilesButton"
                text: qsTr("Files")
                role: chooser.mode === "files" ? "primary" : "secondary"
                compact: true
                onClicked: chooser.mode = "files"
            }
            Item { Layout.fillWidth: true }
        }

        TextField {
            id: filterField
            objectName: "chooserFilter"
            Layout.fillWidth: true
            visible: chooser.mode === "installed"
            placeholderText: qsTr("Filter by name or id")
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
            Keys.onReturnPressed: chooser.chooseInstalled(apps.currentIndex)
            Keys.onEnterPressed: chooser.chooseInstalled(apps.currentIndex)
        }

        ListView {
            id: apps
            objectName: "chooserApps"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: chooser.mode === "installed"
            clip: true
            model: chooser.installedApps
            activeFocusOnTab: true
            keyNavigationEnabled: true
            highlightMoveDuration: 0
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Installed applications")

            Keys.onReturnPressed: chooser.chooseInstalled(currentIndex)
            Keys.onEnterPressed: chooser.chooseInstalled(currentIndex)

            delegate: Rectangle {
                id: appRow
                required property int index
                required property string name
                required property string appId
                required property string kind
                required property url entryUrl
                required property string dataSizeText
                readonly property bool current: ListView.isCurrentItem
                objectName: "chooserAppRow"
                width: ListView.view.width
                height: 38
                radius: 6
                color: current ? Appearance.faded(Appearance.accent,
                                                  apps.activeFocus || filterField.activeFocus
                                                  ? 0.28 : 0.14)
                               : "transparent"
                Accessible.role: Accessible.ListItem
                Accessible.name: qsTr("%1, %2, %3").arg(name).arg(kind).arg(appId)
                Accessible.selected: current

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 8
                    anchors.rightMargin: 8
                    spacing: 8
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
                            text: appRow.kind + " · " + appRow.appId
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
                    onClicked: apps.currentIndex = appRow.index
                    onDoubleClicked: chooser.chooseInstalled(appRow.index)
                }
            }
        }

        Text {
            objectName: "chooserAppsEmpty"
            Layout.fillWidth: true
            visible: chooser.mode === "installed" && chooser.installedApps !== null
                     && chooser.installedApps.count === 0
            text: chooser.installedApps && chooser.installedApps.loading
                  ? qsTr("Reading the installed applications…")
                  : qsTr("No application matches.")
            font.pixelSize: 11
            color: Appearance.secondary
        }

        RowLayout {
            Layout.fillWidth: true
            visible: chooser.mode === "files"
            spacing: 8
            GlassActionButton {
                objectName: "chooserUpButton"
                text: qsTr("Up")
                role: "secondary"
                compact: true
                Accessible.name: qsTr("Enclosing folder")
                onClicked: chooser.goUp()
            }
            ElidedText {
                objectName: "chooserFolder"
                Layout.fillWidth: true
                text: chooser.localPath(chooser.folder)
                font.pixelSize: 12
                color: Appearance.secondary
                elide: Text.ElideMiddle
            }
        }

        ListView {
            id: list
            objectName: "chooserList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: chooser.mode === "files"
            clip: true
            model: folders
            focus: true
            activeFocusOnTab: true
            keyNavigationEnabled: true
            highlightMoveDuration: 0
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Folders")

            Keys.onReturnPressed: chooser.activate(currentIndex)
            Keys.onEnterPressed: chooser.activate(currentIndex)
            Keys.onPressed: (event) => {
                if (event.key === Qt.Key_Backspace
                        || (event.key === Qt.Key_Up && (event.modifiers & Qt.AltModifier))) {
                    chooser.goUp()
                    event.accepted = true
                }
            }

            delegate: Rectangle {
                id: entry
                required property int index
                required property string fileName
                readonly property bool bundle: chooser.isBundle(fileName)
                readonly property bool current: ListView.isCurrentItem
                objectName: "chooserRow"
                width: ListView.view.width
                height: 30
                radius: 6
                color: current ? Appearance.faded(Appearance.accent, list.activeFocus ? 0.28 : 0.14)
                               : "transparent"
                Accessible.role: Accessible.ListItem
                Accessible.name: bundle ? qsTr("%1, application").arg(fileName)
                                        : qsTr("%1, folder").arg(fileName)
                Accessible.selected: current

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 8
                    anchors.rightMargin: 8
                    spacing: 8
                    SymbolImage {
                        name: entry.bundle ? "app" : "folder"
                        pointSize: 15
                        color: entry.bundle ? Appearance.accent : Appearance.secondary
                    }
                    ElidedText {
                        Layout.fillWidth: true
                        text: entry.fileName
                        font.pixelSize: 12
                        font.weight: entry.bundle ? Font.DemiBold : Font.Normal
                        color: Appearance.primary
                    }
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        list.currentIndex = entry.index
                        list.forceActiveFocus()
                    }
                    onDoubleClicked: chooser.activate(entry.index)
                }
            }
        }

        Text {
            objectName: "chooserEmpty"
            Layout.fillWidth: true
            visible: chooser.mode === "files" && folders.status === FolderListModel.Ready
                     && folders.count === 0
            text: qsTr("No folders here")
            font.pixelSize: 11
            color: Appearance.secondary
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
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
                text: qsTr("Select")
                role: "primary"
                frameWidth: 84
                enabled: chooser.currentIsBundle
                onClicked: chooser.mode === "installed" ? chooser.chooseInstalled(apps.currentIndex)
                                                        : chooser.choose(list.currentIndex)
            }
        }
    }
}
