import QtQuick
import QtTest
import Tidewell

TestCase {
    id: testCase
    name: "FileIcon"
    when: windowShown

    Component { id: iconComponent; FileIconView {} }

    function localPath(relative) {
        return decodeURIComponent(String(Qt.resolvedUrl(relative)).replace("file://", ""))
    }

    // The icon waits for the file system: a folder gets the folder icon, a file its type's.
    function test_kindFromTheFileSystem_data() {
        return [
            { tag: "folder", path: localPath("."), folder: true, source: "image://fileicon/dir:" },
            { tag: "file", path: localPath("tst_FileIcon.qml"), folder: false,
              source: "image://fileicon/file:qml" },
        ]
    }
    function test_kindFromTheFileSystem(data) {
        const icon = createTemporaryObject(iconComponent, testCase, { path: data.path })
        tryVerify(() => icon.isFolder !== undefined)
        compare(icon.isFolder, data.folder)
        compare(String(icon.source), data.source)
        tryCompare(icon, "status", Image.Ready)
    }

    // Many rows at once, several for the same item: every one of them learns its kind.
    function test_everyIconLearnsItsKind() {
        const names = [".", "..", "../..", "tst_FileIcon.qml", "tst_FileRow.qml",
                       "tst_ContentView.qml", "ViewModelDouble.qml", "missing-item"]
        const icons = []
        for (let copy = 0; copy < 3; ++copy)
            for (const name of names)
                icons.push(createTemporaryObject(iconComponent, testCase, { path: localPath(name) }))
        tryVerify(() => icons.every(icon => icon.isFolder !== undefined))
        verify(icons.every(icon => icon.status === Image.Ready))
    }
}
