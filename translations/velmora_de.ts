<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>Velmora Wizard creates html menus for custom made CDs</source>
        <translation>Velmora Wizard erstellt HTML-Menüs für selbst erstellte CDs</translation>
    </message>
    <message>
        <source>visit %1</source>
        <translation>%1 besuchen</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Build</name>
    <message>
        <source>%1 is a folder; the build cannot write its file there.</source>
        <translation>%1 ist ein Ordner; der Aufbau kann seine Datei dort nicht schreiben.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the build cannot replace it.</source>
        <translation>%1 ist keine normale Datei; der Aufbau kann sie nicht ersetzen.</translation>
    </message>
    <message>
        <source>%1 is not writable.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The CD root folder %1 does not exist.</source>
        <translation>Der CD-Stammordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Der Ordner %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The media file %1 of the style is missing.</source>
        <translation>Die Mediendatei %1 des Stils fehlt.</translation>
    </message>
    <message>
        <source>The media file %1 of the style is not a regular file.</source>
        <translation>Die Mediendatei %1 des Stils ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The media file %1 has the name of the stylesheet %2 that the build writes.</source>
        <translation>Die Mediendatei %1 trägt den Namen des Stylesheets %2, das der Aufbau schreibt.</translation>
    </message>
    <message>
        <source>The media files %1 and %2 have the same name; the Menu folder holds only one.</source>
        <translation>Die Mediendateien %1 und %2 haben denselben Namen; der Ordner Menu fasst nur eine davon.</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; links to %2, which is outside the CD root; the page may only link to files on the CD.</source>
        <translation>Der Eintrag „%1“ verweist auf %2, das außerhalb des CD-Stammordners liegt; die Seite darf nur auf Dateien der CD verweisen.</translation>
    </message>
    <message>
        <source>Your Menu has been successfully created!</source>
        <translation>Ihr Menü wurde erfolgreich erstellt!</translation>
    </message>
    <message>
        <source>The CD root folder %1 is read-only.</source>
        <translation>Der CD-Stammordner %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No CD root folder has been chosen.</source>
        <translation>Es wurde kein CD-Stammordner gewählt.</translation>
    </message>
    <message>
        <source>%1 is a link; the build writes only into a real folder of the CD root.</source>
        <translation>%1 ist eine Verknüpfung; der Aufbau schreibt nur in einen echten Ordner des CD-Stammordners.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot read %1: not a regular file</source>
        <translation>%1 kann nicht gelesen werden: keine normale Datei</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>Die vorhandene Datei %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>No unused temporary file name beside %1</source>
        <translation>Kein freier Name für eine temporäre Datei neben %1</translation>
    </message>
    <message>
        <source>Cannot keep the permissions of %1</source>
        <translation>Die Berechtigungen von %1 können nicht erhalten werden</translation>
    </message>
    <message>
        <source>The file %1 is not inside the CD root %2.<byte value="xd"/>
Please choose a file inside the CD root!</source>
        <translation>Die Datei %1 liegt nicht im CD-Stammordner %2.<byte value="xd"/>
Bitte wählen Sie eine Datei im CD-Stammordner!</translation>
    </message>
    <message>
        <source>There is no menu %1.</source>
        <translation>Es gibt kein Menü %1.</translation>
    </message>
    <message>
        <source>Style %1 of menu %2 does not exist; the default style is used.</source>
        <translation>Der Stil %1 des Menüs %2 existiert nicht; der Standardstil wird verwendet.</translation>
    </message>
    <message>
        <source>Menu %1 has no CD root folder.</source>
        <translation>Das Menü %1 hat keinen CD-Stammordner.</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>Die Seite konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The page has nowhere to go: the device is not open for writing.</source>
        <translation>Die Seite kann nirgends hin: Das Ziel ist nicht zum Schreiben geöffnet.</translation>
    </message>
    <message>
        <source>There is no room for the page&apos;s entries: %1</source>
        <translation>Für die Einträge der Seite ist kein Platz: %1</translation>
    </message>
    <message>
        <source>The page was not written: the menu has no entries.</source>
        <translation>Die Seite wurde nicht geschrieben: Das Menü hat keine Einträge.</translation>
    </message>
    <message>
        <source>The page was not written: %1</source>
        <translation>Die Seite wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>The page was not written: &quot;%1&quot; is not a template.</source>
        <translation>Die Seite wurde nicht geschrieben: „%1“ ist keine Vorlage.</translation>
    </message>
    <message>
        <source>Menu %1 names no style (its style number is &quot;%2&quot;); the default style is used.</source>
        <translation>Das Menü %1 nennt keinen Stil (seine Stilnummer ist „%2“); der Standardstil wird verwendet.</translation>
    </message>
    <message>
        <source>The stylesheet was not written: %1</source>
        <translation>Das Stylesheet wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; cannot be used: its %2 &quot;%3&quot; %4.</source>
        <translation>Der Stil „%1“ kann nicht verwendet werden: Sein Feld %2 „%3“ %4.</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>title colour</source>
        <translation>Titelfarbe</translation>
    </message>
    <message>
        <source>button colour</source>
        <translation>Schaltflächenfarbe</translation>
    </message>
    <message>
        <source>text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>hyperlink colour</source>
        <translation>Linkfarbe</translation>
    </message>
    <message>
        <source>active hyperlink colour</source>
        <translation>Farbe aktiver Links</translation>
    </message>
    <message>
        <source>is not a colour</source>
        <translation>ist keine Farbe</translation>
    </message>
    <message>
        <source>title font</source>
        <translation>Titelschrift</translation>
    </message>
    <message>
        <source>text font</source>
        <translation>Textschrift</translation>
    </message>
    <message>
        <source>hyperlink font</source>
        <translation>Linkschrift</translation>
    </message>
    <message>
        <source>button font</source>
        <translation>Schaltflächenschrift</translation>
    </message>
    <message>
        <source>needs three parts: family;size;weight</source>
        <translation>braucht drei Teile: Familie;Größe;Stärke</translation>
    </message>
    <message>
        <source>has a family name a stylesheet cannot hold</source>
        <translation>hat einen Schriftnamen, den ein Stylesheet nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>has no font size</source>
        <translation>hat keine Schriftgröße</translation>
    </message>
    <message>
        <source>has no font weight</source>
        <translation>hat keine Schriftstärke</translation>
    </message>
    <message>
        <source>logo position top</source>
        <translation>Logo-Position oben</translation>
    </message>
    <message>
        <source>logo position left</source>
        <translation>Logo-Position links</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>ist keine Zahl</translation>
    </message>
    <message>
        <source>background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>background sound</source>
        <translation>Hintergrundklang</translation>
    </message>
    <message>
        <source>logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>button image (on)</source>
        <translation>Schaltflächenbild (an)</translation>
    </message>
    <message>
        <source>button image (off)</source>
        <translation>Schaltflächenbild (aus)</translation>
    </message>
    <message>
        <source>has a file name a stylesheet cannot hold</source>
        <translation>hat einen Dateinamen, den ein Stylesheet nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>The CD root %1 is a file, not a folder.</source>
        <translation>Das CD-Stammverzeichnis %1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The CD root %1 is a link to nothing.</source>
        <translation>Das CD-Stammverzeichnis %1 ist eine Verknüpfung, die ins Leere führt.</translation>
    </message>
    <message>
        <source>The CD root %1 is a link loop.</source>
        <translation>Das CD-Stammverzeichnis %1 ist eine Verknüpfungsschleife.</translation>
    </message>
    <message>
        <source>The field %1 of the style &quot;%2&quot; names %3, which leads out of the style&apos;s folder %4.</source>
        <translation>Das Feld %1 des Stils „%2“ nennt %3, das aus dem Ordner des Stils %4 herausführt.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Velmora Wizard builds an autorun HTML menu for a CD from the files gathered in one folder.
Without a command it opens the wizard window.</source>
        <translation>Velmora Wizard erstellt aus den in einem Ordner gesammelten Dateien ein selbststartendes HTML-Menü für eine CD.
