<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutSettingsView</name>
    <message>
        <source>Completely remove apps and leftover files.</source>
        <translation>Apps und ihre Restdateien vollständig entfernen.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tidewell developers.</source>
        <translation>Copyright © 2026 Die Tidewell-Entwickler.</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
</context>
<context>
    <name>AppChooserDialog</name>
    <message>
        <source>Choose App</source>
        <translation>App auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Filter by name or id</source>
        <translation>Nach Name oder Kennung filtern</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Installierte Anwendungen</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Reading the installed applications…</source>
        <translation>Die installierten Anwendungen werden gelesen …</translation>
    </message>
    <message>
        <source>No application matches.</source>
        <translation>Keine Anwendung passt.</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Choose an app bundle, a desktop entry or an AppImage in the file dialog</source>
        <translation>Ein App-Bundle, einen Desktop-Eintrag oder ein AppImage im Dateidialog auswählen</translation>
    </message>
    <message numerus="yes">
        <source>Select %n Apps</source>
        <translation>
            <numerusform>%n App auswählen</numerusform>
            <numerusform>%n Apps auswählen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppDescriptor</name>
    <message>
        <source>Drop a valid .app file to continue.</source>
        <translation>Legen Sie eine gültige .app-Datei ab, um fortzufahren.</translation>
    </message>
    <message>
        <source>This app bundle could not be read.</source>
        <translation>Dieses App-Bundle konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read CFBundleIdentifier from the app.</source>
        <translation>CFBundleIdentifier der App konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This desktop entry could not be read.</source>
        <translation>Dieser Desktop-Eintrag konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This AppImage could not be read.</source>
        <translation>Dieses AppImage konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This desktop entry is malformed: a key or group is given twice.</source>
        <translation>Dieser Desktop-Eintrag ist fehlerhaft: Ein Schlüssel oder eine Gruppe steht zweimal darin.</translation>
    </message>
    <message>
        <source>This desktop entry is malformed: its X-Flatpak value is not a valid Flatpak app id.</source>
        <translation>Dieser Desktop-Eintrag ist fehlerhaft: Sein X-Flatpak-Wert ist keine gültige Flatpak-App-ID.</translation>
    </message>
    <message>
        <source>This desktop entry is malformed: its X-SnapInstanceName value is not a valid snap name.</source>
        <translation>Dieser Desktop-Eintrag ist fehlerhaft: Sein X-SnapInstanceName-Wert ist kein gültiger Snap-Name.</translation>
    </message>
    <message>
        <source>This item does not exist.</source>
        <translation>Dieses Objekt existiert nicht.</translation>
    </message>
</context>
<context>
    <name>AppGroupHeading</name>
    <message>
        <source>No leftovers found</source>
        <translation>Keine Restdateien gefunden</translation>
    </message>
    <message numerus="yes">
        <source>%n item</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 ausgewählt</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
</context>
<context>
    <name>AppHeaderView</name>
    <message>
        <source>App Size</source>
        <translation>App-Größe</translation>
    </message>
    <message>
        <source>Installed by a Debian package</source>
        <translation>Installiert durch ein Debian-Paket</translation>
    </message>
    <message>
        <source>Installed by %1</source>
        <translation>Installiert durch %1</translation>
    </message>
    <message>
        <source>Installed by the system</source>
        <translation>Installiert durch das System</translation>
    </message>
    <message>
        <source>Installed Size</source>
        <translation>Installierte Größe</translation>
    </message>
</context>
<context>
    <name>AppIntake</name>
    <message>
        <source>“%1” does not exist.</source>
        <translation>„%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>“%1” is not an app. Choose an app bundle, a desktop entry or an AppImage.</source>
        <translation>„%1“ ist keine App. Wählen Sie ein App-Bundle, einen Desktop-Eintrag oder ein AppImage.</translation>
    </message>
</context>
<context>
    <name>AppKind</name>
    <message>
        <source>App bundle</source>
        <translation>App-Bundle</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Snap</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
</context>
<context>
    <name>AppWindowChrome</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
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
        <translation>Der Verlauf von apt %1 konnte nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) of apt&apos;s history %1 have no readable date and were left out.</source>
        <translation>
            <numerusform>%n Eintrag im Verlauf von apt %1 hat kein lesbares Datum und wurde ausgelassen.</numerusform>
            <numerusform>%n Einträge im Verlauf von apt %1 haben kein lesbares Datum und wurden ausgelassen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryDashboardView</name>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1: unknown command &apos;%2&apos;
Run &apos;%1 --help&apos; for usage.</source>
        <translation>%1: unbekannter Befehl &apos;%2&apos;
&apos;%1 --help&apos; zeigt den Aufruf.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Usage: %1 %2 %3
%4</source>
        <translation>Aufruf: %1 %2 %3
%4</translation>
    </message>
    <message>
        <source>%1 %2: %3
Run &apos;%1 %2 --help&apos; for usage.</source>
        <translation>%1 %2: %3
&apos;%1 %2 --help&apos; zeigt den Aufruf.</translation>
    </message>
    <message>
        <source>App path</source>
        <translation>App-Pfad</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>Bundle identifier</source>
        <translation>Bundle-Kennung</translation>
    </message>
    <message>
        <source>Normalized identifier</source>
        <translation>Normalisierte Kennung</translation>
    </message>
    <message>
        <source>Compact name</source>
        <translation>Kompakter Name</translation>
    </message>
    <message>
        <source>Path component name</source>
        <translation>Name als Pfadteil</translation>
    </message>
    <message>
        <source>Stripped compact name</source>
        <translation>Gekürzter kompakter Name</translation>
    </message>
    <message>
        <source>Base bundle identifier</source>
        <translation>Basis-Bundle-Kennung</translation>
    </message>
    <message>
        <source>Bundle tail token</source>
        <translation>Letzter Teil der Kennung</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Search tokens</source>
        <translation>Suchbegriffe</translation>
    </message>
    <message>
        <source>Shows the names, identifiers and search tokens read from an app bundle.</source>
        <translation>Zeigt die Namen, Kennungen und Suchbegriffe, die aus einem App-Bundle gelesen werden.</translation>
    </message>
    <message>
        <source>Print JSON.</source>
        <translation>JSON ausgeben.</translation>
    </message>
    <message>
        <source>The .app bundle.</source>
        <translation>Das .app-Bundle.</translation>
    </message>
    <message>
        <source>expected exactly one BUNDLE</source>
        <translation>genau ein BUNDLE erwartet</translation>
    </message>
    <message>
        <source>Show what Tidewell reads from an app bundle.</source>
        <translation>Zeigen, was Tidewell aus einem App-Bundle liest.</translation>
    </message>
    <message>
        <source>Removed (%1):
</source>
        <translation>Entfernt (%1):
</translation>
    </message>
    <message>
        <source>Not removed:
</source>
        <translation>Nicht entfernt:
