import QtQuick
import QtQuick.Shapes

// A rectangle whose top corners are rounded and whose bottom corners are square. The radius
// is held to half the shorter side.
Shape {
    id: shape

    property real cornerRadius: 0
    property color fillColor: "transparent"
    readonly property real effectiveRadius: Math.max(0, Math.min(cornerRadius,
                                                                 Math.min(width, height) / 2))

    ShapePath {
        strokeWidth: -1
        fillColor: shape.fillColor
        startX: 0
        startY: shape.height
        PathLine { x: 0; y: shape.effectiveRadius }
        PathQuad { x: shape.effectiveRadius; y: 0; controlX: 0; controlY: 0 }
        PathLine { x: shape.width - shape.effectiveRadius; y: 0 }
        PathQuad { x: shape.width; y: shape.effectiveRadius; controlX: shape.width; controlY: 0 }
        PathLine { x: shape.width; y: shape.height }
        PathLine { x: 0; y: shape.height }
    }
}
