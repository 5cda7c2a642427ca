import QtQuick
import Tidewell

// A named symbol drawn from the symbol font at a point size.
Text {
    property string name
    property real pointSize: 13

    text: Symbols.glyph(name)
    font.family: Symbols.fontFamily
    font.pixelSize: pointSize
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
}