</translation>
    </message>
    <message>
        <source>Remove without asking.</source>
        <translation>Ohne Nachfrage entfernen.</translation>
    </message>
    <message>
        <source>stdin is not a terminal; pass --yes to remove without asking</source>
        <translation>die Standardeingabe ist kein Terminal; --yes entfernt ohne Nachfrage</translation>
    </message>
    <message>
        <source>Nothing was removed.</source>
        <translation>Es wurde nichts entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>item(s)</source>
        <translation>
            <numerusform>Objekt</numerusform>
            <numerusform>Objekte</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>No leftovers found for %1.
</source>
        <translation>Keine Restdateien von %1 gefunden.
</translation>
    </message>
    <message>
        <source>Leftovers of %1 (%2):
</source>
        <translation>Restdateien von %1 (%2):
</translation>
    </message>
    <message numerus="yes">
        <source>
Could not read %n folder(s) (they may hold more leftovers):
</source>
        <translation>
            <numerusform>
%n Ordner konnte nicht gelesen werden (er kann weitere Restdateien enthalten):
</numerusform>
            <numerusform>
%n Ordner konnten nicht gelesen werden (sie können weitere Restdateien enthalten):
</numerusform>
        </translation>
    </message>
    <message>
        <source>no folder at &apos;%1&apos;</source>
        <translation>kein Ordner unter &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Scanning… %1/%2 folders</source>
        <translation>Suche … %1/%2 Ordner</translation>
    </message>
    <message>
        <source>Take the system folders under DIR.</source>
        <translation>Die Systemordner unter DIR nehmen.</translation>
    </message>
    <message>
        <source>Do not search the file index.</source>
        <translation>Den Dateiindex nicht durchsuchen.</translation>
    </message>
    <message numerus="yes">
        <source>
%n item(s) whose names are not valid UTF-8 were found and left alone (the unreadable bytes shown as �); remove them with a file manager if you wish:
</source>
        <translation>
            <numerusform>
%n Objekt, dessen Name kein gültiges UTF-8 ist, wurde gefunden und nicht angerührt (die unlesbaren Bytes als � gezeigt); entfernen Sie es bei Bedarf mit einem Dateimanager:
</numerusform>
            <numerusform>
%n Objekte, deren Namen kein gültiges UTF-8 sind, wurden gefunden und nicht angerührt (die unlesbaren Bytes als � gezeigt); entfernen Sie sie bei Bedarf mit einem Dateimanager:
</numerusform>
        </translation>
    </message>
    <message>
        <source>No installed application has this id.</source>
        <translation>Keine installierte Anwendung hat diese Kennung.</translation>
    </message>
    <message>
        <source>Lists the installed applications (their desktop entries).</source>
        <translation>Listet die installierten Anwendungen (ihre Desktop-Einträge) auf.</translation>
    </message>
    <message>
        <source>expected no arguments</source>
        <translation>keine Argumente erwartet</translation>
    </message>
    <message>
        <source>List the installed applications.</source>
        <translation>Die installierten Anwendungen auflisten.</translation>
    </message>
    <message>
        <source>The app itself belongs to its package manager. To uninstall it, run: %1</source>
        <translation>Die App selbst gehört ihrer Paketverwaltung. Um sie zu deinstallieren, führen Sie aus: %1</translation>
    </message>
    <message numerus="yes">
        <source>These %n item(s) will be moved to the Trash:
</source>
        <translation>
            <numerusform>Dieses Objekt wird in den Papierkorb verschoben:
</numerusform>
            <numerusform>Diese %n Objekte werden in den Papierkorb verschoben:
</numerusform>
        </translation>
    </message>
    <message>
        <source>Move them to Trash? [y/N] </source>
        <translation>In den Papierkorb verschieben? [y/N] </translation>
    </message>
    <message numerus="yes">
        <source>The Trash refused these %n item(s):
</source>
        <translation>
            <numerusform>Der Papierkorb hat dieses Objekt abgelehnt:
</numerusform>
            <numerusform>Der Papierkorb hat diese %n Objekte abgelehnt:
</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete them permanently? [y/N] </source>
        <translation>Endgültig löschen? [y/N] </translation>
    </message>
    <message numerus="yes">
        <source>Interrupted: %n item(s) were not removed.
</source>
        <translation>
            <numerusform>Unterbrochen: %n Objekt wurde nicht entfernt.
</numerusform>
            <numerusform>Unterbrochen: %n Objekte wurden nicht entfernt.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n item(s) to Trash.</source>
        <translation>
            <numerusform>%n Objekt in den Papierkorb verschoben.</numerusform>
            <numerusform>%n Objekte in den Papierkorb verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n item(s) permanently (the Trash refused them).</source>
        <translation>
            <numerusform>%n Objekt endgültig gelöscht (der Papierkorb hat es abgelehnt).</numerusform>
            <numerusform>%n Objekte endgültig gelöscht (der Papierkorb hat sie abgelehnt).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed.</source>
        <translation>
            <numerusform>%n Objekt konnte nicht entfernt werden.</numerusform>
            <numerusform>%n Objekte konnten nicht entfernt werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>No leftovers of removed applications were found.</source>
        <translation>Es wurden keine Restdateien entfernter Anwendungen gefunden.</translation>
    </message>
    <message>
        <source>Then run the package manager&apos;s command that uninstalls the app (Flatpak and snap apps).</source>
        <translation>Danach den Befehl der Paketverwaltung ausführen, der die App deinstalliert (Flatpak- und Snap-Apps).</translation>
    </message>
    <message>
        <source>Ran %1 (exit code %2).</source>
        <translation>%1 ausgeführt (Exit-Code %2).</translation>
    </message>
    <message numerus="yes">
        <source>
%n settings file(s) name this app among other apps&apos; lines; they are not removed (edit them by hand if you wish):
</source>
        <translation>
            <numerusform>
%n Einstellungsdatei nennt diese App unter Zeilen anderer Apps; sie wird nicht entfernt (bearbeiten Sie sie bei Bedarf von Hand):
</numerusform>
            <numerusform>
%n Einstellungsdateien nennen diese App unter Zeilen anderer Apps; sie werden nicht entfernt (bearbeiten Sie sie bei Bedarf von Hand):
</numerusform>
        </translation>
    </message>
    <message>
        <source>The .app bundle; on Linux also a desktop entry or its id, a Flatpak id, a snap name or an AppImage.</source>
        <translation>Das .app-Bundle; unter Linux auch ein Desktop-Eintrag oder seine Kennung, eine Flatpak-Kennung, ein Snap-Name oder ein AppImage.</translation>
    </message>
    <message numerus="yes">
        <source>
%n dconf folder(s) hold this app&apos;s settings; they are not removed (clear one with &quot;dconf reset -f FOLDER&quot; if you wish):
</source>
        <translation>
            <numerusform>
%n dconf-Ordner enthält die Einstellungen dieser App; er wird nicht entfernt (leeren Sie ihn bei Bedarf mit „dconf reset -f ORDNER“):
</numerusform>
            <numerusform>
%n dconf-Ordner enthalten die Einstellungen dieser App; sie werden nicht entfernt (leeren Sie einen bei Bedarf mit „dconf reset -f ORDNER“):
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be sized whole: some folders inside them could not be read.
</source>
        <translation>
            <numerusform>%n Objekt konnte nicht vollständig gemessen werden: einige Ordner darin konnten nicht gelesen werden.
