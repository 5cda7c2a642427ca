import QtQuick
import QtQuick.Controls

// One line of text cut off at its end; when it is cut, hovering shows the whole text.
Text {
    id: label

    elide: Text.ElideRight
    maximumLineCount: 1
    Accessible.name: text

    HoverHandler { id: hover }
    ToolTip.visible: label.truncated && hover.hovered
    ToolTip.text: label.text
    ToolTip.delay: 500
}
