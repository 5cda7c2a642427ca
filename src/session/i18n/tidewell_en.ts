<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutSettingsView</name>
    <message>
        <source>Completely remove apps and leftover files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tidewell developers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppChooserDialog</name>
    <message>
        <source>Choose App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter by name or id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the installed applications…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No application matches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an app bundle, a desktop entry or an AppImage in the file dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Select %n Apps</source>
        <translation>
            <numerusform>Select %n App</numerusform>
            <numerusform>Select %n Apps</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppDescriptor</name>
    <message>
        <source>Drop a valid .app file to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This app bundle could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t read CFBundleIdentifier from the app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop entry could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This AppImage could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop entry is malformed: a key or group is given twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop entry is malformed: its X-Flatpak value is not a valid Flatpak app id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop entry is malformed: its X-SnapInstanceName value is not a valid snap name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This item does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppGroupHeading</name>
    <message>
        <source>No leftovers found</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n item</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppHeaderView</name>
    <message>
        <source>App Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed by a Debian package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed by the system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppIntake</name>
    <message>
        <source>“%1” does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not an app. Choose an app bundle, a desktop entry or an AppImage.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppKind</name>
    <message>
        <source>App bundle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppWindowChrome</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppsHeaderView</name>
    <message numerus="yes">
        <source>%n Apps</source>
        <translation>
            <numerusform>%n App</numerusform>
            <numerusform>%n Apps</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AptHistory</name>
    <message>
        <source>Could not read apt&apos;s history %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) of apt&apos;s history %1 have no readable date and were left out.</source>
        <translation>
            <numerusform>%n entry of apt&apos;s history %1 has no readable date and was left out.</numerusform>
            <numerusform>%n entries of apt&apos;s history %1 have no readable date and were left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryDashboardView</name>
    <message>
        <source>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1: unknown command &apos;%2&apos;
Run &apos;%1 --help&apos; for usage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 %2 %3
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: %3
Run &apos;%1 %2 --help&apos; for usage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bundle identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalized identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compact name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path component name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stripped compact name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base bundle identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bundle tail token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search tokens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the names, identifiers and search tokens read from an app bundle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .app bundle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected exactly one BUNDLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show what Tidewell reads from an app bundle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed (%1):
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not removed:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove without asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stdin is not a terminal; pass --yes to remove without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>item(s)</source>
        <translation>
            <numerusform>item</numerusform>
            <numerusform>items</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No leftovers found for %1.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leftovers of %1 (%2):
</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>
Could not read %n folder(s) (they may hold more leftovers):
</source>
        <translation>
            <numerusform>
Could not read 1 folder (they may hold more leftovers):
</numerusform>
            <numerusform>
Could not read %n folders (they may hold more leftovers):
</numerusform>
        </translation>
    </message>
    <message>
        <source>no folder at &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning… %1/%2 folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the system folders under DIR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not search the file index.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>
%n item(s) whose names are not valid UTF-8 were found and left alone (the unreadable bytes shown as �); remove them with a file manager if you wish:
</source>
        <translation>
            <numerusform>
%n item whose name is not valid UTF-8 was found and left alone (the unreadable bytes shown as �); remove it with a file manager if you wish:
</numerusform>
            <numerusform>
%n items whose names are not valid UTF-8 were found and left alone (the unreadable bytes shown as �); remove them with a file manager if you wish:
</numerusform>
        </translation>
    </message>
    <message>
        <source>No installed application has this id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the installed applications (their desktop entries).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected no arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the installed applications.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The app itself belongs to its package manager. To uninstall it, run: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>These %n item(s) will be moved to the Trash:
</source>
        <translation>
            <numerusform>This item will be moved to the Trash:
</numerusform>
            <numerusform>These %n items will be moved to the Trash:
</numerusform>
        </translation>
    </message>
    <message>
        <source>Move them to Trash? [y/N] </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The Trash refused these %n item(s):
</source>
        <translation>
            <numerusform>The Trash refused this item:
</numerusform>
            <numerusform>The Trash refused these %n items:
</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete them permanently? [y/N] </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Interrupted: %n item(s) were not removed.
</source>
        <translation>
            <numerusform>Interrupted: %n item was not removed.