</numerusform>
            <numerusform>%n Objekte konnten nicht vollständig gemessen werden: einige Ordner darin konnten nicht gelesen werden.
</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; looks like an option, not an app (write ./%1 for a file of that name)</source>
        <translation>&apos;%1&apos; sieht wie eine Option aus, nicht wie eine App (für eine Datei dieses Namens ./%1 schreiben)</translation>
    </message>
    <message>
        <source>%1 is a link: the link goes with the leftovers, and the AppImage it leads to stays at %2 (remove it too if you wish).</source>
        <translation>%1 ist ein Link: Er wird mit den Restdateien entfernt, das AppImage, auf das er zeigt, bleibt unter %2 (entfernen Sie es auf Wunsch ebenfalls).</translation>
    </message>
    <message>
        <source>%1 is your own launcher of this app; it goes with the leftovers.</source>
        <translation>%1 ist Ihr eigener Starter dieser App; er wird mit den Restdateien entfernt.</translation>
    </message>
    <message>
        <source>give either --all-users or --user, not both</source>
        <translation>entweder --all-users oder --user angeben, nicht beides</translation>
    </message>
    <message>
        <source>--all-users and --user work in other people&apos;s homes and need administrator rights; run as root</source>
        <translation>--all-users und --user arbeiten in den Persönlichen Ordnern anderer und brauchen Administratorrechte; als root ausführen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no user who logs in (an account with a login shell, a UID from UID_MIN up and a home in the system&apos;s home folder)</source>
        <translation>&apos;%1&apos; ist kein Benutzer, der sich anmeldet (ein Konto mit Anmelde-Shell, einer UID ab UID_MIN und einem Persönlichen Ordner im Home-Ordner des Systems)</translation>
    </message>
    <message>
        <source>Work in the home of every user who logs in (administrators only).</source>
        <translation>Im Persönlichen Ordner jedes Benutzers arbeiten, der sich anmeldet (nur für Administratoren).</translation>
    </message>
    <message>
        <source>Work in the home of the user NAME (administrators only; may be given more than once).</source>
        <translation>Im Persönlichen Ordner des Benutzers NAME arbeiten (nur für Administratoren; mehrfach möglich).</translation>
    </message>
    <message>
        <source>(reading %1 for the user %2)</source>
        <translation>(beim Lesen von %1 für den Benutzer %2)</translation>
    </message>
    <message>
        <source>%1 (%2):</source>
        <translation>%1 (%2):</translation>
    </message>
    <message numerus="yes">
        <source>
Left alone outside the user&apos;s home (%n item(s)):
</source>
        <translation>
            <numerusform>
Außerhalb des Persönlichen Ordners des Benutzers nicht angerührt (%n Objekt):
</numerusform>
            <numerusform>
Außerhalb des Persönlichen Ordners des Benutzers nicht angerührt (%n Objekte):
</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves apps and their leftovers to the Trash.</source>
        <translation>Verschiebt Apps und ihre Restdateien in den Papierkorb.</translation>
    </message>
    <message>
        <source>Move apps and their leftovers to the Trash.</source>
        <translation>Apps und ihre Restdateien in den Papierkorb verschieben.</translation>
    </message>
    <message>
        <source>Lists the leftovers of apps in the library folders.</source>
        <translation>Listet die Restdateien von Apps in den Bibliotheksordnern auf.</translation>
    </message>
    <message>
        <source>expected at least one APP</source>
        <translation>mindestens eine APP erwartet</translation>
    </message>
    <message>
        <source>List the leftovers of apps.</source>
        <translation>Die Restdateien von Apps auflisten.</translation>
    </message>
    <message>
        <source>User %1 (%2):</source>
        <translation>Benutzer %1 (%2):</translation>
    </message>
    <message>
        <source>No user account with a login shell and a home was found.</source>
        <translation>Es wurde kein Benutzerkonto mit Anmelde-Shell und Persönlichem Ordner gefunden.</translation>
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
        <translation>Aufruf: %1 BEFEHL [Optionen]

Entfernt eine App (ein Bundle, einen Desktop-Eintrag, ein Flatpak, ein Snap oder ein AppImage) und die Restdateien, die sie in den Ordnern des Benutzers hinterlässt.

Befehle:
%2
Optionen:
  -h, --help     Diese Hilfe zeigen.
  -v, --version  Die Version zeigen.

&apos;%1 BEFEHL --help&apos; zeigt die Optionen eines Befehls.
</translation>
    </message>
    <message numerus="yes">
        <source>
%n item(s) only offered for review were left in place (&quot;--all&quot; takes them too):
</source>
        <translation>
            <numerusform>
%n Objekt, das nur zur Prüfung angeboten war, blieb an seinem Platz („--all“ nimmt es mit):
</numerusform>
            <numerusform>
%n Objekte, die nur zur Prüfung angeboten waren, blieben an ihrem Platz („--all“ nimmt sie mit):
</numerusform>
        </translation>
    </message>
    <message>
        <source>Also remove the items only offered for review (not certainly the app&apos;s).</source>
        <translation>Auch die nur zur Prüfung angebotenen Objekte entfernen (nicht sicher die der App).</translation>
    </message>
    <message>
        <source>  None is certainly the app&apos;s.
</source>
        <translation>  Keines gehört sicher der App.
</translation>
    </message>
    <message>
        <source>
Review before removing (not selected; &quot;remove --all&quot; takes them too):
</source>
        <translation>
Vor dem Entfernen prüfen (nicht ausgewählt; „remove --all“ nimmt sie mit):
</translation>
    </message>
    <message>
        <source>
Totals of what is selected:
</source>
        <translation>
