pragma Singleton
import QtQuick

// The symbol font and the one table from each symbol name the views use to its glyph.
QtObject {
    id: symbols

    readonly property FontLoader loader: FontLoader {
        source: "qrc:/tidewell/fonts/MaterialIcons-Regular.ttf"
    }
    readonly property string fontFamily: loader.name

    readonly property var codepoints: ({
        "arrow.down.app": 0xe884,
        "checkmark": 0xe5ca,
        "checkmark.circle.fill": 0xe86c,
        "minus": 0xe15b,
        "folder.fill": 0xe2c7,
        "slider.horizontal.3": 0xe429,
        "bolt.square.fill": 0xea0b,
        "doc.text.fill": 0xe873,
        "square.grid.2x2.fill": 0xe9b0,
        "lock.shield.fill": 0xe32a,
        "gearshape": 0xe8b8,
        "info.circle": 0xe88f,
        "xmark": 0xe5cd,
        "minimize": 0xe931,
        "app": 0xe5c3,
        "power": 0xe8ac,
        "folder": 0xe2c7,
        "doc": 0xe24d,
        "exclamationmark.triangle.fill": 0xe002,
        "clock.arrow.circlepath": 0xe889
    })

    // The glyph of a named symbol; empty for a name the table does not hold.
    function glyph(name) {
        const codepoint = codepoints[name]
        return codepoint === undefined ? "" : String.fromCodePoint(codepoint)
    }
}
