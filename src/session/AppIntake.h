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

// read() for the window, which first says when the item is not there at all.
AppDescriptor::Result readDropped(const QUrl& url, const ProgramRunner& programs);

// Why the item at url was refused, for the window: what it is called, and what would do.
QString errorText(AppDescriptorError error, const QUrl& url);

} // namespace tidewell::AppIntake