Summen des Ausgewählten:
</translation>
    </message>
    <message numerus="yes">
        <source>%1: the last %n line(s) of its journal could not be read.</source>
        <translation>
            <numerusform>%1: Die letzte Zeile ihres Protokolls konnte nicht gelesen werden.</numerusform>
            <numerusform>%1: Die letzten %n Zeilen ihres Protokolls konnten nicht gelesen werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>No removals are recorded.</source>
        <translation>Es sind keine Entfernungen verzeichnet.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Lists the recorded removals, newest first, and whether each can be undone.</source>
        <translation>Listet die verzeichneten Entfernungen auf, die neueste zuerst, und ob sich jede rückgängig machen lässt.</translation>
    </message>
    <message numerus="yes">
        <source>%n journal entry(s) could not be read and are left out.</source>
        <translation>
            <numerusform>%n Protokolleintrag konnte nicht gelesen werden und wird ausgelassen.</numerusform>
            <numerusform>%n Protokolleinträge konnten nicht gelesen werden und werden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>List past removals and whether they can be undone.</source>
        <translation>Frühere Entfernungen auflisten und ob sie sich rückgängig machen lassen.</translation>
    </message>
    <message>
        <source>To put it back: tidewell-cli undo %1</source>
        <translation>Zum Zurücklegen: tidewell-cli undo %1</translation>
    </message>
    <message>
        <source>Pass --no-journal to remove without it; that removal cannot be undone.</source>
        <translation>Mit --no-journal wird ohne Protokoll entfernt; diese Entfernung lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Remove without recording the removal: it cannot be undone then.</source>
        <translation>Entfernen, ohne die Entfernung zu protokollieren: Sie lässt sich dann nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Put back (%1):</source>
        <translation>Zurückgelegt (%1):</translation>
    </message>
    <message>
        <source>Still in the Trash, something else is in their place (%1):</source>
        <translation>Noch im Papierkorb, an ihrem Ort liegt jetzt etwas anderes (%1):</translation>
    </message>
    <message>
        <source>No longer in the Trash (%1):</source>
        <translation>Nicht mehr im Papierkorb (%1):</translation>
    </message>
    <message>
        <source>Deleted in place, cannot be put back (%1):</source>
        <translation>An Ort und Stelle gelöscht, nicht wiederherstellbar (%1):</translation>
    </message>
    <message>
        <source>Could not be put back (%1):</source>
        <translation>Konnten nicht zurückgelegt werden (%1):</translation>
    </message>
    <message>
        <source>expected at most one ID</source>
        <translation>höchstens eine Nummer erwartet</translation>
    </message>
    <message>
        <source>no removal %1 is recorded; &apos;tidewell-cli history&apos; lists them</source>
        <translation>keine Entfernung %1 verzeichnet; &apos;tidewell-cli history&apos; listet sie auf</translation>
    </message>
    <message>
        <source>These items of %2 will be put back from the Trash (%1):</source>
        <translation>Diese Objekte von %2 werden aus dem Papierkorb zurückgelegt (%1):</translation>
    </message>
    <message>
        <source>Put them back? [y/N] </source>
        <translation>Zurücklegen? [y/N] </translation>
    </message>
    <message>
        <source>Puts the items of a removal (the latest by default) back from the Trash where they were. Nothing is ever overwritten.</source>
        <translation>Legt die Objekte einer Entfernung (standardmäßig der letzten) aus dem Papierkorb dorthin zurück, wo sie waren. Nichts wird je überschrieben.</translation>
    </message>
    <message>
        <source>Put back without asking.</source>
        <translation>Ohne Nachfrage zurücklegen.</translation>
    </message>
    <message>
        <source>The removal, as &apos;history&apos; lists it.</source>
        <translation>Die Entfernung, wie &apos;history&apos; sie auflistet.</translation>
    </message>
    <message>
        <source>stdin is not a terminal; pass --yes to put back without asking</source>
        <translation>stdin ist kein Terminal; mit --yes wird ohne Nachfrage zurückgelegt</translation>
    </message>
    <message numerus="yes">
        <source>The last %n line(s) of this removal&apos;s journal could not be read; the items they name count as not recorded.</source>
        <translation>
            <numerusform>Die letzte Zeile des Protokolls dieser Entfernung konnte nicht gelesen werden; die Objekte darin gelten als nicht verzeichnet.</numerusform>
            <numerusform>Die letzten %n Zeilen des Protokolls dieser Entfernung konnten nicht gelesen werden; die Objekte darin gelten als nicht verzeichnet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was put back.</source>
        <translation>Es wurde nichts zurückgelegt.</translation>
    </message>
    <message>
        <source>Put the items of a removal back from the Trash.</source>
        <translation>Die Objekte einer Entfernung aus dem Papierkorb zurücklegen.</translation>
    </message>
    <message>
        <source>%1 (offered, not selected)</source>
        <translation>%1 (angeboten, nicht ausgewählt)</translation>
    </message>
    <message numerus="yes">
        <source>Leftovers of %n removed application(s) (%1, %2):
</source>
        <translation>
            <numerusform>Restdateien von %n entfernten Anwendung (%1, %2):
</numerusform>
            <numerusform>Restdateien von %n entfernten Anwendungen (%1, %2):
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekte</numerusform>
        </translation>
    </message>
    <message>
        <source>To move an app&apos;s leftovers to the Trash: tidewell-cli orphans --remove ID</source>
        <translation>Um die Restdateien einer App in den Papierkorb zu verschieben: tidewell-cli orphans --remove ID</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no removed app; `orphans` lists their ids</source>
        <translation>&apos;%1&apos; bezeichnet keine entfernte App; `orphans` listet ihre IDs auf</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names several removed apps; give one&apos;s id</source>
        <translation>&apos;%1&apos; bezeichnet mehrere entfernte Apps; geben Sie die ID einer an</translation>
    </message>
    <message>
        <source>Lists what applications that are no longer installed left behind, or moves it to the Trash.</source>
        <translation>Listet auf, was nicht mehr installierte Anwendungen hinterlassen haben, oder verschiebt es in den Papierkorb.</translation>
    </message>
    <message>
        <source>Move the leftovers of the apps named by ID to the Trash.</source>
        <translation>Die Restdateien der mit ID bezeichneten Apps in den Papierkorb verschieben.</translation>
    </message>
    <message>
        <source>With --remove: the items only offered (named like the app) go too.</source>
        <translation>Mit --remove: Auch die nur angebotenen Objekte (wie die App benannt) werden entfernt.</translation>
    </message>
    <message>
        <source>A removed app, as listed.</source>
        <translation>Eine entfernte App, wie aufgelistet.</translation>
    </message>
    <message>
        <source>--remove expects at least one ID</source>
        <translation>--remove erwartet mindestens eine ID</translation>
    </message>
    <message>
        <source>List the leftovers of removed applications, or move them to the Trash.</source>
        <translation>Die Restdateien entfernter Anwendungen auflisten oder in den Papierkorb verschieben.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Total selected size: %1</source>
        <translation>Ausgewählte Gesamtgröße: %1</translation>
    </message>
    <message>
        <source>Allow Full Disk Access</source>
        <translation>Vollen Festplattenzugriff erlauben</translation>
    </message>
    <message>
        <source>To find all related files, this app needs Full Disk Access.</source>
        <translation>Um alle zugehörigen Dateien zu finden, braucht diese App vollen Festplattenzugriff.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Couldn&apos;t complete action</source>
        <translation>Aktion konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>Move %n selected item to Trash?</source>
        <translation>
            <numerusform>%n ausgewähltes Objekt in den Papierkorb legen?</numerusform>
            <numerusform>%n ausgewählte Objekte in den Papierkorb legen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n selected items to Trash?</source>
        <translation>
            <numerusform>%n ausgewähltes Objekt in den Papierkorb legen?</numerusform>
            <numerusform>%n ausgewählte Objekte in den Papierkorb legen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose App</source>
        <translation>App auswählen</translation>
    </message>
    <message>
        <source>Apps (*.app *.desktop *.AppImage *.appimage)</source>
        <translation>Apps (*.app *.desktop *.AppImage *.appimage)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb</translation>
    </message>
    <message numerus="yes">
        <source>%n dropped item is no app and was left out.</source>
        <translation>
            <numerusform>%n abgelegtes Objekt ist keine App und wurde übergangen.</numerusform>
            <numerusform>%n abgelegte Objekte sind keine Apps und wurden übergangen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dropped items are no apps and were left out.</source>
        <translation>
            <numerusform>%n abgelegtes Objekt ist keine App und wurde übergangen.</numerusform>
            <numerusform>%n abgelegte Objekte sind keine Apps und wurden übergangen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DpkgDatabase</name>
    <message>
        <source>Could not read dpkg&apos;s database %1: dpkg-query gave no answer.</source>
        <translation>Die Datenbank von dpkg %1 konnte nicht gelesen werden: dpkg-query gab keine Antwort.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of dpkg&apos;s database %1 could not be read and were left out.</source>
        <translation>
            <numerusform>%n Zeile der Datenbank von dpkg %1 konnte nicht gelesen werden und wurde ausgelassen.</numerusform>
            <numerusform>%n Zeilen der Datenbank von dpkg %1 konnten nicht gelesen werden und wurden ausgelassen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DropZoneView</name>
    <message>
        <source>Drop your apps here</source>
        <translation>Apps hier ablegen</translation>
    </message>
    <message>
        <source>Choose App…</source>
        <translation>App auswählen …</translation>
    </message>
    <message>
        <source>Leftovers of Removed Apps…</source>
        <translation>Restdateien entfernter Apps …</translation>
    </message>
