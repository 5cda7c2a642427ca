import QtQuick
import Tidewell

// The file-type icon of a path, one theme lookup per kind of item for the whole run.
Image {
    property string path

    readonly property string iconKey: IconKeys.keyForPath(path)

    source: "image://fileicon/" + iconKey
    sourceSize.width: 18
    sourceSize.height: 18
    fillMode: Image.Stretch
    smooth: true
    mipmap: true
}
