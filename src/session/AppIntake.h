#pragma once

#include "model/AppDescriptor.h"
#include "platform/DesktopEntry.h"
#include "platform/ProgramRunner.h"

#include <QUrl>

namespace tidewell::AppIntake {

// The application a dropped or chosen item names: an app bundle, a Linux application's desktop
// entry (a .desktop file) or an AppImage (by the entry it carries, read with unsquashfs through
// programs, never run). Reads the disk: call it off the main thread.
AppDescriptor::Result read(const QUrl& url, const ProgramRunner& programs);

} // namespace tidewell::AppIntake
