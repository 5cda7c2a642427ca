#pragma once

#include "CancellationToken.h"
#include "LinuxAppKeys.h"
#include "model/AppDescriptor.h"
#include "platform/DesktopEntry.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"
#include "platform/ProgramRunner.h"

#include <QList>
#include <QSet>
#include <QStringList>

namespace tidewell {

struct LinuxLeftovers {
    QStringList paths;
    // Folders that refused to be listed (permission denied): they may hold more leftovers.
    QStringList unreadable;
};

// Finds a Linux application's leftovers in the user's folders, each by a name that is exactly
// one of the application's keys; precision first, as a wrong match deletes someone's work:
// - entries directly in the XDG config, data, cache and state folders ("<key>rc" and
//   "<key>staterc" files too in config and state), or one level below a folder named for the
//   vendor ("xfce4/terminal", "JetBrains/IdeaIC2024.3") or a framework's folder that holds one
//   entry per app ("kxmlgui5/kate");
// - dot entries directly in the home folder (".octave_hist" by its first piece); the home's
//   other entries are the user's own work and never reported;
// - ~/.var/app/<id>, ~/snap/<name> and the Flatpak override file by the exact package id;
// - desktop entries in the user's applications and autostart folders, systemd user units and
//   D-Bus services that launch the app;
// - icons in the user's icon themes named exactly as the app's Icon=, unless another installed
//   app uses the same icon name, and the AppImage integration's icons of the app's launchers;
// - the program the app runs where the user installs programs (~/Applications, ~/.local/bin):
//   an AppImage, a program folder named for the app, and the links there that lead to it.
// The XDG base folders themselves are never reported. A name that ours matches only by a
// program, window class or icon is left to another installed app whose ids claim it.
class LinuxLeftoverFinder {
public:
    // host: the user's home and XDG folders, where the leftovers lie; every folder is read
    // through fileSystem. claimedKeys: names in compact form that others claim whatever the
    // tier of our key (an app that is gone yields every name an installed one goes by).
    LinuxLeftoverFinder(const AppDescriptor& app, const QList<AppDescriptor>& installed, Host host,
                        const FileSystem& fileSystem, QSet<QString> claimedKeys = {});

    // cancel is asked before each folder is listed; once it answers yes, nothing more is read.
    LinuxLeftovers find(const CancellationToken& cancel = {}) const;
    // Settings files that name the application in lines among others' (mimeapps.list, where
    // it may be the default for some types): edited, never deleted, so only listed.
    QStringList settingsNamingApp() const;
    // The folders of the dconf database named by the app's reverse-DNS ids, listed likewise;
    // the dconf tool is asked through programs.
    QStringList dconfFoldersOfApp(const ProgramRunner& programs) const;

private:
    // What one find() gathers as it goes.
    struct Search {
        const CancellationToken& cancel;
        LinuxLeftovers found;
    };

    QList<DirectoryEntry> entriesOf(const QString& folder, Search& search) const;
    bool isFile(const DirectoryEntry& entry) const;
    void addXdgEntries(const QString& base, bool allowRc, Search& search) const;
    void addVendorEntries(const DirectoryEntry& folder, Search& search) const;
    void addHomeDotEntries(Search& search) const;
    void addPackageFolders(Search& search) const;
    void addDesktopEntries(const QString& folder, Search& search, QStringList& icons) const;
    void addLaunchers(const QString& folder, const QString& group, const QString& key,
                      Search& search) const;
    void addIcons(const QStringList& launcherIcons, Search& search) const;
    void addUserPrograms(Search& search) const;
    QStringList userProgramFolders() const;
    QString launchedProgramFile() const;
    QString userInstallHolding(const QString& canonicalProgram) const;
    bool launchesApp(const QStringList& commandLine) const;
    bool runsThisAppImage(const DesktopEntry& entry) const;
    bool keeps(const std::optional<KeyMatch>& match) const;
    bool isBaseFolder(const QString& path) const;

    AppDescriptor m_app;
    LinuxAppKeys m_keys;
    QSet<QString> m_rivalIdentityKeys;
    QSet<QString> m_claimedKeys;
    bool m_iconIsShared = false;
    Host m_host;
    const FileSystem& m_fileSystem;
};

} // namespace tidewell
