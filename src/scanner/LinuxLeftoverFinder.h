#pragma once

#include "CancellationToken.h"
#include "FoundItem.h"
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
    QList<FoundItem> items; // each path once
    // Folders that refused to be listed (permission denied): they may hold more leftovers.
    QStringList unreadable;
};

// Finds a Linux application's leftovers in the user's folders, each by a name that is exactly
// one of the application's keys, with the evidence it is found by; precision first, as a wrong
// match deletes someone's work:
// - entries directly in the XDG config, data, cache and state folders ("<key>rc" and
//   "<key>staterc" files too in config and state); one level below a folder of them that no
//   installed app claims, entries named exactly by a key, a settings extension aside (a Qt
//   organisation's "MuseScore/MuseScore3.ini", "kxmlgui5/kate"); below a folder named for the
//   vendor, its name joined with the entry's ("xfce4/terminal"), or a versioned folder by the
//   edition's own name ("JetBrains/PyCharmCE2024.3"), only offered when a key merely starts it;
// - the app's own xfconf channel file;
// - dot entries directly in the home folder (".octave_hist" by its first piece, only offered);
//   the home's other folders named exactly by a key are offered as lying among the user's work,
//   its standard folders never;
// - ~/.var/app/<id>, ~/snap/<name> and the Flatpak override file by the exact package id;
// - desktop entries in the user's applications and autostart folders, systemd user units and
//   D-Bus services that launch the app (certain when they run its own program, by its id or
//   its exact path; offered when they run a program of its name);
// - icons in the user's icon themes named exactly as the app's Icon=, unless another installed
//   app uses the same icon name, and the AppImage integration's icons of the app's launchers;
// - the program the app runs where the user installs programs (~/Applications, ~/.local/bin):
//   an AppImage, a program folder named for the app, and the links there that lead to it.
// The XDG base folders themselves are never reported. Whatever ours matches, another installed
// app that names it more strongly (a whole name over a prefix, then an id over a program)
// keeps it, and one that names it as strongly leaves it only offered: sibling front ends of
// one program share their folder.
class LinuxLeftoverFinder {
public:
    // host: the user's home and XDG folders, where the leftovers lie; every folder is read
    // through fileSystem. claimedKeys: names in compact form that others claim outright, whatever
    // the fit and tier of ours (an app that is gone yields every name an installed app, package
    // or program goes by): a name they match is never the app's.
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
        QSet<QString> foundPaths; // each found path once, looked up in constant time

        void add(const QString& path, const ItemEvidence& evidence);
    };

    QList<DirectoryEntry> entriesOf(const QString& folder, Search& search) const;
    bool isFile(const DirectoryEntry& entry) const;
    void addXdgEntries(const QString& base, bool allowRc, Search& search) const;
    void addEntriesInside(const DirectoryEntry& folder, Search& search) const;
    void addSettingsChannels(Search& search) const;
    void addHomeEntries(Search& search) const;
    void addPackageFolders(Search& search) const;
    void addDesktopEntries(const QString& folder, Search& search, QStringList& icons) const;
    void addLaunchers(const QString& folder, const QString& group, const QString& key,
                      Search& search) const;
    void addIcons(const QStringList& launcherIcons, Search& search) const;
    void addUserPrograms(Search& search) const;
    QStringList userProgramFolders() const;
    QString launchedProgramFile() const;
    QString userInstallHolding(const QString& canonicalProgram) const;
    QString resolvedProgram(const QString& program) const;
    std::optional<ItemEvidence> launchEvidence(const QStringList& commandLine) const;
    bool runsThisAppImage(const DesktopEntry& entry) const;
    std::optional<ItemEvidence> keyEvidence(const std::optional<KeyMatch>& ours,
                                            const std::optional<KeyMatch>& theirs) const;
    std::optional<ItemEvidence> nameEvidence(const QString& name, bool isFile, bool allowRc,
                                             bool allowPrefix) const;
    bool isClaimedByAnotherApp(const QString& folderName) const;
    bool isBaseFolder(const QString& path) const;

    AppDescriptor m_app;
    LinuxAppKeys m_keys;
    LinuxAppKeys m_rivalKeys;
    QSet<QString> m_claimedKeys;
    bool m_iconIsShared = false;
    Host m_host;
    const FileSystem& m_fileSystem;
};

} // namespace tidewell