</context>
<context>
    <name>FileDeletionService</name>
    <message>
        <source>Permission denied. Grant Full Disk Access and try again.</source>
        <translation>Zugriff verweigert. Gewähren Sie vollen Festplattenzugriff und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>File no longer exists.</source>
        <translation>Die Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Not a file on this computer.</source>
        <translation>Keine Datei auf diesem Computer.</translation>
    </message>
    <message>
        <source>This folder is protected and was not removed.</source>
        <translation>Dieser Ordner ist geschützt und wurde nicht entfernt.</translation>
    </message>
    <message>
        <source>Permission denied. Check the permissions of the folder that holds it.</source>
        <translation>Zugriff verweigert. Prüfen Sie die Berechtigungen des Ordners, der es enthält.</translation>
    </message>
    <message>
        <source>A folder on its path is a link; nothing was removed through it.</source>
        <translation>Ein Ordner auf seinem Pfad ist ein Link; darüber wurde nichts entfernt.</translation>
    </message>
    <message>
        <source>Its volume has no Trash that can be used.</source>
        <translation>Sein Datenträger hat keinen nutzbaren Papierkorb.</translation>
    </message>
    <message>
        <source>A folder of the Trash is a link; nothing was moved into it.</source>
        <translation>Ein Ordner des Papierkorbs ist ein Link; es wurde nichts hineinverschoben.</translation>
    </message>
    <message>
        <source>This item lies outside the scanned folders and was not removed.</source>
        <translation>Dieses Objekt liegt außerhalb der durchsuchten Ordner und wurde nicht entfernt.</translation>
    </message>
    <message>
        <source>A link on its path leads out of its user&apos;s home; nothing was removed through it.</source>
        <translation>Ein Link auf seinem Pfad führt aus dem Persönlichen Ordner seines Benutzers hinaus; darüber wurde nichts entfernt.</translation>
    </message>
    <message>
        <source>Nothing was removed: the record that lets a removal be undone cannot be written (%1).</source>
        <translation>Es wurde nichts entfernt: Das Protokoll, mit dem sich eine Entfernung rückgängig machen lässt, kann nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>The removal stopped: its record could no longer be written (%1).</source>
        <translation>Die Entfernung wurde angehalten: Ihr Protokoll konnte nicht mehr geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>Permission denied: the folder “%1” cannot be changed. Check its permissions.</source>
        <translation>Zugriff verweigert: Der Ordner „%1“ kann nicht geändert werden. Prüfen Sie seine Berechtigungen.</translation>
    </message>
</context>
<context>
    <name>FileRowView</name>
    <message>
        <source>This item could not be read, so its size is unknown.</source>
        <translation>Dieses Objekt konnte nicht gelesen werden, daher ist seine Größe unbekannt.</translation>
    </message>
    <message>
        <source>Some folders inside could not be read; the size counts only what could.</source>
        <translation>Einige Ordner darin konnten nicht gelesen werden; die Größe zählt nur, was gelesen werden konnte.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <translation>%1, %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>FileSafetyLevel</name>
    <message>
        <source>Safe</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Risky</source>
        <translation>Riskant</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsView</name>
    <message>
        <source>Confirm before removing files</source>
        <translation>Vor dem Entfernen von Dateien nachfragen</translation>
    </message>
    <message>
        <source>Ask before moving leftover files to the Trash.</source>
        <translation>Nachfragen, bevor Restdateien in den Papierkorb verschoben werden.</translation>
    </message>
    <message>
        <source>Auto-scan after dropping app</source>
        <translation>Nach dem Ablegen einer App automatisch suchen</translation>
    </message>
    <message>
        <source>Start scanning as soon as you drop an app into the window.</source>
        <translation>Die Suche beginnt, sobald Sie eine App im Fenster ablegen.</translation>
    </message>
    <message>
        <source>Show category breakdown dashboard</source>
        <translation>Übersicht nach Kategorien zeigen</translation>
    </message>
    <message>
        <source>Display disk space usage categorized by Application Support, Preferences, Caches, etc.</source>
        <translation>Belegten Speicherplatz nach Programmdaten, Einstellungen, Caches usw. aufgeschlüsselt anzeigen.</translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <source>Show in Finder</source>
        <translation>Im Finder zeigen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>Drag an app bundle into this area, or click to choose from Finder.</source>
        <translation>Ziehen Sie ein App-Bundle in diesen Bereich oder klicken Sie, um eines im Finder auszuwählen.</translation>
    </message>
    <message>
        <source>Drag an app bundle or a desktop entry into this area, or click to choose an installed app.</source>
        <translation>Ziehen Sie ein App-Bundle oder einen Desktop-Eintrag in diesen Bereich oder klicken Sie, um eine installierte App auszuwählen.</translation>
    </message>
