import QtQuick
import QtQuick.Controls
import QtTest
import Tidewell

TestCase {
    id: testCase
    visible: true
    name: "FileRow"
    when: windowShown
    width: 588
    height: 100

    // A list entry that counts writes to its selection and records what it is asked to reveal.
    Component {
        id: entry
        QtObject {
            property string path: "/home/u/Library/Preferences/Tool.plist"
            property string fileName: "Tool.plist"
            property string parentPath: "/home/u/Library/Preferences"
            property string categoryName: "Preferences"
            property double sizeInBytes: 0
            property bool sizeComplete: true
            property string safety: "Safe"
            property string safetyName: "Safe"
            property string evidence: "Named by the app's identifier."
            property bool isSelected: true
            property int writes: 0
            onIsSelectedChanged: ++writes
            property var revealed: []
            function reveal(path) { revealed = revealed.concat([path]) }
        }
    }
    Component { id: fileRow; FileRowView { width: 588 } }

    function makeRow() {
        const file = createTemporaryObject(entry, testCase)
        return createTemporaryObject(fileRow, testCase, { file: file, revealer: file })
    }

    function test_clickTogglesOnce_data() {
        return [ { tag: "on the name", x: 300 }, { tag: "in a gap", x: 14 + 24 + 5 },
                 { tag: "on the size", x: 560 }, { tag: "on the checkbox", checkbox: true } ]
    }
    function test_clickTogglesOnce(data) {
        const row = makeRow()
        if (data.checkbox)
            mouseClick(findChild(row, "rowCheckbox"))
        else
            mouseClick(row, data.x, row.height / 2)
        compare(row.file.isSelected, false)
        compare(row.file.writes, 1)
        mouseClick(row, 300, row.height / 2)
        compare(row.file.isSelected, true)
    }

    function test_contextMenuRevealsWithoutToggling() {
        const row = makeRow()
        mouseClick(row, 300, row.height / 2, Qt.RightButton)
        const menu = findChild(row, "rowContextMenu")
        tryCompare(menu, "opened", true)
        menu.itemAt(0).triggered()
        compare(row.file.revealed, ["/home/u/Library/Preferences/Tool.plist"])
        compare(row.file.writes, 0)
    }

    function test_sizeSaysWhenItIsNotWhole_data() {
        return [ { tag: "whole", size: 4000, complete: true, text: "4 kB", note: "" },
                 { tag: "a part", size: 4000, complete: false, text: "at least 4 kB",
                   note: "Some folders inside could not be read; the size counts only what could." },
                 { tag: "nothing read", size: 0, complete: false, text: "size unknown",
                   note: "This item could not be read, so its size is unknown." } ]
    }
    function test_sizeSaysWhenItIsNotWhole(data) {
        const row = makeRow()
        row.file.sizeInBytes = data.size
        row.file.sizeComplete = data.complete
        const size = findChild(row, "rowSize")
        compare(size.text, data.text)
        compare(row.Accessible.name, "Tool.plist, " + data.text + ", Preferences, Safe")
        compare(row.Accessible.description,
                "Named by the app's identifier. " + row.file.path
                + (data.note === "" ? "" : " " + data.note))
        mouseMove(size, size.width - 4, size.height / 2)
        tryCompare(size.ToolTip, "visible", data.note !== "")
        if (data.note !== "")
            compare(size.ToolTip.text, data.note)
        mouseMove(row, 20, row.height / 2)
    }

    // The safety level shows as a symbol and a word, and the reason as the second line.
    function test_rowShowsSafetyAndReason_data() {
        return [ { tag: "safe", safety: "Safe", symbol: "checkmark.circle.fill" },
                 { tag: "optional", safety: "Optional", symbol: "info.circle" },
                 { tag: "risky", safety: "Risky", symbol: "exclamationmark.triangle.fill" } ]
    }
    function test_rowShowsSafetyAndReason(data) {
        const row = makeRow()
        row.file.safety = data.safety
        row.file.safetyName = data.safety
        row.file.evidence = "Lies among your own files: check that it is not your work."
        const safety = findChild(row, "rowSafety")
        compare(safety.children[0].name, data.symbol)
        compare(findChild(row, "rowSafetyName").text, data.safety)
        compare(findChild(row, "rowEvidence").text, row.file.evidence)
        verify(row.Accessible.name.endsWith(", " + data.safety))
        verify(row.Accessible.description.startsWith(row.file.evidence))
    }
}
