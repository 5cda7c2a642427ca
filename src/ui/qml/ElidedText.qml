import QtQuick
import QtQuick.Controls

// One line of text cut off at its end (or where elide says); when it is cut, or says less than
// fullText, hovering shows the whole, which assistive technology hears as the description.
Text {
    id: label

    // The whole of what the line shortens ("~" for the home folder, say); empty when text is it.
    property string fullText

    elide: Text.ElideRight
    maximumLineCount: 1
    Accessible.role: Accessible.Paragraph
    Accessible.name: text
    Accessible.description: fullText

    HoverHandler { id: hover }
    ToolTip.visible: (label.truncated || label.fullText !== "") && hover.hovered
    ToolTip.text: label.fullText !== "" ? label.fullText : label.text
    ToolTip.delay: 500
}
