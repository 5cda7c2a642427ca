pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tidewell

// Five equal cards, one per category: its symbol, the number of items and their total size.
RowLayout {
    id: dashboard

    // One entry per category, in drawing order: {category, totalBytes, itemCount, sizeComplete}.
    property var breakdown: []

    // The symbol and colour of each category of a bundle's leftovers and each group of a Linux
    // application's.
    readonly property var looks: ({
        "Application Support": { symbol: "folder.fill", accent: Appearance.blue },
        "Preferences": { symbol: "slider.horizontal.3", accent: Appearance.purple },
        "Caches": { symbol: "bolt.square.fill", accent: Appearance.orange },
        "Logs": { symbol: "doc.text.fill", accent: Appearance.green },
        "Other": { symbol: "square.grid.2x2.fill", accent: Appearance.gray },
        "appData": { symbol: "folder.fill", accent: Appearance.blue },
        "settings": { symbol: "slider.horizontal.3", accent: Appearance.purple },
        "cache": { symbol: "bolt.square.fill", accent: Appearance.orange },
        "logsAndState": { symbol: "doc.text.fill", accent: Appearance.green },
        "launchersAndIcons": { symbol: "app", accent: Appearance.blue },
        "autostart": { symbol: "power", accent: Appearance.purple },
        "appItself": { symbol: "square.grid.2x2.fill", accent: Appearance.gray }
    })

    spacing: 8
    // The cards are as tall as the tallest one; the row itself stays as tall as that.
    Layout.fillHeight: false

    Repeater {
        model: dashboard.breakdown

        Item {
            id: card
            required property var modelData
            readonly property var look: dashboard.looks[modelData.category] || dashboard.looks["Other"]

            Accessible.role: Accessible.StaticText
            Accessible.name: qsTr("%1: %2, %3").arg(modelData.categoryName)
                .arg(qsTr("%n item(s)", "", modelData.itemCount))
                .arg(ByteFormatter.sizeText(modelData.totalBytes, modelData.sizeComplete))

            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredWidth: 1
            implicitHeight: cardContent.implicitHeight + 16

            GlassPanel {
                anchors.fill: parent
                radius: 10
                tint: Appearance.faded(Appearance.windowBackground, Appearance.pick(0.12, 0.16))
                borderColor: Appearance.faded(Appearance.primary, Appearance.pick(0.14, 0.08))
            }

            ColumnLayout {
                id: cardContent
                anchors.fill: parent
                anchors.margins: 8
                spacing: 5

                RowLayout {
                    Layout.fillWidth: true
                    SymbolImage {
                        name: card.look.symbol
                        pointSize: 15
                        color: card.look.accent
                    }
                    Item { Layout.fillWidth: true }
                    Rectangle {
                        objectName: "countBadge"
                        implicitWidth: countText.implicitWidth + 12
                        implicitHeight: countText.implicitHeight + 3
                        radius: height / 2
                        color: Appearance.faded(Appearance.primary, Appearance.pick(0.08, 0.05))
                        Text {
                            id: countText
                            anchors.centerIn: parent
                            text: qsTr("%1").arg(card.modelData.itemCount)
                            font.pixelSize: 10
                            font.bold: true
                            color: Appearance.secondary
                        }
                    }
                }
                // Long names (German ones) take a second line rather than being cut.
                LabelText {
                    objectName: "categoryTitle"
                    Layout.fillWidth: true
                    Layout.topMargin: 2
                    text: card.modelData.categoryName
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    font.pixelSize: 10
                    font.weight: Font.DemiBold
                    color: Appearance.secondary
                }
                Text {
                    Layout.fillWidth: true
                    objectName: "categorySize"
                    text: ByteFormatter.sizeText(card.modelData.totalBytes,
                                                 card.modelData.sizeComplete)
                    font.pixelSize: 13
                    // "at least" makes the text longer: it shrinks before it is cut off.
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 10
                    font.bold: true
                    color: Appearance.primary
                    elide: Text.ElideRight
                    maximumLineCount: 1
                }
            }
        }
    }
}
