import QtQuick
import Tidewell

// The icon of an item by its real kind: a folder icon for folders whatever their name, else
// the file type of the extension. Nothing is drawn until the file system has answered.
Image {

    property string path

    // Read again whenever the file system has answered about any item.
    readonly property var isFolder: FileKinds.answers >= 0 ? FileKinds.isFolder(path) : undefined

    source: isFolder === undefined ? "" : "image://fileicon/" + IconKeys.keyFor(path, isFolder)
    sourceSize.width: 18
    sourceSize.height: 18
    fillMode: Image.Stretch
    smooth: true
    mipmap: true
}