Ohne Befehl öffnet es das Assistentenfenster.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Keep Velmora.dat and the style library in DIR (default: $VELMORA_HOME, else the program folder when Velmora runs from its build folder, else ~/.local/share/Velmora).</source>
        <translation>Velmora.dat und die Stilbibliothek in DIR ablegen (Vorgabe: $VELMORA_HOME, sonst der Programmordner, wenn Velmora aus seinem Build-Ordner läuft, sonst ~/.local/share/Velmora).</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, en, es, fr) instead of the system&apos;s.</source>
        <translation>In der Sprache CODE (de, en, es, fr) statt in der des Systems sprechen.</translation>
    </message>
    <message>
        <source>list                print the stored menus, one per line
build MENUID        rebuild the CD root of a stored menu
</source>
        <translation>list                die gespeicherten Menüs ausgeben, eines je Zeile
build MENUID        den CD-Stammordner eines gespeicherten Menüs neu erstellen
</translation>
    </message>
    <message>
        <source>--home needs the name of a folder.</source>
        <translation>--home braucht den Namen eines Ordners.</translation>
    </message>
    <message>
        <source>VELMORA_HOME is set but empty; name a folder or unset it.</source>
        <translation>VELMORA_HOME ist gesetzt, aber leer; nennen Sie einen Ordner oder entfernen Sie die Variable.</translation>
    </message>
    <message>
        <source>--lang needs a language code such as de, fr or es, not &quot;%1&quot;.</source>
        <translation>--lang braucht einen Sprachcode wie de, fr oder es, nicht „%1“.</translation>
    </message>
    <message>
        <source>list takes no arguments.</source>
        <translation>list nimmt keine Argumente.</translation>
    </message>
    <message>
        <source>build takes one argument, the number of the menu (see &apos;velmora list&apos;).</source>
        <translation>build nimmt ein Argument, die Nummer des Menüs (siehe &apos;velmora list&apos;).</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2.</source>
        <translation>Der Datenordner %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Not enough memory to %1 the menus.</source>
        <translation>Nicht genug Speicher für „%1“ der Menüs.</translation>
    </message>
    <message>
        <source>The %1 command failed: %2</source>
        <translation>Der Befehl %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 geschrieben</translation>
    </message>
    <message>
        <source>add: put every new entry in this category.</source>
        <translation>add: jeden neuen Eintrag in diese Kategorie stellen.</translation>
    </message>
    <message>
        <source>iso: write the image to FILE (default: the menu title with .iso beside the CD root).</source>
        <translation>iso: das Abbild nach FILE schreiben (Vorgabe: der Menütitel mit .iso neben dem CD-Stammordner).</translation>
    </message>
    <message>
        <source>add MENUID PATH...  add entries for the files given
check MENUID        report what would spoil the disc
iso MENUID          write a disc image of the CD root</source>
        <translation>add MENUID PATH...  Einträge für die angegebenen Dateien hinzufügen
check MENUID        melden, was die Disc verderben würde
iso MENUID          ein Disc-Abbild des CD-Stammordners schreiben</translation>
    </message>
    <message>
        <source>add takes the number of the menu and one or more files or folders.</source>
        <translation>add nimmt die Nummer des Menüs und eine oder mehrere Dateien oder Ordner.</translation>
    </message>
    <message>
        <source>%1 takes one argument, the number of the menu (see &apos;velmora list&apos;).</source>
        <translation>%1 nimmt ein Argument, die Nummer des Menüs (siehe &apos;velmora list&apos;).</translation>
    </message>
    <message>
        <source>--category is an option of add.</source>
        <translation>--category ist eine Option von add.</translation>
    </message>
    <message>
        <source>-o is an option of iso.</source>
        <translation>-o ist eine Option von iso.</translation>
    </message>
    <message>
        <source>The CD root folder %1 of menu %2 does not exist.</source>
        <translation>Der CD-Stammordner %1 des Menüs %2 existiert nicht.</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Added %1 as &quot;%2&quot; in %3</source>
        <translation>%1 als „%2“ in %3 hinzugefügt</translation>
    </message>
    <message>
        <source>Nothing to add: every file already has an entry.</source>
        <translation>Nichts hinzuzufügen: Jede Datei hat bereits einen Eintrag.</translation>
    </message>
    <message>
        <source>The CD root has no %1 yet: build the menu first (&apos;velmora build %2&apos;).</source>
        <translation>Der CD-Stammordner hat noch kein %1: Erstellen Sie zuerst das Menü (&apos;velmora build %2&apos;).</translation>
    </message>
    <message>
        <source>Making the disc image: %1%</source>
        <translation>Disc-Abbild wird erstellt: %1%</translation>
    </message>
    <message>
        <source>velmora: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
The commands work without one: see &apos;velmora --help&apos;.</source>
        <translation>velmora: Es gibt keine Anzeige für das Fenster (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).
Die Befehle arbeiten ohne: siehe &apos;velmora --help&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;velmora --help&apos;.</source>
        <translation>Versuchen Sie &apos;velmora --help&apos;.</translation>
    </message>
    <message>
        <source>Added %1 of %2 files; the others were added by another program meanwhile.</source>
        <translation>%1 von %2 Dateien hinzugefügt; die übrigen hat inzwischen ein anderes Programm hinzugefügt.</translation>
    </message>
    <message>
        <source>Show the window at PERCENT (50 to 400) for this run; the View menu&apos;s choice is kept for the next starts.</source>
        <translation>Das Fenster bei diesem Start mit PERCENT Prozent (50 bis 400) zeigen; die Wahl im Menü Ansicht gilt für die nächsten Starts.</translation>
    </message>
    <message>
        <source>--zoom needs a whole percentage from 50 to 400, such as 150.</source>
        <translation>--zoom braucht einen ganzzahligen Prozentwert von 50 bis 400, etwa 150.</translation>
    </message>
    <message>
        <source>burn: the drive to burn with (/dev/sr0; stdio:FILE writes into a file as if it were a disc).</source>
        <translation>burn: das Laufwerk zum Brennen (/dev/sr0; stdio:FILE schreibt in eine Datei, als wäre sie eine Disc).</translation>
    </message>
    <message>
        <source>burn: go through the burn with the laser off.</source>
        <translation>burn: den Brennvorgang mit ausgeschaltetem Laser durchlaufen.</translation>
    </message>
    <message>
        <source>burn: write at N times the disc&apos;s base speed (default: the fastest).</source>
        <translation>burn: mit der N-fachen Grundgeschwindigkeit der Disc schreiben (Vorgabe: so schnell wie möglich).</translation>
    </message>
    <message>
        <source>burn: do not read the disc back.</source>
        <translation>burn: die Disc danach nicht zurücklesen.</translation>
    </message>
    <message>
        <source>burn: erase a rewritable disc that holds data.</source>
        <translation>burn: eine wiederbeschreibbare Disc mit Daten löschen.</translation>
    </message>
    <message>
        <source>burn, copy: eject the medium at the end.</source>
        <translation>burn, copy: das Medium am Ende auswerfen.</translation>
    </message>
    <message>
        <source>copy: the folder (a mounted stick or card) or FAT image to copy the CD root onto.</source>
        <translation>copy: der Ordner (ein eingehängter Stick oder eine Karte) oder das FAT-Abbild, auf das der CD-Stammordner kopiert wird.</translation>
    </message>
    <message>
        <source>burn MENUID         burn the CD root onto a disc
copy MENUID --to FOLDER
                    copy the CD root onto a stick or folder</source>
        <translation>burn MENUID         den CD-Stammordner auf eine Disc brennen
