#pragma once

#include "TestDir.h"

#include <QString>

// A private home folder and Trash for the whole test process: the shared file system and the
// programs the tests start ($HOME, $XDG_DATA_HOME) trash below folders of its own, so items
// created below homePath() go to trashFilesPath(), never to the real user's Trash.
class TrashSandbox {
public:
    // The process's sandbox, made on first use. Call it before anything touches the Trash.
    static const TrashSandbox& instance();

    // False when its folders could not be made: a test that trashes must stop.
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
