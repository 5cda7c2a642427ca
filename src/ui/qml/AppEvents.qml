pragma Singleton
import QtQuick

// Process-wide notifications between windows.
QtObject {
    // Asks the main window to open (or raise) the settings window.
    signal openSettings()
}