copy MENUID --to FOLDER
                    den CD-Stammordner auf einen Stick oder in einen Ordner kopieren</translation>
    </message>
    <message>
        <source>--%1 is an option of burn.</source>
        <translation>--%1 ist eine Option von burn.</translation>
    </message>
    <message>
        <source>--to is an option of copy.</source>
        <translation>--to ist eine Option von copy.</translation>
    </message>
    <message>
        <source>--eject is an option of burn and copy.</source>
        <translation>--eject ist eine Option von burn und copy.</translation>
    </message>
    <message>
        <source>--speed needs a whole number from 1 to 100, such as 8.</source>
        <translation>--speed braucht eine ganze Zahl von 1 bis 100, etwa 8.</translation>
    </message>
    <message>
        <source>--drive needs a device, such as /dev/sr0.</source>
        <translation>--drive braucht ein Gerät, etwa /dev/sr0.</translation>
    </message>
    <message>
        <source>copy needs --to and the folder of the stick or card.</source>
        <translation>copy braucht --to und den Ordner des Sticks oder der Karte.</translation>
    </message>
    <message>
        <source>No disc burner was found.</source>
        <translation>Es wurde kein Brenner gefunden.</translation>
    </message>
    <message>
        <source>There are several drives; choose one with --drive:</source>
        <translation>Es gibt mehrere Laufwerke; wählen Sie eines mit --drive:</translation>
    </message>
    <message>
        <source>The disc check found problems; nothing was burned.</source>
        <translation>Die Disc-Prüfung hat Probleme gefunden; es wurde nichts gebrannt.</translation>
    </message>
    <message>
        <source>Disc in %1: %2</source>
        <translation>Disc in %1: %2</translation>
    </message>
    <message>
        <source>Nothing was written; give --blank to erase it.</source>
        <translation>Es wurde nichts geschrieben; geben Sie --blank an, um sie zu löschen.</translation>
    </message>
    <message>
        <source>Erasing the disc: %1%</source>
        <translation>Disc wird gelöscht: %1%</translation>
    </message>
    <message>
        <source>Burning: %1%</source>
        <translation>Brennen: %1%</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>Reading the disc back</source>
        <translation>Die Disc wird zurückgelesen</translation>
    </message>
    <message>
        <source>Simulated: the menu (%1 MB) would have been burned onto the %2 in %3; nothing was written.</source>
        <translation>Simuliert: Das Menü (%1 MB) wäre auf die %2 in %3 gebrannt worden; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Burned and verified: %1</source>
        <translation>Gebrannt und geprüft: %1</translation>
    </message>
    <message>
        <source>Burned (not verified): %1</source>
        <translation>Gebrannt (nicht geprüft): %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Copying: %1 of %2 files, %3 of %4 MB</source>
        <translation>Kopieren: %1 von %2 Dateien, %3 von %4 MB</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 kopiert</translation>
    </message>
    <message>
        <source>The files copied so far are complete.</source>
        <translation>Die bisher kopierten Dateien sind vollständig.</translation>
    </message>
    <message>
        <source>Not part of the menu: %1</source>
        <translation>Nicht Teil des Menüs: %1</translation>
    </message>
    <message>
        <source>Copied and verified: %1 files written, %2 unchanged, on %3.</source>
        <translation>Kopiert und geprüft: %1 Dateien geschrieben, %2 unverändert, auf %3.</translation>
    </message>
    <message>
        <source>Windows does not start a menu from a USB drive by itself: open Start.exe or Index.htm on the stick.</source>
        <translation>Windows startet ein Menü auf einem USB-Laufwerk nicht von selbst: Öffnen Sie Start.exe oder Index.htm auf dem Stick.</translation>
    </message>
    <message>
        <source>%1 is not on a removable drive; there is nothing to eject.</source>
        <translation>%1 liegt auf keinem Wechsellaufwerk; es gibt nichts auszuwerfen.</translation>
    </message>
    <message>
        <source>Ejected %1: the drive can be pulled.</source>
        <translation>%1 ausgeworfen: Das Laufwerk kann abgezogen werden.</translation>
    </message>
    <message>
        <source>Left out %1 of the rows of tblMenus: their MenuID is not a positive whole number, or an earlier row has it, so no command can reach them.</source>
        <translation>%1 Zeilen von tblMenus ausgelassen: ihre MenuID ist keine positive ganze Zahl oder gehört schon einer früheren Zeile, also erreicht sie kein Befehl.</translation>
    </message>
    <message>
        <source>%1 is not a menu number: menus are numbered from 1 (see &apos;velmora list&apos;).</source>
        <translation>%1 ist keine Menünummer: Menüs sind ab 1 nummeriert (siehe „velmora list“).</translation>
    </message>
    <message>
        <source>%1 is too large for a menu number (see &apos;velmora list&apos;).</source>
        <translation>%1 ist zu groß für eine Menünummer (siehe „velmora list“).</translation>
    </message>
    <message>
        <source>--category needs a text, the category of the new entries.</source>
        <translation>--category braucht einen Text, die Kategorie der neuen Einträge.</translation>
    </message>
    <message>
        <source>Simulated erasing the %1 in %2; writing onto a disc that holds data can be simulated only once it is erased. Nothing was written.</source>
        <translation>Das Löschen der %1 in %2 wurde simuliert; das Schreiben auf eine Disc mit Daten lässt sich erst nach dem Löschen simulieren. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Removable drives:</source>
        <translation>Wechseldatenträger:</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Cannot create the folder of %1.</source>
        <translation>Der Ordner von %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database: it has no table %2.</source>
        <translation>%1 ist keine Velmora-Datenbank: Ihr fehlt die Tabelle %2.</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database: table %2 has no column %3.</source>
        <translation>%1 ist keine Velmora-Datenbank: Der Tabelle %2 fehlt die Spalte %3.</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database: it is not a database file.</source>
        <translation>%1 ist keine Velmora-Datenbank: Es ist keine Datenbankdatei.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a database.</source>
        <translation>%1 ist ein Ordner, keine Datenbank.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 ist eine Verknüpfung auf eine Datei, die nicht existiert.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>%1 is a broken link</source>
        <translation>%1 ist eine defekte Verknüpfung</translation>
    </message>
    <message>
        <source>permission denied in %1</source>
        <translation>Zugriff verweigert in %1</translation>
    </message>
    <message>
        <source>%1 is locked: another program is using it (%2).</source>
        <translation>%1 ist gesperrt: Ein anderes Programm verwendet die Datei (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be written: the file or its folder is read-only (%2).</source>
        <translation>%1 kann nicht geschrieben werden: Die Datei oder ihr Ordner ist schreibgeschützt (%2).</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 ist keine Datenbankdatei.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read or write %1: %2.</source>
        <translation>%1 kann nicht gelesen oder geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The menu %1 no longer exists; it was deleted by another program.</source>
        <translation>Das Menü %1 existiert nicht mehr; ein anderes Programm hat es gelöscht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>The menu %1 could not be stored.</source>
        <translation>Das Menü %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The menu %1 is stored %2 times; nothing was changed.</source>
        <translation>Das Menü %1 ist %2-mal gespeichert; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The entry %1 of the menu %2 could not be replaced: it no longer exists.</source>
        <translation>Der Eintrag %1 des Menüs %2 konnte nicht ersetzt werden: Er existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The entry %1 of the menu %2 could not be stored.</source>
        <translation>Der Eintrag %1 des Menüs %2 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The entry %1 is no longer in the menu %2.</source>
        <translation>Der Eintrag %1 ist nicht mehr im Menü %2.</translation>
    </message>
    <message>
        <source>The style %1 could not be stored.</source>
        <translation>Der Stil %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The style %1 (number %2) no longer exists; it was deleted by another program.</source>
        <translation>Der Stil %1 (Nummer %2) existiert nicht mehr; ein anderes Programm hat ihn gelöscht.</translation>
    </message>
    <message>
        <source>%1 is a link loop: it leads back to itself.</source>
        <translation>%1 ist eine Verknüpfungsschleife: sie führt zu sich selbst zurück.</translation>
    </message>
    <message>
        <source>%1 could not be changed in %2: %3</source>
        <translation>%1 konnte in %2 nicht geändert werden: %3</translation>
    </message>
    <message>
        <source>The menu %1</source>
        <translation>Das Menü %1</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; of the menu %2</source>
        <translation>Der Eintrag „%1“ des Menüs %2</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot;</source>
        <translation>Der Stil „%1“</translation>
    </message>
    <message>
        <source>The entries of the menu %1 were not stored as given: %2 rows were meant to be added and %3 were; %4 holds something (a trigger?) that changes them. Nothing was added.</source>
        <translation>Die Einträge des Menüs %1 wurden nicht wie angegeben gespeichert: %2 Zeilen sollten hinzukommen, %3 kamen hinzu; %4 enthält etwas (einen Trigger?), das sie ändert. Es wurde nichts hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>DiscBurn</name>
    <message>
        <source>xorriso was not found. Please install the xorriso package to burn discs.</source>
        <translation>xorriso wurde nicht gefunden. Bitte installieren Sie das Paket xorriso, um Discs zu brennen.</translation>
    </message>
    <message>
        <source>xorriso could not be started: %1</source>
        <translation>xorriso konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The drive did not answer.</source>
        <translation>Das Laufwerk hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The drive %1 cannot be read. %2</source>
        <translation>Das Laufwerk %1 kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>A disc is already being burned.</source>
        <translation>Es wird bereits eine Disc gebrannt.</translation>
    </message>
    <message>
        <source>The CD root folder %1 does not exist.</source>
        <translation>Der CD-Stammordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The burn was cancelled. A write-once disc that was being written cannot be used again.</source>
        <translation>Das Brennen wurde abgebrochen. Eine einmal beschreibbare Disc, die gerade beschrieben wurde, ist nicht mehr verwendbar.</translation>
    </message>
    <message>
        <source>xorriso could not burn the disc (exit code %1).
%2</source>
        <translation>xorriso konnte die Disc nicht brennen (Exit-Code %1).
%2</translation>
    </message>
    <message>
        <source>The disc does not match what was written: %1 differs.</source>
        <translation>Die Disc stimmt nicht mit dem Geschriebenen überein: %1 weicht ab.</translation>
    </message>
    <message>
        <source>The disc was burned, but it does not read back as written.
%1</source>
        <translation>Die Disc wurde gebrannt, liest sich aber nicht so zurück, wie sie geschrieben wurde.
%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>no disc</source>
        <translation>keine Disc</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>appendable</source>
        <translation>ergänzbar</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>%1, %2, %3 free</source>
        <translation>%1, %2, %3 frei</translation>
    </message>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>Im Laufwerk liegt keine Disc.</translation>
    </message>
    <message>
        <source>The disc in the drive (%1) cannot be written.</source>
        <translation>Die Disc im Laufwerk (%1) kann nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>The %1 in the drive is closed: nothing more can be written on it.</source>
        <translation>Die %1 im Laufwerk ist abgeschlossen: Darauf kann nichts mehr geschrieben werden.</translation>
    </message>
    <message>
        <source>The menu needs %1, but the %2 in the drive has only %3 free.</source>
        <translation>Das Menü braucht %1, aber die %2 im Laufwerk hat nur %3 frei.</translation>
    </message>
    <message>
        <source>The %1 in the drive holds %2 of data. Burning the menu erases all of it. Erase the disc and burn?</source>
        <translation>Die %1 im Laufwerk enthält %2 Daten. Das Brennen des Menüs löscht alles davon. Disc löschen und brennen?</translation>
    </message>
    <message>
        <source>&amp;Burn to Disc…</source>
        <translation>Auf Disc &amp;brennen…</translation>
    </message>
    <message>
        <source>Burn to Disc</source>
        <translation>Auf Disc brennen</translation>
    </message>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Laufwerk:</translation>
    </message>
    <message>
        <source>Disc:</source>
        <translation>Disc:</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Am schnellsten</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Si&amp;mulate first</source>
        <translation>Zuerst si&amp;mulieren</translation>
    </message>
    <message>
        <source>&amp;Verify the disc after burning</source>
        <translation>Disc nach dem Brennen &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Eject the disc when done</source>
        <translation>Disc am Ende aus&amp;werfen</translation>
    </message>
    <message>
        <source>&amp;Burn</source>
        <translation>&amp;Brennen</translation>
    </message>
    <message>
        <source>Erasing the disc: %1%</source>
        <translation>Disc wird gelöscht: %1%</translation>
    </message>
    <message>
        <source>Reading the disc back to verify it…</source>
        <translation>Die Disc wird zur Prüfung zurückgelesen…</translation>
    </message>
    <message>
        <source>Burning: %1%</source>
        <translation>Brennen: %1%</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>noch %1:%2</translation>
    </message>
    <message>
        <source>Simulating the burn…</source>
        <translation>Brennen wird simuliert…</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>Brennen…</translation>
    </message>
    <message>
        <source>Stop the burn? A write-once disc that is stopped while it is written cannot be used again.</source>
        <translation>Brennen anhalten? Eine einmal beschreibbare Disc, deren Brennen angehalten wird, ist nicht mehr verwendbar.</translation>
    </message>
    <message>
        <source>No disc burner was found. Connect one, or make a disc image (File → Make Disc Image…) and burn it elsewhere.</source>
        <translation>Es wurde kein Brenner gefunden. Schließen Sie einen an, oder erstellen Sie ein Disc-Abbild (Datei → Disc-Abbild erstellen…) und brennen Sie es anderswo.</translation>
    </message>
    <message>
        <source>The simulation went through: the menu (%1) fits on the %2. Burn the disc now?</source>
        <translation>Die Simulation ist gelungen: Das Menü (%1) passt auf die %2. Disc jetzt brennen?</translation>
    </message>
    <message>
        <source>The disc has been burned and verified.</source>
        <translation>Die Disc wurde gebrannt und geprüft.</translation>
    </message>
    <message>
        <source>The disc has been burned (not verified).</source>
        <translation>Die Disc wurde gebrannt (nicht geprüft).</translation>
    </message>
    <message>
        <source>The erase of the %1 went through; writing onto a disc that holds data can be simulated only once it is erased. The menu (%2) fits on it. Erase the disc and burn now?</source>
        <translation>Das Löschen der %1 ist gelungen; das Schreiben auf eine Disc mit Daten lässt sich erst nach dem Löschen simulieren. Das Menü (%2) passt darauf. Disc jetzt löschen und brennen?</translation>
    </message>
    <message>
        <source>Burning a disc needs xorriso.exe beside velmora.exe or on the PATH.</source>
        <translation>Zum Brennen einer Disc wird xorriso.exe neben velmora.exe oder im PATH benötigt.</translation>
    </message>
</context>
<context>
    <name>DiscCheck</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>a CD (700 MB)</source>
        <translation>eine CD (700 MB)</translation>
    </message>
    <message>
        <source>a DVD (4.7 GB)</source>
        <translation>eine DVD (4,7 GB)</translation>
    </message>
    <message>
        <source>a dual-layer DVD (8.5 GB)</source>
        <translation>eine zweischichtige DVD (8,5 GB)</translation>
    </message>
    <message>
        <source>; fits on </source>
        <translation>; passt auf </translation>
    </message>
    <message>
        <source>; too large for </source>
        <translation>; zu groß für </translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>holds the character %1</source>
        <translation>enthält das Zeichen %1</translation>
    </message>
    <message>
        <source>The entry %1 links to %2, which is not inside the CD root.</source>
        <translation>Der Eintrag %1 verweist auf %2, das nicht im CD-Stammordner liegt.</translation>
    </message>
    <message>
        <source>The file %1 of the entry %2 is missing.</source>
        <translation>Die Datei %1 des Eintrags %2 fehlt.</translation>
    </message>
    <message>
        <source>The media file %1 would replace the screenshot %2 of the entry %3.</source>
        <translation>Die Mediendatei %1 würde das Bildschirmfoto %2 des Eintrags %3 ersetzen.</translation>
    </message>
    <message>
        <source>The name %1 %2, which a Joliet disc cannot hold.</source>
        <translation>Der Name %1 %2, was eine Joliet-Disc nicht fassen kann.</translation>
    </message>
    <message>
        <source>The disc check found these problems. Build the menu anyway?</source>
        <translation>Die Disc-Prüfung hat diese Probleme gefunden. Das Menü trotzdem erstellen?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Image size: %1 sectors (%2)</source>
        <translation>Größe des Abbilds: %1 Sektoren (%2)</translation>
    </message>
    <message>
        <source>, estimated</source>
        <translation>, geschätzt</translation>
    </message>
    <message>
        <source>holds the character %1 (U+%2)</source>
        <translation>enthält das Zeichen %1 (U+%2)</translation>
    </message>
    <message>
        <source>The image would take %1 sectors (%2), more than a dual-layer DVD (8.5 GB) can hold.</source>
        <translation>Das Abbild bräuchte %1 Sektoren (%2), mehr als auf eine zweischichtige DVD (8,5 GB) passt.</translation>
    </message>
    <message>
        <source>The entry %1 has no file.</source>
        <translation>Der Eintrag %1 hat keine Datei.</translation>
    </message>
    <message>
        <source>The screenshot %1 of the entry %2 is missing.</source>
        <translation>Das Bildschirmfoto %1 des Eintrags %2 fehlt.</translation>
    </message>
    <message>
        <source>The link %1 leads outside the CD root; the disc image leaves it out.</source>
        <translation>Die Verknüpfung %1 führt aus dem CD-Stammordner hinaus; das Disc-Abbild lässt sie aus.</translation>
    </message>
    <message>
        <source>The link %1 leads to nothing; the disc image leaves it out.</source>
        <translation>Die Verknüpfung %1 führt ins Leere; das Disc-Abbild lässt sie aus.</translation>
    </message>
    <message>
        <source>The link %1 leads back into a folder that holds it; the disc image leaves it out.</source>
        <translation>Die Verknüpfung %1 führt zurück in einen Ordner, der sie enthält; das Disc-Abbild lässt sie aus.</translation>
    </message>
    <message>
        <source>The name %1 cannot be shown on the menu or read on Windows: rename it.</source>
        <translation>Der Name %1 kann im Menü nicht gezeigt und unter Windows nicht gelesen werden: Benennen Sie ihn um.</translation>
    </message>
    <message>
        <source>The names %1 and %2 differ only in letter case; Windows reads only one of them.</source>
        <translation>Die Namen %1 und %2 unterscheiden sich nur in der Groß- und Kleinschreibung; Windows liest nur einen davon.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read, so no disc image can be made of it.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden; daraus lässt sich also kein Disc-Abbild erstellen.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read, so no disc image can be made of it.</source>
        <translation>Die Datei %1 kann nicht gelesen werden; daraus lässt sich also kein Disc-Abbild erstellen.</translation>
    </message>
    <message>
        <source>The hidden folder %1 will go on the disc.</source>
        <translation>Der versteckte Ordner %1 kommt mit auf die Disc.</translation>
    </message>
    <message>
        <source>The hidden file %1 will go on the disc.</source>
        <translation>Die versteckte Datei %1 kommt mit auf die Disc.</translation>
    </message>
    <message>
        <source>, estimated (%1)</source>
        <translation>, geschätzt (%1)</translation>
    </message>
    <message>
        <source>xorriso was not found</source>
        <translation>xorriso wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1 is a pipe, a device or a socket, not a file; the disc image leaves it out.</source>
        <translation>%1 ist eine Pipe, ein Gerät oder ein Socket, keine Datei; das Disc-Abbild lässt es aus.</translation>
    </message>
    <message>
        <source>The name %1 %2, which Windows cannot open from a disc.</source>
        <translation>Der Name %1 %2, was Windows von einer Disc nicht öffnen kann.</translation>
    </message>
    <message>
        <source>ends in a dot</source>
        <translation>endet mit einem Punkt</translation>
    </message>
    <message>
        <source>ends in a blank</source>
        <translation>endet mit einem Leerzeichen</translation>
    </message>
    <message>
        <source>is the device name %1</source>
        <translation>ist der Gerätename %1</translation>
    </message>
</context>
<context>
    <name>DiscImage</name>
    <message>
        <source>xorriso was not found. Please install the xorriso package to make disc images.</source>
        <translation>xorriso wurde nicht gefunden. Bitte installieren Sie das Paket xorriso, um Disc-Abbilder zu erstellen.</translation>
    </message>
    <message>
        <source>A disc image is already being made.</source>
        <translation>Es wird bereits ein Disc-Abbild erstellt.</translation>
    </message>
    <message>
        <source>The image %1 cannot be written inside the CD root %2, which it would hold.</source>
        <translation>Das Abbild %1 kann nicht in den CD-Stammordner %2 geschrieben werden, den es enthalten würde.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Making the disc image was cancelled.</source>
        <translation>Das Erstellen des Disc-Abbilds wurde abgebrochen.</translation>
    </message>
    <message>
        <source>xorriso could not make the disc image (exit code %1).
%2</source>
        <translation>xorriso konnte das Disc-Abbild nicht erstellen (Rückgabewert %1).
%2</translation>
    </message>
    <message>
        <source>Cannot name the disc image %1: %2</source>
        <translation>Das Disc-Abbild kann nicht %1 genannt werden: %2</translation>
    </message>
    <message>
        <source>Make Disc Image…</source>
        <translation>Disc-Abbild erstellen…</translation>
    </message>
    <message>
        <source>Making the disc image…</source>
        <translation>Disc-Abbild wird erstellt…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The disc image %1 has been made.</source>
        <translation>Das Disc-Abbild %1 wurde erstellt.</translation>
    </message>
    <message>
        <source>Make Disc Image</source>
        <translation>Disc-Abbild erstellen</translation>
    </message>
    <message>
        <source>Disc images (*.iso)</source>
        <translation>Disc-Abbilder (*.iso)</translation>
    </message>
    <message>
        <source>Make Disc &amp;Image…</source>
        <translation>Disc-&amp;Abbild erstellen…</translation>
    </message>
    <message>
        <source>xorriso could not be started: %1</source>
        <translation>xorriso konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>xorriso could not tell the image&apos;s size. %1</source>
        <translation>xorriso konnte die Größe des Abbilds nicht ermitteln. %1</translation>
    </message>
    <message>
        <source>Making a disc image needs xorriso.exe beside velmora.exe or on the PATH.</source>
        <translation>Für ein Disc-Abbild wird xorriso.exe neben velmora.exe oder im PATH benötigt.</translation>
    </message>
</context>
<context>
    <name>DriveCopy</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 is neither a folder nor a FAT image. %2</source>
        <translation>%1 ist weder ein Ordner noch ein FAT-Abbild. %2</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The menu cannot be copied into %1, which holds the CD root or lies inside it.</source>
        <translation>Das Menü kann nicht nach %1 kopiert werden, da dieser Ordner den CD-Stammordner enthält oder in ihm liegt.</translation>
    </message>
    <message>
        <source>The CD root folder %1 does not exist.</source>
        <translation>Der CD-Stammordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1: the name is not valid UTF-8 and cannot be copied: rename it</source>
        <translation>%1: Der Name ist kein gültiges UTF-8 und kann nicht kopiert werden: Benennen Sie ihn um</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is not a file or a folder and cannot be copied.</source>
        <translation>%1 ist weder Datei noch Ordner und kann nicht kopiert werden.</translation>
    </message>
    <message>
        <source>%1 and %2 differ only in letter case, which a %3 drive cannot tell apart</source>
        <translation>%1 und %2 unterscheiden sich nur in der Groß- und Kleinschreibung, die ein %3-Laufwerk nicht unterscheidet</translation>
    </message>
    <message>
        <source>%1 on the drive is a file or a link, not a folder: move it away</source>
        <translation>%1 auf dem Laufwerk ist eine Datei oder ein Link, kein Ordner: Verschieben Sie es</translation>
    </message>
    <message>
        <source>%1 on the drive is a folder, not a file: move it away</source>
        <translation>%1 auf dem Laufwerk ist ein Ordner, keine Datei: Verschieben Sie ihn</translation>
    </message>
    <message>
        <source>%1 has %2 free; the menu needs %3 there.</source>
        <translation>%1 hat %2 frei; das Menü braucht dort %3.</translation>
    </message>
    <message>
        <source>%1 did not read back as it was written: the drive may be failing. Nothing was put under its name.</source>
        <translation>%1 ließ sich nicht so zurücklesen, wie es geschrieben wurde: Das Laufwerk ist vielleicht defekt. Unter seinem Namen wurde nichts abgelegt.</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>Das Kopieren wurde abgebrochen.</translation>
    </message>
    <message>
        <source>mtools was not found. Please install the mtools package to copy onto a FAT image.</source>
        <translation>mtools wurde nicht gefunden. Bitte installieren Sie das Paket mtools, um auf ein FAT-Abbild zu kopieren.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1 failed on %2: %3</source>
        <translation>%1 ist an %2 gescheitert: %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 GB is too large for a FAT32 drive, which holds files under 4 GB</source>
        <translation>%1 GB ist zu groß für ein FAT32-Laufwerk, das nur Dateien unter 4 GB aufnimmt</translation>
    </message>
    <message>
        <source>a %1 drive cannot hold a name with &quot; * : &lt; &gt; ? \ | or a control character</source>
        <translation>ein %1-Laufwerk nimmt keinen Namen mit &quot; * : &lt; &gt; ? \ | oder einem Steuerzeichen auf</translation>
    </message>
    <message>
        <source>Windows cannot open a name that ends in a dot or a blank</source>
        <translation>Windows kann keinen Namen öffnen, der auf einen Punkt oder ein Leerzeichen endet</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the drive refused it</source>
        <translation>das Laufwerk hat es abgelehnt</translation>
    </message>
    <message>
        <source>Cannot read back %1: %2</source>
        <translation>%1 kann nicht zurückgelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot name the copy %1: %2</source>
        <translation>Die Kopie kann nicht %1 genannt werden: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be written to the drive: %2</source>
        <translation>%1 konnte nicht auf das Laufwerk geschrieben werden: %2</translation>
    </message>
    <message>
        <source>A file</source>
        <translation>Eine Datei</translation>
    </message>
    <message>
        <source>%1 GB free</source>
        <translation>%1 GB frei</translation>
    </message>
    <message>
        <source>udisksctl did not answer: %1</source>
        <translation>udisksctl hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>The drive is busy: a program still uses a file on it. Close that program and eject again.</source>
        <translation>Das Laufwerk ist belegt: Ein Programm benutzt noch eine Datei darauf. Schließen Sie das Programm und werfen Sie erneut aus.</translation>
    </message>
    <message>
        <source>The drive could not be ejected: %1</source>
        <translation>Das Laufwerk konnte nicht ausgeworfen werden: %1</translation>
    </message>
    <message>
        <source>udisksctl was not found (package udisks2): unmount the drive in the file manager.</source>
        <translation>udisksctl wurde nicht gefunden (Paket udisks2): Hängen Sie das Laufwerk im Dateimanager aus.</translation>
    </message>
    <message>
        <source>Ejecting is not available here: eject the drive in the file manager.</source>
        <translation>Auswerfen ist hier nicht möglich: Werfen Sie das Laufwerk im Dateimanager aus.</translation>
    </message>
    <message>
        <source>&amp;Copy to Drive…</source>
        <translation>Auf Laufwerk &amp;kopieren…</translation>
    </message>
    <message>
        <source>Copy to Drive</source>
        <translation>Auf Laufwerk kopieren</translation>
    </message>
    <message>
        <source>No USB stick or card is mounted. Insert one, or choose a folder.</source>
        <translation>Es ist kein USB-Stick und keine Karte eingehängt. Stecken Sie einen ein oder wählen Sie einen Ordner.</translation>
    </message>
    <message>
        <source>Copy the menu onto:</source>
        <translation>Das Menü kopieren auf:</translation>
    </message>
    <message>
        <source>&amp;Other Folder…</source>
        <translation>&amp;Anderer Ordner…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>The menu cannot be copied onto %1:
%2
Nothing was written.</source>
        <translation>Das Menü kann nicht auf %1 kopiert werden:
%2
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Copying…</source>
        <translation>Kopieren…</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 of %4</source>
        <translation>%1 von %2 Dateien, %3 von %4</translation>
    </message>
    <message>
        <source>The copy was cancelled. The %1 files copied so far are complete; nothing half-written is left on the drive.</source>
        <translation>Das Kopieren wurde abgebrochen. Die %1 bisher kopierten Dateien sind vollständig; nichts Halbfertiges bleibt auf dem Laufwerk.</translation>
    </message>
    <message>
        <source>The menu has been copied onto %1 and verified: %2 files written, %3 unchanged.</source>
        <translation>Das Menü wurde auf %1 kopiert und geprüft: %2 Dateien geschrieben, %3 unverändert.</translation>
    </message>
    <message>
        <source>Not part of the menu: %1</source>
        <translation>Nicht Teil des Menüs: %1</translation>
    </message>
    <message>
        <source>Windows does not start a menu from a USB drive by itself: open Start.exe or Index.htm on the stick.</source>
        <translation>Windows startet ein Menü auf einem USB-Laufwerk nicht von selbst: Öffnen Sie Start.exe oder Index.htm auf dem Stick.</translation>
    </message>
    <message>
        <source>Eject the drive now?</source>
        <translation>Laufwerk jetzt auswerfen?</translation>
    </message>
    <message>
        <source>The drive can be pulled now.</source>
        <translation>Das Laufwerk kann jetzt abgezogen werden.</translation>
    </message>
    <message>
        <source>Copy to Folder</source>
        <translation>In Ordner kopieren</translation>
    </message>
    <message>
        <source>The menu cannot be copied into %1, which holds Velmora&apos;s own data (%2).</source>
        <translation>Das Menü kann nicht nach %1 kopiert werden, das Velmoras eigene Daten enthält (%2).</translation>
    </message>
    <message>
        <source>The drive could not be ejected: it takes no such request. Use &quot;Safely Remove Hardware&quot; on the taskbar.</source>
        <translation>Das Laufwerk konnte nicht ausgeworfen werden: Es nimmt diese Anforderung nicht an. Verwenden Sie „Hardware sicher entfernen“ in der Taskleiste.</translation>
    </message>
</context>
<context>
    <name>Entries</name>
    <message>
        <source>All files (*.*)|*.*</source>
        <translation>Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Pictures (*.jpg;*.gif)|*.jpg;*.gif</source>
        <translation>Bilder (*.jpg;*.gif)|*.jpg;*.gif</translation>
    </message>
    <message>
        <source>Please select a file and enter a file name!</source>
        <translation>Bitte wählen Sie eine Datei und geben Sie einen Dateinamen ein!</translation>
    </message>
    <message>
        <source>An entry titled %1 is already in this menu.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>Ein Eintrag mit dem Titel %1 ist bereits in diesem Menü.<byte value="xd"/>
Möchten Sie ihn ersetzen?</translation>
    </message>
    <message>
        <source>Please select the entry to remove in the list!</source>
        <translation>Bitte wählen Sie den zu entfernenden Eintrag in der Liste!</translation>
    </message>
    <message>
        <source>Do you really want to remove the entry for %1?</source>
        <translation>Möchten Sie den Eintrag für %1 wirklich entfernen?</translation>
    </message>
    <message>
        <source>Entry deleted successfully!</source>
        <translation>Eintrag erfolgreich gelöscht!</translation>
    </message>
    <message>
        <source>  File Descriptions</source>
        <translation>  Dateibeschreibungen</translation>
    </message>
    <message>
        <source>File title</source>
        <translation>Dateititel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Sorry, no matching results</source>
        <translation>Leider keine passenden Ergebnisse</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Now you can add your files and enter the file information. Saved files will be shown in the list and can be edited by clicking on them.</source>
        <translation>Jetzt können Sie Ihre Dateien hinzufügen und die Dateiangaben eingeben. Gespeicherte Dateien erscheinen in der Liste und lassen sich per Klick bearbeiten.</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>File Title:</source>
        <translation>Dateititel:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Screenshot:</source>
        <translation>Bildschirmfoto:</translation>
    </message>
</context>
<context>
    <name>Finish</name>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Open the menu in your browser now?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Das Menü jetzt im Browser öffnen?</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>the page was not found</source>
        <translation>Die Seite wurde nicht gefunden</translation>
    </message>
    <message>
        <source>no browser or opener program is installed</source>
        <translation>Es ist kein Browser und kein Programm zum Öffnen installiert</translation>
    </message>
    <message>
        <source>the browser could not be started</source>
        <translation>Der Browser konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the opener ended with code %1</source>
        <translation>Das Programm zum Öffnen endete mit Code %1</translation>
    </message>
    <message>
        <source>The menu page %1 could not be opened in a browser: %2.</source>
        <translation>Die Menüseite %1 konnte nicht in einem Browser geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>the system has no program for it</source>
        <translation>Das System hat kein Programm dafür</translation>
    </message>
    <message>
        <source>%1 could not be started (%2)</source>
        <translation>%1 konnte nicht gestartet werden (%2)</translation>
    </message>
    <message>
        <source>%1 ended unexpectedly</source>
        <translation>%1 wurde unerwartet beendet</translation>
    </message>
</context>
<context>
    <name>FolderFill</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is neither a file nor a folder.</source>
        <translation>%1 ist weder eine Datei noch ein Ordner.</translation>
    </message>
    <message>
        <source>No files to add: every file under the CD root has an entry.</source>
        <translation>Keine Dateien hinzuzufügen: Jede Datei im CD-Stammordner hat einen Eintrag.</translation>
    </message>
    <message>
        <source>No files to add: every file dropped has an entry already.</source>
        <translation>Keine Dateien hinzuzufügen: Jede abgelegte Datei hat bereits einen Eintrag.</translation>
    </message>
    <message>
        <source>No entries were added.</source>
        <translation>Es wurden keine Einträge hinzugefügt.</translation>
    </message>
    <message>
        <source>1 entry added.</source>
        <translation>1 Eintrag hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 entries added.</source>
        <translation>%1 Einträge hinzugefügt.</translation>
    </message>
    <message>
        <source>These files have no entry yet. Uncheck the ones the menu should not offer.</source>
        <translation>Diese Dateien haben noch keinen Eintrag. Entfernen Sie das Häkchen bei denen, die das Menü nicht anbieten soll.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Category of the checked files:</source>
        <translation>Kategorie der markierten Dateien:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>The link %1 leads outside the CD root; it is not added.</source>
        <translation>Die Verknüpfung %1 führt aus dem CD-Stammordner hinaus; sie wird nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>The name %1 cannot be shown on the menu or read on Windows: rename it.</source>
        <translation>Der Name %1 kann im Menü nicht gezeigt und unter Windows nicht gelesen werden: Benennen Sie ihn um.</translation>
    </message>
    <message>
        <source>%1 is Velmora&apos;s own data; it is not added.</source>
        <translation>%1 gehört zu Velmoras eigenen Daten; es wird nicht hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>General Setting</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Please select the folder which contains all files to be on your CD. This folder will be treated as the CD Root path.</source>
        <translation>Bitte wählen Sie den Ordner, der alle Dateien für Ihre CD enthält. Dieser Ordner wird als CD-Stammordner behandelt.</translation>
    </message>
    <message>
        <source>If you have not yet placed all files to be on your CD into one folder, we recommend you do so  before continuing.</source>
        <translation>Falls Sie noch nicht alle Dateien für Ihre CD in einem Ordner gesammelt haben, empfehlen wir, das vor dem Fortfahren zu tun.</translation>
    </message>
    <message>
        <source>CD root folder:</source>
        <translation>CD-Stammordner:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Vorlage:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Please enter a menu title!</source>
        <translation>Bitte geben Sie einen Menütitel ein!</translation>
    </message>
    <message>
        <source>Please select a root directory for your CD files!</source>
        <translation>Bitte wählen Sie einen Stammordner für Ihre CD-Dateien!</translation>
    </message>
    <message>
        <source>Menu title is already taken, please change your title!,</source>
        <translation>Der Menütitel ist bereits vergeben, bitte ändern Sie Ihren Titel!,</translation>
    </message>
    <message>
        <source>Your root directory is no longer valid!<byte value="xd"/>
Please select a new root directory!</source>
        <translation>Ihr Stammordner ist nicht mehr gültig!<byte value="xd"/>
Bitte wählen Sie einen neuen Stammordner!</translation>
    </message>
    <message>
        <source>The drive %1 cannot be read. Please choose another drive!</source>
        <translation>Das Laufwerk %1 kann nicht gelesen werden. Bitte wählen Sie ein anderes Laufwerk!</translation>
    </message>
</context>
<context>
    <name>ModernPage</name>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Title, description, file or type</source>
        <translation>Titel, Beschreibung, Datei oder Art</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <source>%1 of %2 entries</source>
        <translation>%1 von %2 Einträgen</translation>
    </message>
    <message>
        <source>No entry matches your search.</source>
        <translation>Kein Eintrag passt zu Ihrer Suche.</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Suche löschen</translation>
    </message>
    <message>
        <source>Skip to the entries</source>
        <translation>Zu den Einträgen springen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>entries without a category</comment>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>kind of file</comment>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Archive</source>
        <comment>kind of file</comment>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Program</source>
        <comment>kind of file</comment>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Image</source>
        <comment>kind of file</comment>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>kind of file</comment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>kind of file</comment>
        <translation>Video</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>kind of file</comment>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>KB</source>
        <comment>kibibytes</comment>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <comment>mebibytes</comment>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <comment>gibibytes</comment>
        <translation>GB</translation>
    </message>
    <message>
        <source>TB</source>
        <comment>tebibytes</comment>
        <translation>TB</translation>
    </message>
    <message>
        <source>PB</source>
        <comment>pebibytes</comment>
        <translation>PB</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Pause sound</source>
        <translation>Ton anhalten</translation>
    </message>
    <message>
        <source>Open the sound</source>
        <translation>Ton öffnen</translation>
    </message>
    <message>
        <source>Full-size screenshot: %1</source>
        <translation>Bildschirmfoto in voller Größe: %1</translation>
    </message>
    <message>
        <source>%1: a menu of %2</source>
        <translation>%1: ein Menü mit %2</translation>
    </message>
    <message>
        <source>Made with Velmora</source>
        <translation>Erstellt mit Velmora</translation>
    </message>
    <message>
        <source>Links are printed after each entry.</source>
        <translation>Die Links stehen hinter jedem Eintrag.</translation>
    </message>
</context>
<context>
    <name>OwnData</name>
    <message>
        <source>%1 is part of Velmora&apos;s own data (the menu database or the style library): it cannot be written over. Choose another file.</source>
        <translation>%1 gehört zu Velmoras eigenen Daten (der Menüdatenbank oder der Stilbibliothek): es kann nicht überschrieben werden. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>The CD root %1 holds Velmora&apos;s own data (%2): the disc would carry every stored menu. Choose another CD root, or keep the data elsewhere (--home).</source>
        <translation>Das CD-Stammverzeichnis %1 enthält Velmoras eigene Daten (%2): die Disc trüge jedes gespeicherte Menü. Wählen Sie ein anderes CD-Stammverzeichnis oder bewahren Sie die Daten woanders auf (--home).</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The form %1 cannot be read: %2</source>
        <translation>Das Formular %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The form %1 has no control %2.</source>
        <translation>Das Formular %1 hat kein Steuerelement %2.</translation>
    </message>
    <message>
        <source>the plugin does not know %1</source>
        <translation>das Plugin kennt %1 nicht</translation>
    </message>
    <message>
        <source>The button %1 cannot be made: %2</source>
        <translation>Die Schaltfläche %1 kann nicht erzeugt werden: %2</translation>
    </message>
    <message>
        <source>%1: no corvix plugin there</source>
        <translation>%1: dort ist kein corvix-Plugin</translation>
    </message>
    <message>
        <source>%1 is not a corvix plugin of version %2</source>
        <translation>%1 ist kein corvix-Plugin der Version %2</translation>
    </message>
    <message>
        <source>The button controls (corvix plugin) could not be loaded. </source>
        <translation>Die Schaltflächen-Steuerelemente (corvix-Plugin) konnten nicht geladen werden. </translation>
    </message>
    <message>
        <source>The autorun file %1 was not found, so the disc would not open its menu by itself.</source>
        <translation>Die Autostart-Datei %1 wurde nicht gefunden; die Disc würde ihr Menü also nicht von selbst öffnen.</translation>
    </message>
    <message>
        <source>The autorun files %1 were not found, so the disc would not open its menu by itself.</source>
        <translation>Die Autostart-Dateien %1 wurden nicht gefunden; die Disc würde ihr Menü also nicht von selbst öffnen.</translation>
    </message>
    <message>
        <source>Start.exe is made when Velmora is built with the mingw-w64 cross compiler.</source>
        <translation>Start.exe entsteht, wenn Velmora mit dem Cross-Compiler mingw-w64 gebaut wird.</translation>
    </message>
    <message>
        <source>Looked in: %1.</source>
        <translation>Gesucht in: %1.</translation>
    </message>
</context>
<context>
    <name>Styles</name>
    <message>
        <source>Please choose a style from the list!</source>
        <translation>Bitte wählen Sie einen Stil aus der Liste!</translation>
    </message>
    <message>
        <source>The style %1 cannot be used: its %2 is empty.</source>
        <translation>Der Stil %1 kann nicht verwendet werden: Sein Feld %2 ist leer.</translation>
    </message>
    <message>
        <source>The style folder %1 cannot be created.</source>
        <translation>Der Stilordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>Styles / fonts</source>
        <translation>Stile / Schriften</translation>
    </message>
    <message>
        <source>Please specify the font settings</source>
        <translation>Bitte legen Sie die Schrifteinstellungen fest</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Colour Active:</source>
        <translation>Farbe aktiv:</translation>
    </message>
    <message>
        <source>Styles / images</source>
        <translation>Stile / Bilder</translation>
    </message>
    <message>
        <source>Please specify the image and sound settings</source>
        <translation>Bitte legen Sie die Bild- und Toneinstellungen fest</translation>
    </message>
    <message>
        <source>Style Name:</source>
        <translation>Stilname:</translation>
    </message>
    <message>
        <source>Background Colour:</source>
        <translation>Hintergrundfarbe:</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>Hintergrundbild:</translation>
    </message>
    <message>
        <source>Background Sound:</source>
        <translation>Hintergrundklang:</translation>
    </message>
    <message>
        <source>Logo Image:</source>
        <translation>Logobild:</translation>
    </message>
    <message>
        <source>Logo position top:</source>
        <translation>Logoposition oben:</translation>
    </message>
    <message>
        <source>Logo position left:</source>
        <translation>Logoposition links:</translation>
    </message>
    <message>
        <source>Button Image On:</source>
        <translation>Schaltflächenbild an:</translation>
    </message>
    <message>
        <source>Button Image Off:</source>
        <translation>Schaltflächenbild aus:</translation>
    </message>
    <message>
        <source>Please enter a style name!</source>
        <translation>Bitte geben Sie einen Stilnamen ein!</translation>
    </message>
    <message>
        <source>Please enter a style name without &quot;/&quot; or &quot;\&quot; that is not &quot;.&quot; or &quot;..&quot;!</source>
        <translation>Bitte geben Sie einen Stilnamen ohne „/“ oder „\“ ein, der nicht „.“ oder „..“ ist!</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Logo image</source>
        <translation>Logobild</translation>
    </message>
    <message>
        <source>Background sound</source>
        <translation>Hintergrundklang</translation>
    </message>
    <message>
        <source>Button Off image</source>
        <translation>Schaltflächenbild aus</translation>
    </message>
    <message>
        <source>Button On image</source>
        <translation>Schaltflächenbild an</translation>
    </message>
    <message>
        <source>Following paths are no longer valid, please correct!<byte value="xd"/>
</source>
        <translation>Folgende Pfade sind nicht mehr gültig, bitte korrigieren!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Pictures (*.jpg;*.gif)|*.jpg;*.gif</source>
        <translation>Bilder (*.jpg;*.gif)|*.jpg;*.gif</translation>
    </message>
    <message>
        <source>Sounds (*.wav;*.mp3)|*.wav;*.mp3</source>
        <translation>Klänge (*.wav;*.mp3)|*.wav;*.mp3</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Sorry, no menus available!</source>
        <translation>Leider sind keine Menüs vorhanden!</translation>
    </message>
    <message>
        <source>Please choose a menu from the list!</source>
        <translation>Bitte wählen Sie ein Menü aus der Liste!</translation>
    </message>
    <message>
        <source>Welcome to the Velmora Wizard</source>
        <translation>Willkommen beim Velmora Wizard</translation>
    </message>
    <message>
        <source>What do you want to do?</source>
        <translation>Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Menu:</source>
        <translation>Menü:</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected Menu?</source>
        <translation>Möchten Sie das gewählte Menü wirklich entfernen?</translation>
    </message>
    <message>
        <source>Menu deleted successfully!</source>
        <translation>Menü erfolgreich gelöscht!</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>&amp;Normalgröße</translation>
    </message>
    <message>
        <source>The window will be shown at %1 % from the next start of Velmora.</source>
        <translation>Das Fenster wird ab dem nächsten Start von Velmora mit %1 % gezeigt.</translation>
    </message>
    <message>
        <source>The zoom could not be kept in %1.</source>
        <translation>Der Zoom konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>display system information</source>
        <translation>Systeminformationen anzeigen</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Systeminfo</translation>
    </message>
</context>
<context>
    <name>frmFiles</name>
    <message>
        <source>Finish Wizard and create menu</source>
        <translation>Assistent beenden und Menü erstellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmVelmora</name>
    <message>
        <source>Close programme</source>
        <translation>Programm schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>step back to previous page</source>
        <translation>zurück zur vorigen Seite</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>step forward to next page</source>
        <translation>weiter zur nächsten Seite</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Finish Wizard and create menu</source>
        <translation>Assistent beenden und Menü erstellen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Create a new menu</source>
        <translation>Ein neues Menü erstellen</translation>
    </message>
    <message>
        <source>Create Menu</source>
        <translation>Menü erstellen</translation>
    </message>
    <message>
        <source>Load existing menu</source>
        <translation>Vorhandenes Menü laden</translation>
    </message>
    <message>
        <source>Load Menu</source>
        <translation>Menü laden</translation>
    </message>
    <message>
        <source>Delete a menu</source>
        <translation>Ein Menü löschen</translation>
    </message>
    <message>
        <source>Delete Menu</source>
        <translation>Menü löschen</translation>
    </message>
    <message>
        <source>Load selected menu</source>
        <translation>Gewähltes Menü laden</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Delete selected menu</source>
        <translation>Gewähltes Menü löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Find file description</source>
        <translation>Dateibeschreibung suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Remove file entry from menu</source>
        <translation>Dateieintrag aus dem Menü entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Create new entry in file menu</source>
        <translation>Neuen Eintrag im Dateimenü anlegen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Add entry / save changes</source>
        <translation>Eintrag hinzufügen / Änderungen speichern</translation>
    </message>
    <message>
        <source>Add/Save</source>
        <translation>Hinzufügen/Speichern</translation>
    </message>
    <message>
        <source>Add an entry for every file under the CD root that has none yet</source>
        <translation>Einen Eintrag für jede Datei im CD-Stammordner hinzufügen, die noch keinen hat</translation>
    </message>
    <message>
        <source>Add Folder Contents…</source>
        <translation>Ordnerinhalt hinzufügen…</translation>
    </message>
</context>
</TS>