</numerusform>
            <numerusform>Interrupted: %n items were not removed.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n item(s) to Trash.</source>
        <translation>
            <numerusform>Moved %n item to Trash.</numerusform>
            <numerusform>Moved %n items to Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n item(s) permanently (the Trash refused them).</source>
        <translation>
            <numerusform>Deleted %n item permanently (the Trash refused it).</numerusform>
            <numerusform>Deleted %n items permanently (the Trash refused them).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed.</source>
        <translation>
            <numerusform>%n item could not be removed.</numerusform>
            <numerusform>%n items could not be removed.</numerusform>
        </translation>
    </message>
    <message>
        <source>No leftovers of removed applications were found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then run the package manager&apos;s command that uninstalls the app (Flatpak and snap apps).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ran %1 (exit code %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>
%n settings file(s) name this app among other apps&apos; lines; they are not removed (edit them by hand if you wish):
</source>
        <translation>
            <numerusform>
%n settings file names this app among other apps&apos; lines; it is not removed (edit it by hand if you wish):
</numerusform>
            <numerusform>
%n settings files name this app among other apps&apos; lines; they are not removed (edit them by hand if you wish):
</numerusform>
        </translation>
    </message>
    <message>
        <source>The .app bundle; on Linux also a desktop entry or its id, a Flatpak id, a snap name or an AppImage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>
%n dconf folder(s) hold this app&apos;s settings; they are not removed (clear one with &quot;dconf reset -f FOLDER&quot; if you wish):
</source>
        <translation>
            <numerusform>
%n dconf folder holds this app&apos;s settings; it is not removed (clear it with &quot;dconf reset -f FOLDER&quot; if you wish):
</numerusform>
            <numerusform>
%n dconf folders hold this app&apos;s settings; they are not removed (clear one with &quot;dconf reset -f FOLDER&quot; if you wish):
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be sized whole: some folders inside them could not be read.
</source>
        <translation>
            <numerusform>%n item could not be sized whole: some folders inside it could not be read.
</numerusform>
            <numerusform>%n items could not be sized whole: some folders inside them could not be read.
</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; looks like an option, not an app (write ./%1 for a file of that name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link: the link goes with the leftovers, and the AppImage it leads to stays at %2 (remove it too if you wish).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is your own launcher of this app; it goes with the leftovers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give either --all-users or --user, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--all-users and --user work in other people&apos;s homes and need administrator rights; run as root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no user who logs in (an account with a login shell, a UID from UID_MIN up and a home in the system&apos;s home folder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work in the home of every user who logs in (administrators only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work in the home of the user NAME (administrators only; may be given more than once).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(reading %1 for the user %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2):</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>
Left alone outside the user&apos;s home (%n item(s)):
</source>
        <translation>
            <numerusform>
Left alone outside the user&apos;s home (%n item):
</numerusform>
            <numerusform>
Left alone outside the user&apos;s home (%n items):
</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves apps and their leftovers to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move apps and their leftovers to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the leftovers of apps in the library folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected at least one APP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the leftovers of apps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User %1 (%2):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No user account with a login shell and a home was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [options]

Removes an app (a bundle, a desktop entry, a Flatpak, a snap or an AppImage) and the leftovers it keeps in the user&apos;s folders.

Commands:
%2
Options:
  -h, --help     Show this help.
  -v, --version  Show the version.

Run &apos;%1 COMMAND --help&apos; for the options of a command.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>
%n item(s) only offered for review were left in place (&quot;--all&quot; takes them too):
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Also remove the items only offered for review (not certainly the app&apos;s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  None is certainly the app&apos;s.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Review before removing (not selected; &quot;remove --all&quot; takes them too):
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Totals of what is selected:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: the last %n line(s) of its journal could not be read.</source>
        <translation>
            <numerusform>%1: the last line of its journal could not be read.</numerusform>
            <numerusform>%1: the last %n lines of its journal could not be read.</numerusform>
        </translation>
    </message>
    <message>
        <source>No removals are recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the recorded removals, newest first, and whether each can be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n journal entry(s) could not be read and are left out.</source>
        <translation>
            <numerusform>%n journal entry could not be read and is left out.</numerusform>
            <numerusform>%n journal entries could not be read and are left out.</numerusform>
        </translation>
    </message>
    <message>
        <source>List past removals and whether they can be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To put it back: tidewell-cli undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass --no-journal to remove without it; that removal cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove without recording the removal: it cannot be undone then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still in the Trash, something else is in their place (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No longer in the Trash (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted in place, cannot be put back (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not be put back (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected at most one ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no removal %1 is recorded; &apos;tidewell-cli history&apos; lists them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These items of %2 will be put back from the Trash (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put them back? [y/N] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the items of a removal (the latest by default) back from the Trash where they were. Nothing is ever overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back without asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The removal, as &apos;history&apos; lists it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stdin is not a terminal; pass --yes to put back without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The last %n line(s) of this removal&apos;s journal could not be read; the items they name count as not recorded.</source>
        <translation>
            <numerusform>The last line of this removal&apos;s journal could not be read; the items it names count as not recorded.</numerusform>
            <numerusform>The last %n lines of this removal&apos;s journal could not be read; the items they name count as not recorded.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was put back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the items of a removal back from the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (offered, not selected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Leftovers of %n removed application(s) (%1, %2):
</source>
        <translation>
            <numerusform>Leftovers of %n removed application (%1, %2):
</numerusform>
            <numerusform>Leftovers of %n removed applications (%1, %2):
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message>
        <source>To move an app&apos;s leftovers to the Trash: tidewell-cli orphans --remove ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no removed app; `orphans` lists their ids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; names several removed apps; give one&apos;s id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists what applications that are no longer installed left behind, or moves it to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the leftovers of the apps named by ID to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --remove: the items only offered (named like the app) go too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A removed app, as listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--remove expects at least one ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the leftovers of removed applications, or move them to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total selected size: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Full Disk Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To find all related files, this app needs Full Disk Access.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t complete action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Move %n selected item to Trash?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n selected items to Trash?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Choose App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apps (*.app *.desktop *.AppImage *.appimage)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n dropped item is no app and was left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dropped items are no apps and were left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DpkgDatabase</name>
    <message>
        <source>Could not read dpkg&apos;s database %1: dpkg-query gave no answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of dpkg&apos;s database %1 could not be read and were left out.</source>
        <translation>
            <numerusform>%n line of dpkg&apos;s database %1 could not be read and was left out.</numerusform>
            <numerusform>%n lines of dpkg&apos;s database %1 could not be read and were left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DropZoneView</name>
    <message>
        <source>Drop your apps here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose App…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leftovers of Removed Apps…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDeletionService</name>
    <message>
        <source>Permission denied. Grant Full Disk Access and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a file on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder is protected and was not removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied. Check the permissions of the folder that holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder on its path is a link; nothing was removed through it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its volume has no Trash that can be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder of the Trash is a link; nothing was moved into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This item lies outside the scanned folders and was not removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A link on its path leads out of its user&apos;s home; nothing was removed through it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was removed: the record that lets a removal be undone cannot be written (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The removal stopped: its record could no longer be written (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: the folder “%1” cannot be changed. Check its permissions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileRowView</name>
    <message>
        <source>This item could not be read, so its size is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some folders inside could not be read; the size counts only what could.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSafetyLevel</name>
    <message>
        <source>Safe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risky</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeneralSettingsView</name>
    <message>
        <source>Confirm before removing files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask before moving leftover files to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-scan after dropping app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start scanning as soon as you drop an app into the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show category breakdown dashboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display disk space usage categorized by Application Support, Preferences, Caches, etc.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <source>Show in Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag an app bundle into this area, or click to choose from Finder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag an app bundle or a desktop entry into this area, or click to choose an installed app.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemEvidence</name>
    <message>
        <source>Named by the app&apos;s identifier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The app&apos;s own container or sandbox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named by the app&apos;s full name or its program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the app&apos;s own program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The app&apos;s icon, by the name the app gives it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only part of its name matches the app&apos;s: check that it is the app&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts a program named as the app&apos;s, but not by the app&apos;s own path: check that it is the app&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by the apps of %1, of which no other is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lies among your own files: check that it is not your work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outside the app&apos;s data folders: removing it may change how the system runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is installed and claims it as strongly: check that it is not %1&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemGroup</name>
    <message>
        <source>App data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs and state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launchers and icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autostart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The app itself</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeftAloneNotice</name>
    <message numerus="yes">
        <source>%n item with a name that is not valid UTF-8 was left alone:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items with names that are not valid UTF-8 were left alone:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings file names this app among other apps&apos; lines and stays:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings files name this app among other apps&apos; lines and stay:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dconf folder holds this app&apos;s settings and stays:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dconf folders hold this app&apos;s settings and stay:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OrphanSearch</name>
    <message>
        <source>Could not read %1: it may hold more leftovers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrphansDialog</name>
    <message>
        <source>Leftovers of Removed Apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for leftovers of removed apps…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No leftovers of removed applications were found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found by the names the removed apps went by. Nothing is selected; choose what should go. Items named only like an app are offered, not checked with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3, offered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offered: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackageRemoval</name>
    <message>
        <source>%1 was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PermissionBannerView</name>
    <message>
        <source>Some folders were restricted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grant Full Disk Access for complete results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some folders could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n location was blocked. Grant Full Disk Access for complete results.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n locations were blocked. Grant Full Disk Access for complete results.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder could not be read, so its leftovers may be missing.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders could not be read, so their leftovers may be missing.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Hide List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the unreadable folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the unreadable folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the first unreadable folder in the file manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentRemovalsSettingsView</name>
    <message>
        <source>Undo puts the items of a removal back from the Trash. Items deleted in place and apps uninstalled by their package manager cannot be put back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the journal…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No removals are recorded yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently Removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undoing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the items of this removal back from the Trash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemovalTexts</name>
    <message>
        <source>Leftovers of removed apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n moved to the Trash</source>
        <translation>
            <numerusform>%n moved to the Trash</numerusform>
            <numerusform>%n moved to the Trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted in place</source>
        <translation>
            <numerusform>%n deleted in place</numerusform>
            <numerusform>%n deleted in place</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not removed</source>
        <translation>
            <numerusform>%n not removed</numerusform>
            <numerusform>%n not removed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put back %n item(s).</source>
        <translation>
            <numerusform>Put back %n item.</numerusform>
            <numerusform>Put back %n items.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) stay in the Trash: something else is in their place now.</source>
        <translation>
            <numerusform>%n item stays in the Trash: something else is in its place now.</numerusform>
            <numerusform>%n items stay in the Trash: something else is in their place now.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) are no longer in the Trash.</source>
        <translation>
            <numerusform>%n item is no longer in the Trash.</numerusform>
            <numerusform>%n items are no longer in the Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) were deleted in place and cannot be put back.</source>
        <translation>
            <numerusform>%n item was deleted in place and cannot be put back.</numerusform>
            <numerusform>%n items were deleted in place and cannot be put back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be put back: %1</source>
        <translation>
            <numerusform>%n item could not be put back: %1</numerusform>
            <numerusform>%n items could not be put back: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>This removal is no longer recorded; it cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ran with this removal (exit code %2); a package manager&apos;s uninstall cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemovalUndo</name>
    <message>
        <source>Permission denied. Check the permissions of the folder it goes back to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder on the way to its place is a link; it was not put back through it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsPanelView</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to scan leftovers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-scan is off. Start a scan when you&apos;re ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No related files found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try another app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total selected size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review before removing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not selected: check each one&apos;s reason first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanCategory</name>
    <message>
        <source>Application Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently Removed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SharedByteFormatter</name>
    <message>
        <source>size unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n byte</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SuccessPanelView</name>
    <message>
        <source>Leftovers Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Successfully moved %n item to the Trash.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Successfully moved %n items to the Trash.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item could not be removed:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items could not be removed:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Some Items Were Not Removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undoing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the removed items back from the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved to the Trash: %1. Empty the Trash to free the space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apps: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Successfully removed %n item.</source>
        <translation>
            <numerusform>Successfully removed %n item.</numerusform>
            <numerusform>Successfully removed %n items.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Successfully removed %n items.</source>
        <translation>
            <numerusform>Successfully removed %n item.</numerusform>
            <numerusform>Successfully removed %n items.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UninstallPanel</name>
    <message>
        <source>%1 itself is still installed: remove it with %2 or Software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs the command above</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XdgFolders</name>
    <message>
        <source>it is not an absolute path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is the home folder or a folder that holds it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is one of your own folders, not a settings folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignoring %1=%2: %3; using %4 instead.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tidewell::CleanerViewModel</name>
    <message numerus="yes">
        <source>Found %n related items.</source>
        <translation>
            <numerusform>Found %n related item.</numerusform>
            <numerusform>Found %n related items.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n items to Trash.</source>
        <translation>
            <numerusform>Moved %n item to Trash.</numerusform>
            <numerusform>Moved %n items to Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n items. Some files failed.</source>
        <translation>
            <numerusform>Deleted %n item. Some files failed.</numerusform>
            <numerusform>Deleted %n items. Some files failed.</numerusform>
        </translation>
    </message>
    <message>
        <source>Drop your apps here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning leftovers for %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to scan leftovers for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an app first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning library folders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No leftover files were found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select at least one file before deleting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving selected files to Trash...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was removed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tidewell::HeldApp</name>
    <message>
        <source>Calculating...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tidewell::OrphansModel</name>
    <message>
        <source>Flatpak app %1 is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snap %1 is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the AppImage of its launcher is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its AppImage %1 is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its program %1 no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Moved %n item(s) to the Trash.</source>
        <translation>
            <numerusform>Moved %n item to the Trash.</numerusform>
            <numerusform>Moved %n items to the Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed: %1</source>
        <translation>
            <numerusform>%n item could not be removed: %1</numerusform>
            <numerusform>%n items could not be removed: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>named like Debian package %1, which is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its container belongs to %1, which is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>named by %1, which is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder of %1, none of whose apps is installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>named like %1, which is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debian package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>app bundle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, removed %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(its settings in dconf stay: %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tidewell::PackageUninstaller</name>
    <message>
        <source>Uninstalling…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uninstalled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command could not be run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command failed with exit code %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command could not be run: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tidewell::RemovalOutcome</name>
    <message>
        <source>Putting items back…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