</context>
<context>
    <name>ItemEvidence</name>
    <message>
        <source>Named by the app&apos;s identifier.</source>
        <translation>Nach der Kennung der App benannt.</translation>
    </message>
    <message>
        <source>The app&apos;s own container or sandbox.</source>
        <translation>Der eigene Container oder die Sandbox der App.</translation>
    </message>
    <message>
        <source>Named by the app&apos;s full name or its program.</source>
        <translation>Nach dem vollen Namen der App oder ihrem Programm benannt.</translation>
    </message>
    <message>
        <source>Starts the app&apos;s own program.</source>
        <translation>Startet das eigene Programm der App.</translation>
    </message>
    <message>
        <source>The app&apos;s icon, by the name the app gives it.</source>
        <translation>Das Symbol der App, unter dem Namen, den die App ihm gibt.</translation>
    </message>
    <message>
        <source>Only part of its name matches the app&apos;s: check that it is the app&apos;s.</source>
        <translation>Nur ein Teil des Namens passt zur App: Prüfen Sie, ob es zur App gehört.</translation>
    </message>
    <message>
        <source>Starts a program named as the app&apos;s, but not by the app&apos;s own path: check that it is the app&apos;s.</source>
        <translation>Startet ein Programm mit dem Namen der App, aber nicht über deren eigenen Pfad: Prüfen Sie, ob es zur App gehört.</translation>
    </message>
    <message>
        <source>Shared by the apps of %1, of which no other is installed.</source>
        <translation>Von den Apps von %1 gemeinsam genutzt, von denen keine andere installiert ist.</translation>
    </message>
    <message>
        <source>Lies among your own files: check that it is not your work.</source>
        <translation>Liegt zwischen Ihren eigenen Dateien: Prüfen Sie, dass es nicht Ihre Arbeit ist.</translation>
    </message>
    <message>
        <source>Outside the app&apos;s data folders: removing it may change how the system runs.</source>
        <translation>Außerhalb der Datenordner der App: Das Entfernen kann ändern, wie das System läuft.</translation>
    </message>
    <message>
        <source>%1 is installed and claims it as strongly: check that it is not %1&apos;s.</source>
        <translation>%1 ist installiert und beansprucht es ebenso: Prüfen Sie, dass es nicht zu %1 gehört.</translation>
    </message>
</context>
<context>
    <name>ItemGroup</name>
    <message>
        <source>App data</source>
        <translation>App-Daten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Logs and state</source>
        <translation>Protokolle und Zustand</translation>
    </message>
    <message>
        <source>Launchers and icons</source>
        <translation>Starter und Symbole</translation>
    </message>
    <message>
        <source>Autostart</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>The app itself</source>
        <translation>Die App selbst</translation>
    </message>
</context>
<context>
    <name>LeftAloneNotice</name>
    <message numerus="yes">
        <source>%n item with a name that is not valid UTF-8 was left alone:</source>
        <translation>
            <numerusform>%n Objekt mit einem Namen, der kein gültiges UTF-8 ist, wurde nicht angerührt:</numerusform>
            <numerusform>%n Objekte mit Namen, die kein gültiges UTF-8 sind, wurden nicht angerührt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items with names that are not valid UTF-8 were left alone:</source>
        <translation>
            <numerusform>%n Objekt mit einem Namen, der kein gültiges UTF-8 ist, wurde nicht angerührt:</numerusform>
            <numerusform>%n Objekte mit Namen, die kein gültiges UTF-8 sind, wurden nicht angerührt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings file names this app among other apps&apos; lines and stays:</source>
        <translation>
            <numerusform>%n Einstellungsdatei nennt diese App unter Zeilen anderer Apps und bleibt:</numerusform>
            <numerusform>%n Einstellungsdateien nennen diese App unter Zeilen anderer Apps und bleiben:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings files name this app among other apps&apos; lines and stay:</source>
        <translation>
            <numerusform>%n Einstellungsdatei nennt diese App unter Zeilen anderer Apps und bleibt:</numerusform>
            <numerusform>%n Einstellungsdateien nennen diese App unter Zeilen anderer Apps und bleiben:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dconf folder holds this app&apos;s settings and stays:</source>
        <translation>
            <numerusform>%n dconf-Ordner enthält die Einstellungen dieser App und bleibt:</numerusform>
            <numerusform>%n dconf-Ordner enthalten die Einstellungen dieser App und bleiben:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dconf folders hold this app&apos;s settings and stay:</source>
        <translation>
            <numerusform>%n dconf-Ordner enthält die Einstellungen dieser App und bleibt:</numerusform>
            <numerusform>%n dconf-Ordner enthalten die Einstellungen dieser App und bleiben:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OrphanSearch</name>
    <message>
        <source>Could not read %1: it may hold more leftovers.</source>
        <translation>%1 konnte nicht gelesen werden: Dort können weitere Restdateien liegen.</translation>
    </message>
</context>
<context>
    <name>OrphansDialog</name>
    <message>
        <source>Leftovers of Removed Apps</source>
        <translation>Restdateien entfernter Apps</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Looking for leftovers of removed apps…</source>
        <translation>Restdateien entfernter Apps werden gesucht …</translation>
    </message>
    <message>
        <source>No leftovers of removed applications were found.</source>
        <translation>Es wurden keine Restdateien entfernter Anwendungen gefunden.</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Ausgewählt: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb</translation>
    </message>
    <message>
        <source>Found by the names the removed apps went by. Nothing is selected; choose what should go. Items named only like an app are offered, not checked with it.</source>
        <translation>Anhand der Namen der entfernten Apps gefunden. Nichts ist ausgewählt; wählen Sie, was entfernt werden soll. Objekte, die nur wie eine App heißen, werden angeboten, aber nicht mit ihr ausgewählt.</translation>
    </message>
    <message>
        <source>%1, %2, %3, offered</source>
        <translation>%1, %2, %3, angeboten</translation>
    </message>
    <message>
        <source>Offered: %1</source>
        <translation>Angeboten: %1</translation>
    </message>
</context>
<context>
    <name>PackageRemoval</name>
    <message>
        <source>%1 was not found</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly</source>
        <translation>%1 wurde unerwartet beendet</translation>
    </message>
</context>
<context>
    <name>PermissionBannerView</name>
    <message>
        <source>Some folders were restricted.</source>
        <translation>Einige Ordner waren gesperrt.</translation>
    </message>
    <message>
        <source>Grant Full Disk Access for complete results.</source>
        <translation>Gewähren Sie vollen Festplattenzugriff für vollständige Ergebnisse.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Some folders could not be read.</source>
        <translation>Einige Ordner konnten nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n location was blocked. Grant Full Disk Access for complete results.</source>
        <translation>
            <numerusform>%n Ort war gesperrt. Gewähren Sie vollen Festplattenzugriff für vollständige Ergebnisse.</numerusform>
            <numerusform>%n Orte waren gesperrt. Gewähren Sie vollen Festplattenzugriff für vollständige Ergebnisse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n locations were blocked. Grant Full Disk Access for complete results.</source>
        <translation>
            <numerusform>%n Ort war gesperrt. Gewähren Sie vollen Festplattenzugriff für vollständige Ergebnisse.</numerusform>
            <numerusform>%n Orte waren gesperrt. Gewähren Sie vollen Festplattenzugriff für vollständige Ergebnisse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder could not be read, so its leftovers may be missing.</source>
        <translation>
            <numerusform>%n Ordner konnte nicht gelesen werden, seine Reste fehlen daher womöglich.</numerusform>
            <numerusform>%n Ordner konnten nicht gelesen werden, ihre Reste fehlen daher womöglich.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders could not be read, so their leftovers may be missing.</source>
        <translation>
            <numerusform>%n Ordner konnte nicht gelesen werden, seine Reste fehlen daher womöglich.</numerusform>
            <numerusform>%n Ordner konnten nicht gelesen werden, ihre Reste fehlen daher womöglich.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide List</source>
        <translation>Liste ausblenden</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Liste zeigen</translation>
    </message>
    <message>
        <source>Hide the unreadable folders</source>
        <translation>Die nicht lesbaren Ordner ausblenden</translation>
    </message>
    <message>
        <source>List the unreadable folders</source>
        <translation>Die nicht lesbaren Ordner auflisten</translation>
    </message>
    <message>
        <source>Show the first unreadable folder in the file manager</source>
        <translation>Den ersten nicht lesbaren Ordner im Dateimanager zeigen</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentRemovalsSettingsView</name>
    <message>
        <source>Undo puts the items of a removal back from the Trash. Items deleted in place and apps uninstalled by their package manager cannot be put back.</source>
        <translation>„Rückgängig“ legt die Objekte einer Entfernung aus dem Papierkorb zurück. An Ort und Stelle gelöschte Objekte und von ihrer Paketverwaltung deinstallierte Apps lassen sich nicht zurücklegen.</translation>
    </message>
    <message>
        <source>Reading the journal…</source>
        <translation>Protokoll wird gelesen …</translation>
    </message>
    <message>
        <source>No removals are recorded yet.</source>
        <translation>Bisher sind keine Entfernungen verzeichnet.</translation>
    </message>
    <message>
        <source>Recently Removed</source>
        <translation>Kürzlich entfernt</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <translation>%1, %2, %3, %4</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>Undoing…</source>
        <translation>Wird zurückgelegt …</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Puts the items of this removal back from the Trash</source>
        <translation>Legt die Objekte dieser Entfernung aus dem Papierkorb zurück</translation>
    </message>
