import QtQuick

// Stands in for the Full Disk Access state; checkStatus() reports accessAfterCheck.
QtObject {
    property bool hasFullDiskAccess: false
    property var permissionDeniedPaths: []
    property bool showPermissionPromptAlert: false
    readonly property bool hasPermissionWarning: !hasFullDiskAccess
                                                 && permissionDeniedPaths.length > 0
    property bool shouldRecheckPermissionAfterSettings: false

    property bool accessAfterCheck: false
    property int checks: 0
    function checkStatus() { ++checks; hasFullDiskAccess = accessAfterCheck }
}
