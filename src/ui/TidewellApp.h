#pragma once

#include "platform/ProgramRunner.h"
#include "removal/PermissionManager.h"

#include <memory>

class QQmlEngine;

namespace tidewell {

// The application: preference defaults, the main window with its view model, and the host
// actions the window needs.
class TidewellApp {
public:
    static int run(int argc, char** argv);

    // Sets the application's names and the look the windows are drawn with; call once the
    // application object exists and before any window is made.
    static void prepareApplication();
    // Makes the module's resources and icon providers available to an engine; the icons of
    // AppImages are read through programs.
    static void prepareEngine(QQmlEngine& engine, std::shared_ptr<const ProgramRunner> programs);
    // What "Open Settings" does on this host: open the privacy settings link on macOS; show
    // the first folder that could not be read in the file manager elsewhere.
    static PermissionManager::SettingsOpener settingsOpener();
};

} // namespace tidewell