</context>
<context>
    <name>RemovalTexts</name>
    <message>
        <source>Leftovers of removed apps</source>
        <translation>Reste entfernter Apps</translation>
    </message>
    <message numerus="yes">
        <source>%n moved to the Trash</source>
        <translation>
            <numerusform>%n in den Papierkorb verschoben</numerusform>
            <numerusform>%n in den Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted in place</source>
        <translation>
            <numerusform>%n an Ort und Stelle gelöscht</numerusform>
            <numerusform>%n an Ort und Stelle gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not removed</source>
        <translation>
            <numerusform>%n nicht entfernt</numerusform>
            <numerusform>%n nicht entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put back %n item(s).</source>
        <translation>
            <numerusform>%n Objekt zurückgelegt.</numerusform>
            <numerusform>%n Objekte zurückgelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) stay in the Trash: something else is in their place now.</source>
        <translation>
            <numerusform>%n Objekt bleibt im Papierkorb: An seinem Ort liegt jetzt etwas anderes.</numerusform>
            <numerusform>%n Objekte bleiben im Papierkorb: An ihrem Ort liegt jetzt etwas anderes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) are no longer in the Trash.</source>
        <translation>
            <numerusform>%n Objekt ist nicht mehr im Papierkorb.</numerusform>
            <numerusform>%n Objekte sind nicht mehr im Papierkorb.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) were deleted in place and cannot be put back.</source>
        <translation>
            <numerusform>%n Objekt wurde an Ort und Stelle gelöscht und lässt sich nicht zurücklegen.</numerusform>
            <numerusform>%n Objekte wurden an Ort und Stelle gelöscht und lassen sich nicht zurücklegen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be put back: %1</source>
        <translation>
            <numerusform>%n Objekt konnte nicht zurückgelegt werden: %1</numerusform>
            <numerusform>%n Objekte konnten nicht zurückgelegt werden: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>This removal is no longer recorded; it cannot be undone.</source>
        <translation>Diese Entfernung ist nicht mehr verzeichnet; sie lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>%1 ran with this removal (exit code %2); a package manager&apos;s uninstall cannot be undone.</source>
        <translation>%1 lief mit dieser Entfernung (Exit-Code %2); eine Deinstallation durch die Paketverwaltung lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>RemovalUndo</name>
    <message>
        <source>Permission denied. Check the permissions of the folder it goes back to.</source>
        <translation>Zugriff verweigert. Prüfen Sie die Berechtigungen des Ordners, in den es zurückkommt.</translation>
    </message>
    <message>
        <source>A folder on the way to its place is a link; it was not put back through it.</source>
        <translation>Ein Ordner auf dem Weg zu seinem Ort ist ein Link; es wurde nicht durch ihn zurückgelegt.</translation>
    </message>
</context>
<context>
    <name>ResultsPanelView</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Suche läuft …</translation>
    </message>
    <message>
        <source>Ready to scan leftovers</source>
        <translation>Bereit für die Suche nach Restdateien</translation>
    </message>
    <message>
        <source>Auto-scan is off. Start a scan when you&apos;re ready.</source>
        <translation>Die automatische Suche ist aus. Starten Sie eine Suche, wenn Sie bereit sind.</translation>
    </message>
    <message>
        <source>Scan Now</source>
        <translation>Jetzt suchen</translation>
    </message>
    <message>
        <source>No related files found</source>
        <translation>Keine zugehörigen Dateien gefunden</translation>
    </message>
    <message>
        <source>Try another app</source>
        <translation>Versuchen Sie eine andere App</translation>
    </message>
    <message>
        <source>Total selected size</source>
        <translation>Ausgewählte Gesamtgröße</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Removing...</source>
        <translation>Wird entfernt …</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Found items</source>
        <translation>Gefundene Objekte</translation>
    </message>
    <message>
        <source>Review before removing</source>
        <translation>Vor dem Entfernen prüfen</translation>
    </message>
    <message>
        <source>Not selected: check each one&apos;s reason first.</source>
        <translation>Nicht ausgewählt: Prüfen Sie zuerst jeweils den Grund.</translation>
    </message>
</context>
<context>
    <name>ScanCategory</name>
    <message>
        <source>Application Support</source>
        <translation>Programmdaten</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Caches</source>
        <translation>Caches</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Protokolle</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Recently Removed</source>
        <translation>Kürzlich entfernt</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>SharedByteFormatter</name>
    <message>
        <source>size unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>mind. %1</translation>
    </message>
    <message numerus="yes">
        <source>%n byte</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SuccessPanelView</name>
    <message>
        <source>Leftovers Cleared</source>
        <translation>Restdateien entfernt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message numerus="yes">
        <source>Successfully moved %n item to the Trash.</source>
        <translation>
            <numerusform>%n Objekt wurde in den Papierkorb gelegt.</numerusform>
            <numerusform>%n Objekte wurden in den Papierkorb gelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Successfully moved %n items to the Trash.</source>
        <translation>
            <numerusform>%n Objekt wurde in den Papierkorb gelegt.</numerusform>
            <numerusform>%n Objekte wurden in den Papierkorb gelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item could not be removed:</source>
        <translation>
            <numerusform>%n Objekt konnte nicht entfernt werden:</numerusform>
            <numerusform>%n Objekte konnten nicht entfernt werden:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items could not be removed:</source>
        <translation>
            <numerusform>%n Objekt konnte nicht entfernt werden:</numerusform>
            <numerusform>%n Objekte konnten nicht entfernt werden:</numerusform>
        </translation>
    </message>
    <message>
        <source>Some Items Were Not Removed</source>
        <translation>Einige Objekte wurden nicht entfernt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Undoing…</source>
        <translation>Wird zurückgelegt …</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Puts the removed items back from the Trash</source>
        <translation>Legt die entfernten Objekte aus dem Papierkorb zurück</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1. Empty the Trash to free the space.</source>
        <translation>In den Papierkorb verschoben: %1. Leeren Sie den Papierkorb, um den Platz freizugeben.</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <translation>Gelöscht: %1.</translation>
    </message>
    <message>
        <source>Apps: %1</source>
        <translation>Apps: %1</translation>
    </message>
    <message numerus="yes">
        <source>Successfully removed %n item.</source>
        <translation>
            <numerusform>%n Objekt wurde entfernt.</numerusform>
            <numerusform>%n Objekte wurden entfernt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Successfully removed %n items.</source>
        <translation>
            <numerusform>%n Objekt wurde entfernt.</numerusform>
            <numerusform>%n Objekte wurden entfernt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UninstallPanel</name>
    <message>
        <source>%1 itself is still installed: remove it with %2 or Software.</source>
        <translation>%1 selbst ist noch installiert: Entfernen Sie es mit %2 oder mit „Software“.</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Runs the command above</source>
        <translation>Führt den Befehl oben aus</translation>
    </message>
