import QtQuick
import QtTest
import Tidewell

TestCase {
    id: testCase
    name: "TopRoundedRectangle"

    Component { id: shape; TopRoundedRectangle {} }

    function test_radiusIsClamped_data() {
        return [
            { tag: "fits", radius: 13, width: 200, height: 40, used: 13 },
            { tag: "taller than half the height", radius: 30, width: 200, height: 40, used: 20 },
            { tag: "wider than half the width", radius: 30, width: 16, height: 40, used: 8 },
            { tag: "negative", radius: -4, width: 200, height: 40, used: 0 },
        ]
    }
    function test_radiusIsClamped(data) {
        const item = createTemporaryObject(shape, testCase, {
            cornerRadius: data.radius, width: data.width, height: data.height })
        compare(item.effectiveRadius, data.used)
    }
}
