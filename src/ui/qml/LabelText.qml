import QtQuick

// A line or paragraph of text that assistive technology reads as it is shown: a paragraph,
// which (unlike static text) takes no keyboard focus.
Text {
    Accessible.role: Accessible.Paragraph
    Accessible.name: text
}