</context>
<context>
    <name>XdgFolders</name>
    <message>
        <source>it is not an absolute path</source>
        <translation>er ist kein absoluter Pfad</translation>
    </message>
    <message>
        <source>it is the home folder or a folder that holds it</source>
        <translation>er ist der persönliche Ordner oder ein Ordner darüber</translation>
    </message>
    <message>
        <source>it is one of your own folders, not a settings folder</source>
        <translation>er ist einer Ihrer eigenen Ordner, kein Einstellungsordner</translation>
    </message>
    <message>
        <source>Ignoring %1=%2: %3; using %4 instead.</source>
        <translation>%1=%2 wird nicht beachtet: %3; stattdessen wird %4 verwendet.</translation>
    </message>
</context>
<context>
    <name>tidewell::CleanerViewModel</name>
    <message>
        <source>Drop your apps here</source>
        <translation>Apps hier ablegen</translation>
    </message>
    <message>
        <source>Scanning leftovers for %1...</source>
        <translation>Restdateien von %1 werden gesucht …</translation>
    </message>
    <message>
        <source>Ready to scan leftovers for %1.</source>
        <translation>Bereit für die Suche nach Restdateien von %1.</translation>
    </message>
    <message>
        <source>Select an app first.</source>
        <translation>Wählen Sie zuerst eine App aus.</translation>
    </message>
    <message>
        <source>Scanning library folders...</source>
        <translation>Bibliotheksordner werden durchsucht …</translation>
    </message>
    <message>
        <source>No leftover files were found.</source>
        <translation>Es wurden keine Restdateien gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>Found %n related items.</source>
        <translation>
            <numerusform>%n zugehöriges Objekt gefunden.</numerusform>
            <numerusform>%n zugehörige Objekte gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select at least one file before deleting.</source>
        <translation>Wählen Sie vor dem Entfernen mindestens eine Datei aus.</translation>
    </message>
    <message>
        <source>Moving selected files to Trash...</source>
        <translation>Ausgewählte Dateien werden in den Papierkorb verschoben …</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n items to Trash.</source>
        <translation>
            <numerusform>%n Objekt in den Papierkorb verschoben.</numerusform>
            <numerusform>%n Objekte in den Papierkorb verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n items. Some files failed.</source>
        <translation>
            <numerusform>%n Objekt entfernt. Einige Dateien konnten nicht entfernt werden.</numerusform>
            <numerusform>%n Objekte entfernt. Einige Dateien konnten nicht entfernt werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was removed.</source>
        <translation>Es wurde nichts entfernt.</translation>
    </message>
</context>
<context>
    <name>tidewell::HeldApp</name>
    <message>
        <source>Calculating...</source>
        <translation>Wird berechnet …</translation>
    </message>
</context>
<context>
    <name>tidewell::OrphansModel</name>
    <message>
        <source>Flatpak app %1 is not installed</source>
        <translation>Die Flatpak-App %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>snap %1 is not installed</source>
        <translation>Das Snap %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>the AppImage of its launcher is gone</source>
        <translation>das AppImage seines Starters existiert nicht mehr</translation>
    </message>
    <message>
        <source>its AppImage %1 is gone</source>
        <translation>sein AppImage %1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>its program %1 no longer exists</source>
        <translation>sein Programm %1 existiert nicht mehr</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n item(s) to the Trash.</source>
        <translation>
            <numerusform>%n Objekt in den Papierkorb verschoben.</numerusform>
            <numerusform>%n Objekte in den Papierkorb verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed: %1</source>
        <translation>
            <numerusform>%n Objekt konnte nicht entfernt werden: %1</numerusform>
            <numerusform>%n Objekte konnten nicht entfernt werden: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>named like Debian package %1, which is not installed</source>
        <translation>benannt wie das Debian-Paket %1, das nicht installiert ist</translation>
    </message>
    <message>
        <source>its container belongs to %1, which is not installed</source>
        <translation>sein Container gehört zu %1, das nicht installiert ist</translation>
    </message>
    <message>
        <source>named by %1, which is not installed</source>
        <translation>benannt nach %1, das nicht installiert ist</translation>
    </message>
    <message>
        <source>a folder of %1, none of whose apps is installed</source>
        <translation>ein Ordner von %1, dessen Apps alle nicht installiert sind</translation>
    </message>
    <message>
        <source>named like %1, which is not installed</source>
        <translation>benannt wie %1, das nicht installiert ist</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>snap</source>
        <translation>Snap</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>Debian package</source>
        <translation>Debian-Paket</translation>
    </message>
    <message>
        <source>app bundle</source>
        <translation>App-Bundle</translation>
    </message>
    <message>
        <source>launcher</source>
        <translation>Starter</translation>
    </message>
    <message>
        <source>%1, removed %2</source>
        <translation>%1, entfernt am %2</translation>
    </message>
    <message>
        <source>(its settings in dconf stay: %1)</source>
        <translation>(seine Einstellungen in dconf bleiben: %1)</translation>
    </message>
</context>
<context>
    <name>tidewell::PackageUninstaller</name>
    <message>
        <source>Uninstalling…</source>
        <translation>Wird deinstalliert …</translation>
    </message>
    <message>
        <source>Uninstalled.</source>
        <translation>Deinstalliert.</translation>
    </message>
    <message>
        <source>The command could not be run.</source>
        <translation>Der Befehl konnte nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>The command failed with exit code %1.</source>
        <translation>Der Befehl ist mit Exit-Code %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>Der Befehl ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The command could not be run: %1.</source>
        <translation>Der Befehl konnte nicht ausgeführt werden: %1.</translation>
    </message>
</context>
<context>
    <name>tidewell::RemovalOutcome</name>
    <message>
        <source>Putting items back…</source>
        <translation>Objekte werden zurückgelegt …</translation>
    </message>
</context>
</TS>
