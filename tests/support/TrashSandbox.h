#pragma once

#include "TestDir.h"

#include <QString>

// A private home folder and Trash for the whole test process. GLib reads the home folder and
// $XDG_DATA_HOME once per process, so the sandbox points HOME and XDG_DATA_HOME at folders of
// its own and fixes them in GLib before anything is trashed. Items created below homePath()
// then go to trashFilesPath(), never to the real user's Trash.
class TrashSandbox {
public:
    // The process's sandbox, made on first use. Call it before anything touches the Trash.
    static const TrashSandbox& instance();

    // False when GLib had already fixed other folders before the sandbox was made: trashing
    // would then reach the real Trash, so a test must stop.
    bool isActive() const { return m_active; }
    QString homePath() const;
    QString dataPath() const;       // $XDG_DATA_HOME
    QString trashFilesPath() const; // $XDG_DATA_HOME/Trash/files
    QString trashInfoPath() const;  // $XDG_DATA_HOME/Trash/info

private:
    TrashSandbox();

    TestDir m_root;
    bool m_active = false;
};
