<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CChildView</name>
    <message>
        <source>The file&apos;s compressed data is damaged (checksum mismatch). Open it anyway?</source>
        <translation>Die komprimierten Daten der Datei sind beschädigt (Prüfsumme falsch). Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Reference lists (*.kvx *.ckvx *.csv)</source>
        <translation>Referenzlisten (*.kvx *.ckvx *.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>All Network Database File (*.KVX *.CKVX)</source>
        <translation>Alle Senderdatenbank-Dateien (*.KVX *.CKVX)</translation>
    </message>
    <message>
        <source>All file (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>SATCODX File (*.SDX)</source>
        <translation>SATCODX-Datei (*.SDX)</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>HTML File (*.html *.htm)</source>
        <translation>HTML-Datei (*.html *.htm)</translation>
    </message>
    <message>
        <source>Network Database File (*.KVX)</source>
        <translation>Senderdatenbank-Datei (*.KVX)</translation>
    </message>
    <message>
        <source>Compressed Network Database File (*.CKVX)</source>
        <translation>Komprimierte Senderdatenbank-Datei (*.CKVX)</translation>
    </message>
</context>
<context>
    <name>CKVXEditApp</name>
    <message>
        <source>Edit the channel databases of digital TV receivers: KVX and CKVX files.</source>
        <translation>Bearbeitet die Senderdatenbanken digitaler TV-Receiver: KVX- und CKVX-Dateien.</translation>
    </message>
    <message>
        <source>The KVX or CKVX file to open.</source>
        <translation>Die zu öffnende KVX- oder CKVX-Datei.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>Creates a new KVX file
New</source>
        <translation>Erstellt eine neue KVX-Datei
Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Opens an existing KVX file
Open</source>
        <translation>Öffnet eine vorhandene KVX-Datei
Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Closes the KVX file
Close</source>
        <translation>Schließt die KVX-Datei
Schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Saves the KVX file
Save</source>
        <translation>Speichert die KVX-Datei
Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Saves the KVX file with a new name
Save As</source>
        <translation>Speichert die KVX-Datei unter neuem Namen
Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print all or parts of the KVX file
Print</source>
        <translation>Druckt die KVX-Datei ganz oder in Teilen
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Shows the printed report page by page
Print Preview</source>
        <translation>Zeigt den Druckbericht Seite für Seite
Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>Senderliste &amp;exportieren...</translation>
    </message>
    <message>
        <source>Writes the channel list as a CSV or HTML file
Export Channel List</source>
        <translation>Schreibt die Senderliste als CSV- oder HTML-Datei
Senderliste exportieren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Letzte Änderung rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Zuletzt rückgängig gemachte Änderung wiederholen
Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Apply Reference List...</source>
        <translation>Referenzliste &amp;anwenden...</translation>
    </message>
    <message>
        <source>Give the channels the numbers and favourite groups of an old channel list
Apply Reference List</source>
        <translation>Den Sendern die Nummern und Favoritengruppen einer alten Senderliste geben
Referenzliste anwenden</translation>
    </message>
    <message>
        <source>&amp;Check Database...</source>
        <translation>Datenbank &amp;prüfen...</translation>
    </message>
    <message>
        <source>Find duplicate, empty and orphaned records and review their clean-up
Check Database</source>
        <translation>Doppelte, leere und verwaiste Einträge finden und ihre Bereinigung prüfen
Datenbank prüfen</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>Änderungsd&amp;atum...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>Letztes Änderungsdatum anzeigen oder bearbeiten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the KVX file
Exit</source>
        <translation>Programm beenden; fragt, ob die KVX-Datei gespeichert werden soll
Beenden</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>&amp;Bearbeitungsleiste</translation>
    </message>
    <message>
        <source>Show or hide the edit bar
Toggle EditBar</source>
        <translation>Bearbeitungsleiste ein- oder ausblenden
Bearbeitungsleiste</translation>
    </message>
    <message>
        <source>&amp;Channel List</source>
        <translation>&amp;Senderliste</translation>
    </message>
    <message>
        <source>Show the channel list
Ch List</source>
        <translation>Senderliste anzeigen
Senderliste</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Werkzeugleiste ein- oder ausblenden
Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste</translation>
    </message>
    <message>
        <source>Import &amp;SATCODX</source>
        <translation>&amp;SATCODX importieren</translation>
    </message>
    <message>
        <source>Load the selected satellite from SATCODX file
SATCODX</source>
        <translation>Den gewählten Satelliten aus einer SATCODX-Datei laden
SATCODX</translation>
    </message>
    <message>
        <source>Update from &amp;Lyngsat</source>
        <translation>Von &amp;Lyngsat aktualisieren</translation>
    </message>
    <message>
        <source>Load the selected satellite from Lyngsat site
LYNGSAT</source>
        <translation>Den gewählten Satelliten von der Lyngsat-Seite laden
LYNGSAT</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>Nach &amp;Grad sortieren</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree
Sort by Degree</source>
        <translation>Satellitenliste nach Grad sortieren
Nach Grad sortieren</translation>
    </message>
    <message>
        <source>TP Sort by &amp;Frequency in Network</source>
        <translation>TPs im Netz nach &amp;Frequenz sortieren</translation>
    </message>
    <message>
        <source>Sort the transponder list by frequency
Sort by Frequency</source>
        <translation>Transponderliste nach Frequenz sortieren
Nach Frequenz sortieren</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add a new transponder
Add Tp(Shift + Insert)</source>
        <translation>Neuen Transponder hinzufügen
TP hinzufügen (Umschalt + Einfg)</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
        <source>Delete the selected transponder
Delete Tp(Shift + Delete)</source>
        <translation>Gewählten Transponder löschen
TP löschen (Umschalt + Entf)</translation>
    </message>
    <message>
        <source>Delete All in &amp;Network</source>
        <translation>Alle im &amp;Netz löschen</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network
Delete All Tps in Net</source>
        <translation>Alle Transponder des gewählten Netzes löschen
Alle TPs im Netz löschen</translation>
    </message>
    <message>
        <source>Add a new program
Add Prog(Shift + Insert)</source>
        <translation>Neues Programm hinzufügen
Programm hinzufügen (Umschalt + Einfg)</translation>
    </message>
    <message>
        <source>Delete the selected program
Delete Prog(Shift + Delete)</source>
        <translation>Gewähltes Programm löschen
Programm löschen (Umschalt + Entf)</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>Alle im &amp;Transponder löschen</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder
Delete Progs In Tp</source>
        <translation>Alle Programme des gewählten Transponders löschen
Programme im TP löschen</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network
Delete Progs In Net</source>
        <translation>Alle Programme des gewählten Netzes löschen
Programme im Netz löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move program
Move up(Shift + Up)</source>
        <translation>Programm verschieben
Nach oben (Umschalt + Hoch)</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move program
Move down(Shift + Down)</source>
        <translation>Programm verschieben
Nach unten (Umschalt + Runter)</translation>
    </message>
    <message>
        <source>Mark &amp;Scrambled</source>
        <translation>Als &amp;verschlüsselt markieren</translation>
    </message>
    <message>
        <source>Mark the selected programs scrambled (an unknown CA system)
Mark Scrambled</source>
        <translation>Gewählte Programme als verschlüsselt markieren (unbekanntes CA-System)
Als verschlüsselt markieren</translation>
    </message>
    <message>
        <source>&amp;Clear Scrambled</source>
        <translation>Verschlüsselung &amp;aufheben</translation>
    </message>
    <message>
        <source>Clear the CA systems of the selected programs, so they are free to air
Clear Scrambled</source>
        <translation>CA-Systeme der gewählten Programme entfernen, sodass sie frei empfangbar sind
Verschlüsselung aufheben</translation>
    </message>
    <message>
        <source>Delete Network</source>
        <translation>Netz löschen</translation>
    </message>
    <message>
        <source>Delete the selected network with its transponders and programs
Delete Network</source>
        <translation>Gewähltes Netz mit seinen Transpondern und Programmen löschen
Netz löschen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>KVXEdit &amp;Help</source>
        <translation>KVXEdit-&amp;Hilfe</translation>
    </message>
    <message>
        <source>Show the user guide
Help</source>
        <translation>Benutzerhandbuch anzeigen
Hilfe</translation>
    </message>
    <message>
        <source>&amp;About KVXEdit...</source>
        <translation>Ü&amp;ber KVXEdit...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Update from &amp;LyngSat</source>
        <translation>Von &amp;LyngSat aktualisieren</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Delete All Transponder in Network</source>
        <translation>Alle Transponder im Netz löschen</translation>
    </message>
    <message>
        <source>Delete All Program in Network</source>
        <translation>Alle Programme im Netz löschen</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Programm hinzufügen</translation>
    </message>
    <message>
        <source>Delete All Program in Transponder</source>
        <translation>Alle Programme im Transponder löschen</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Programm löschen</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Zu &amp;Favoritengruppe hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove from Favourite Group</source>
        <translation>Aus Favoritengruppe &amp;entfernen</translation>
    </message>
    <message>
        <source>Export sa&amp;tellites.xml...</source>
        <translation>satellites.xml e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Writes the satellites and their transponders as a satellites.xml file
Export satellites.xml</source>
        <translation>Schreibt die Satelliten und ihre Transponder als satellites.xml-Datei
satellites.xml exportieren</translation>
    </message>
    <message>
        <source>Update from Scan &amp;Table...</source>
        <translation>Aus Scan-&amp;Tabelle aktualisieren...</translation>
    </message>
    <message>
        <source>Load the selected network&apos;s transponders from a scan table of the system
Scan Table</source>
        <translation>Die Transponder des gewählten Netzes aus einer Scan-Tabelle des Systems laden
Scan-Tabelle</translation>
    </message>
    <message>
        <source>Import satellites.&amp;xml...</source>
        <translation>satellites.&amp;xml importieren...</translation>
    </message>
    <message>
        <source>Load the selected satellite from a satellites.xml file
satellites.xml</source>
        <translation>Den gewählten Satelliten aus einer satellites.xml-Datei laden
satellites.xml</translation>
    </message>
</context>
<context>
    <name>DeleteQuestion</name>
    <message>
        <source>1 program</source>
        <translation>1 Programm</translation>
    </message>
    <message numerus="yes">
        <source>%n programs</source>
        <translation>
            <numerusform>%n Programm</numerusform>
            <numerusform>%n Programme</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation>1 Transponder</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n Transponder</numerusform>
            <numerusform>%n Transponder</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>den %1</translation>
    </message>
    <message>
        <source>all %1</source>
        <translation>alle %1</translation>
    </message>
    <message>
        <source>Delete the network %1?</source>
        <translation>Das Netz %1 löschen?</translation>
    </message>
    <message>
        <source>Delete the network %1 with its %2 and %3?</source>
        <translation>Das Netz %1 löschen? Es enthält %2 und %3.</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>Den Transponder %1 löschen?</translation>
    </message>
    <message>
        <source>Delete the transponder %1 and its %2?</source>
        <translation>Den Transponder %1 und seine Programme (%2) löschen?</translation>
    </message>
    <message>
        <source>Delete the program %1?</source>
        <translation>Das Programm %1 löschen?</translation>
    </message>
    <message>
        <source>Delete %1 in the network %2?</source>
        <translation>%1 im Netz %2 löschen?</translation>
    </message>
    <message>
        <source>Delete %1 in the network %2 and their %3?</source>
        <translation>%1 im Netz %2 und ihre Programme (%3) löschen?</translation>
    </message>
    <message>
        <source>Delete %1 in the transponder %2?</source>
        <translation>%1 im Transponder %2 löschen?</translation>
    </message>
</context>
<context>
    <name>EditApplier</name>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>Einige Netzparameter wurden geändert.
Möchten Sie sie übernehmen?</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>Einige Antenneneinstellungen wurden geändert.
Möchten Sie sie übernehmen?</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>Einige Transponderparameter wurden geändert.
Möchten Sie sie übernehmen?</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>Einige Programmparameter wurden geändert.
Möchten Sie sie übernehmen?</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>Ungültige Frequenz oder Symbolrate
Korrigieren Sie die Fehler oder löschen Sie den Transponder</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Waiting for import SATCODE file</source>
        <translation>Warte auf den Import der SATCODX-Datei</translation>
    </message>
    <message>
        <source>No transponders were found in the file</source>
        <translation>In der Datei wurden keine Transponder gefunden</translation>
    </message>
    <message>
        <source>The transponder list is full; the remaining transponders were not added.</source>
        <translation>Die Transponderliste ist voll; die übrigen Transponder wurden nicht hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>(No name)</source>
        <translation>(Kein Name)</translation>
    </message>
</context>
<context>
    <name>LyngSatUpdater</name>
    <message>
        <source>Please setting a bandwidth and webpage for update</source>
        <translation>Bitte Band und Webseite für die Aktualisierung festlegen</translation>
    </message>
    <message>
        <source>Waiting for the server to respond to a request</source>
        <translation>Warte auf die Antwort des Servers</translation>
    </message>
    <message>
        <source>No network connection could be established</source>
        <translation>Es konnte keine Netzwerkverbindung hergestellt werden</translation>
    </message>
    <message>
        <source>Successfully connected to the server</source>
        <translation>Verbindung zum Server hergestellt</translation>
    </message>
    <message>
        <source>The webpage was not found</source>
        <translation>Die Webseite wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The attempt to connect to the server failed.</source>
        <translation>Der Verbindungsversuch zum Server ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>File Download Error!
The webpage was not found.</source>
        <translation>Fehler beim Herunterladen!
Die Webseite wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Can`t found download file.</source>
        <translation>Die heruntergeladene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Can`t Open temp file.</source>
        <translation>Die temporäre Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The download was cancelled.
Nothing was changed.</source>
        <translation>Das Herunterladen wurde abgebrochen.
Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The server did not send the page within %1.
Nothing was changed.</source>
        <translation>Der Server hat die Seite nicht innerhalb von %1 gesendet.
Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1; the download was stopped.
Nothing was changed.</source>
        <translation>Der Server hat %1 lang nichts gesendet; das Herunterladen wurde gestoppt.
Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The webpage was not found (404).
Nothing was changed.</source>
        <translation>Die Webseite wurde nicht gefunden (404).
Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The server answered %1.
Nothing was changed.</source>
        <translation>Der Server antwortete: %1.
Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The server redirected the download again and again without sending the page.
Nothing was changed.</source>
        <translation>Der Server hat das Herunterladen immer wieder umgeleitet, ohne die Seite zu senden.
Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The server redirected the download to another site (%1); only redirects within %2 are followed.
Nothing was changed.</source>
        <translation>Der Server hat das Herunterladen auf eine andere Seite umgeleitet (%1); nur Umleitungen innerhalb von %2 werden befolgt.
Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached.
Nothing was changed.</source>
        <translation>Der Server %1 war nicht erreichbar.
Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The file is too large to be a LyngSat page.
Nothing was changed.</source>
        <translation>Die Datei ist zu groß für eine LyngSat-Seite.
Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>No transponders were found on the page</source>
        <translation>Auf der Seite wurden keine Transponder gefunden</translation>
    </message>
    <message>
        <source>1 DVB-S2 row (&quot;Include DVB-S2&quot; is off)</source>
        <translation>1 DVB-S2-Zeile („Mit DVB-S2“ ist aus)</translation>
    </message>
    <message numerus="yes">
        <source>%n DVB-S2 rows (&quot;Include DVB-S2&quot; is off)</source>
        <translation>
            <numerusform>%n DVB-S2-Zeile („Mit DVB-S2“ ist aus)</numerusform>
            <numerusform>%n DVB-S2-Zeilen („Mit DVB-S2“ ist aus)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 HD row (&quot;Include HD&quot; is off)</source>
        <translation>1 HD-Zeile („Mit HD“ ist aus)</translation>
    </message>
    <message numerus="yes">
        <source>%n HD rows (&quot;Include HD&quot; is off)</source>
        <translation>
            <numerusform>%n HD-Zeile („Mit HD“ ist aus)</numerusform>
            <numerusform>%n HD-Zeilen („Mit HD“ ist aus)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 feed (&quot;Include Feeds&quot; is off)</source>
        <translation>1 Feed („Mit Feeds“ ist aus)</translation>
    </message>
    <message numerus="yes">
        <source>%n feeds (&quot;Include Feeds&quot; is off)</source>
        <translation>
            <numerusform>%n Feed („Mit Feeds“ ist aus)</numerusform>
            <numerusform>%n Feeds („Mit Feeds“ ist aus)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 row outside the chosen band</source>
        <translation>1 Zeile außerhalb des gewählten Bands</translation>
    </message>
    <message numerus="yes">
        <source>%n rows outside the chosen band</source>
        <translation>
            <numerusform>%n Zeile außerhalb des gewählten Bands</numerusform>
            <numerusform>%n Zeilen außerhalb des gewählten Bands</numerusform>
        </translation>
    </message>
    <message>
        <source>No transponders were found on the page.
1 row was left out by the options: %1.</source>
        <translation>Auf der Seite wurden keine Transponder gefunden.
1 Zeile wurde durch die Optionen ausgelassen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>No transponders were found on the page.
%n rows were left out by the options: %1.</source>
        <translation>
            <numerusform>Auf der Seite wurden keine Transponder gefunden.
%n Zeile wurde durch die Optionen ausgelassen: %1.</numerusform>
            <numerusform>Auf der Seite wurden keine Transponder gefunden.
%n Zeilen wurden durch die Optionen ausgelassen: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameCheck</name>
    <message>
        <source>The name &quot;%1&quot; cannot be stored: %2 has no %3.
Change the name or choose another name encoding.</source>
        <translation>Der Name „%1“ kann nicht gespeichert werden: %2 kennt %3 nicht.
Ändern Sie den Namen oder wählen Sie eine andere Namenskodierung.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has characters that %2 cannot hold.
Store it as a Cyrillic name (ISO 8859-5)?</source>
        <translation>Der Name „%1“ enthält Zeichen, die %2 nicht darstellen kann.
Als kyrillischen Namen (ISO 8859-5) speichern?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The file is too large to be a SATCODX file.</source>
        <translation>Die Datei ist zu groß für eine SATCODX-Datei.</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>SATCODX importieren</translation>
    </message>
    <message>
        <source>The network already holds every transponder of the file; nothing was changed</source>
        <translation>Das Netz enthält bereits alle Transponder der Datei; nichts wurde geändert</translation>
    </message>
    <message>
        <source>Downloading %1: %2</source>
        <translation>Lade %1 herunter: %2</translation>
    </message>
    <message>
        <source>Update from LyngSat</source>
        <translation>Aktualisierung von LyngSat</translation>
    </message>
    <message>
        <source>The network already matches the page; nothing was changed</source>
        <translation>Das Netz entspricht bereits der Seite; nichts wurde geändert</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Kein Name</translation>
    </message>
    <message>
        <source>Modified %1-%2-%3</source>
        <translation>Geändert %1-%2-%3</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>The database holds no networks.</source>
        <translation>Die Datenbank enthält keine Netze.</translation>
    </message>
    <message>
        <source>Terrestrial network</source>
        <translation>Terrestrisches Netz</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>LNB %1</source>
        <translation>LNB %1</translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation>1 Transponder</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n Transponder</numerusform>
            <numerusform>%n Transponder</numerusform>
        </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Laying out the report</source>
        <translation>Bericht wird gesetzt</translation>
    </message>
    <message>
        <source>Drawing the pages</source>
        <translation>Seiten werden gezeichnet</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Downloading %1
%2</source>
        <translation>Lade %1 herunter
%2</translation>
    </message>
    <message>
        <source>%1 of %2 received</source>
        <translation>%1 von %2 empfangen</translation>
    </message>
    <message>
        <source>%1 received</source>
        <translation>%1 empfangen</translation>
    </message>
    <message>
        <source>%1 MHz &amp;middot; %2 MHz bandwidth &amp;middot; DVB-T</source>
        <translation>%1 MHz &amp;middot; %2 MHz Bandbreite &amp;middot; DVB-T</translation>
    </message>
    <message>
        <source>The list holds no transponder of this kind of network.</source>
        <translation>Die Liste enthält keinen Transponder für diese Art von Netz.</translation>
    </message>
    <message>
        <source>The list holds no transponder.</source>
        <translation>Die Liste enthält keinen Transponder.</translation>
    </message>
    <message>
        <source>The network already matches the list; nothing was changed</source>
        <translation>Das Netz entspricht bereits der Liste; nichts wurde geändert</translation>
    </message>
    <message>
        <source>Update from Scan Table</source>
        <translation>Aus Scan-Tabelle aktualisieren</translation>
    </message>
    <message>
        <source>The file is too large to be a scan table.</source>
        <translation>Die Datei ist zu groß für eine Scan-Tabelle.</translation>
    </message>
    <message>
        <source>satellites.xml (*.xml)</source>
        <translation>satellites.xml (*.xml)</translation>
    </message>
    <message>
        <source>All file (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file is too large to be a satellites.xml file.</source>
        <translation>Die Datei ist zu groß für eine satellites.xml-Datei.</translation>
    </message>
    <message>
        <source>The file holds no &lt;sat&gt; element.</source>
        <translation>Die Datei enthält kein &lt;sat&gt;-Element.</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>satellites.xml importieren</translation>
    </message>
    <message>
        <source>No scan tables were found in %1. The package dtv-scan-tables provides them.</source>
        <translation>In %1 wurden keine Scan-Tabellen gefunden. Das Paket dtv-scan-tables stellt sie bereit.</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>the number &quot;%1&quot; is not a number from %2 to %3</source>
        <translation>die Nummer „%1“ ist keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is not a number from %2 to %3</source>
        <translation>die Frequenz „%1“ ist keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>the service ID &quot;%1&quot; is not a number from %2 to %3</source>
        <translation>die Service-ID „%1“ ist keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>the type &quot;%1&quot; is neither TV nor Radio</source>
        <translation>der Typ „%1“ ist weder TV noch Radio</translation>
    </message>
    <message>
        <source>the polarity &quot;%1&quot; is not V, H, R or L</source>
        <translation>die Polarisation „%1“ ist nicht V, H, R oder L</translation>
    </message>
    <message>
        <source>no favourite group is left for &quot;%1&quot;</source>
        <translation>für „%1“ ist keine Favoritengruppe mehr frei</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Keine Datei gefunden</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>Datei beschädigt</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>Die Datei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Invalid KVX format</source>
        <translation>Ungültiges KVX-Format</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>Falsche Prüfsumme</translation>
    </message>
    <message>
        <source>KVX Version not supported</source>
        <translation>KVX-Version nicht unterstützt</translation>
    </message>
    <message>
        <source>The database is too large for a KVX file</source>
        <translation>Die Datenbank ist zu groß für eine KVX-Datei</translation>
    </message>
    <message>
        <source>This is a folder, not a file</source>
        <translation>Das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>This is a FIFO (named pipe), not a file</source>
        <translation>Das ist ein FIFO (benannte Pipe), keine Datei</translation>
    </message>
    <message>
        <source>This is a device, not a file</source>
        <translation>Das ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>This is a socket, not a file</source>
        <translation>Das ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>The file&apos;s compressed data is damaged (checksum mismatch)</source>
        <translation>Die komprimierten Daten der Datei sind beschädigt (Prüfsumme falsch)</translation>
    </message>
    <message>
        <source>The file&apos;s compressed data is damaged or truncated</source>
        <translation>Die komprimierten Daten der Datei sind beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>The database has changed since its changes were listed; nothing was changed</source>
        <translation>Die Datenbank hat sich geändert, seit ihre Änderungen aufgelistet wurden; nichts wurde geändert</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>BEIDE</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>EIN (Auto)</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
</context>
<context>
    <name>kvx::CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 Version %2</translation>
    </message>
</context>
<context>
    <name>kvx::CChildView</name>
    <message>
        <source>Channel List</source>
        <translation>Senderliste</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Kein Name</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (geändert)</translation>
    </message>
    <message>
        <source>The file was changed by another program. Overwrite it?</source>
        <translation>Die Datei wurde von einem anderen Programm geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Network Changes</source>
        <translation>Netzänderungen</translation>
    </message>
    <message>
        <source>Transponder Changes</source>
        <translation>Transponderänderungen</translation>
    </message>
    <message>
        <source>Program Changes</source>
        <translation>Programmänderungen</translation>
    </message>
    <message>
        <source>Encountered an improper argument.</source>
        <translation>Ein ungültiges Argument ist aufgetreten.</translation>
    </message>
    <message>
        <source>%1 (and %2 more)</source>
        <translation>%1 (und %2 weitere)</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>The database has no duplicates or empty records.</source>
        <translation>Die Datenbank enthält keine doppelten oder leeren Einträge.</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Datenbank prüfen</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>SATCODX importieren</translation>
    </message>
    <message>
        <source>Update from LyngSat</source>
        <translation>Aktualisierung von LyngSat</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n programs?</source>
        <translation>
            <numerusform>%n Programm löschen?</numerusform>
            <numerusform>%n Programme löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n transponders and their programs?</source>
        <translation>
            <numerusform>%n Transponder und seine Programme löschen?</numerusform>
            <numerusform>%n Transponder und ihre Programme löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>Programme löschen</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>Der Drucker konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Rows left out:</source>
        <translation>Ausgelassene Zeilen:</translation>
    </message>
    <message>
        <source>The reference list changes nothing.</source>
        <translation>Die Referenzliste ändert nichts.</translation>
    </message>
    <message>
        <source>Apply Reference List</source>
        <translation>Referenzliste anwenden</translation>
    </message>
    <message>
        <source>Add to Favourite Group</source>
        <translation>Zur Favoritengruppe hinzufügen</translation>
    </message>
    <message>
        <source>Remove from Favourite Group</source>
        <translation>Aus Favoritengruppe entfernen</translation>
    </message>
    <message>
        <source>Mark Scrambled</source>
        <translation>Als verschlüsselt markieren</translation>
    </message>
    <message>
        <source>Clear Scrambled</source>
        <translation>Verschlüsselung aufheben</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Nach Frequenz sortieren</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n programs in %1 networks?</source>
        <translation>
            <numerusform>%n Programm in %1 Netzen löschen?</numerusform>
            <numerusform>Alle %n Programme in %1 Netzen löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all %1 transponders and %2 programs in %3 networks?</source>
        <translation>Alle Transponder (%1) und Programme (%2) in den Netzen (%3) löschen?</translation>
    </message>
    <message>
        <source>Delete All Programs in Network</source>
        <translation>Alle Programme im Netz löschen</translation>
    </message>
    <message>
        <source>Delete All Transponders in Network</source>
        <translation>Alle Transponder im Netz löschen</translation>
    </message>
    <message>
        <source>Modification Date</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Nach Grad sortieren</translation>
    </message>
    <message>
        <source>Delete Network</source>
        <translation>Netz löschen</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Programm hinzufügen</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Programm löschen</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>Alle Programme im Transponder löschen</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>The change could not be undone.</source>
        <translation>Die Änderung konnte nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Update from Scan Table</source>
        <translation>Aus Scan-Tabelle aktualisieren</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>satellites.xml importieren</translation>
    </message>
    <message>
        <source>satellites.xml (*.xml)</source>
        <translation>satellites.xml (*.xml)</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgAudio</name>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Enc</source>
        <translation>Kodierung</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>Ungültige PID</translation>
    </message>
    <message>
        <source>The audio list is full: a program can have at most 255 audio tracks.</source>
        <translation>Die Audioliste ist voll: Ein Programm kann höchstens 255 Tonspuren haben.</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgChList</name>
    <message>
        <source>Channel List</source>
        <translation>Senderliste</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>How to use...</source>
        <translation>Bedienung...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Nach Name</translation>
    </message>
    <message>
        <source>By Network and Frequency</source>
        <translation>Nach Netz und Frequenz</translation>
    </message>
    <message>
        <source>By Service ID</source>
        <translation>Nach Service-ID</translation>
    </message>
    <message>
        <source>Scrambled Last</source>
        <translation>Verschlüsselte zuletzt</translation>
    </message>
    <message>
        <source>Sorts the selected channels, or all channels shown when at most one is selected</source>
        <translation>Sortiert die gewählten Sender oder, wenn höchstens einer gewählt ist, alle angezeigten</translation>
    </message>
    <message>
        <source>Move to Number...</source>
        <translation>Auf Nummer verschieben...</translation>
    </message>
    <message>
        <source>Moves the selected channels to a channel number (%1)</source>
        <translation>Verschiebt die gewählten Sender auf eine Sendernummer (%1)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Channel Group</source>
        <translation>Sendergruppe</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Alle Satelliten</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n Sender</numerusform>
            <numerusform>%n Sender</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels, %1 selected</source>
        <translation>
            <numerusform>%n Sender, %1 gewählt</numerusform>
            <numerusform>%n Sender, %1 gewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>Senderliste (geändert)</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Auf Nummer verschieben</translation>
    </message>
    <message>
        <source>Channel number (1 to %1):</source>
        <translation>Sendernummer (1 bis %1):</translation>
    </message>
    <message>
        <source>Channel number of the first of the %1 selected channels (1 to %2):</source>
        <translation>Sendernummer des ersten der %1 gewählten Sender (1 bis %2):</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Zu %1 hinzufügen</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Aus %1 entfernen</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>Keine Übereinstimmung gefunden...</translation>
    </message>
    <message>
        <source>
To sort the channel list

	- Click the left mouse button on a column header of the list.
	- Or choose an order from Sort; with several channel items selected, only they are sorted.

To select several channel items

	- Ctrl+click adds or takes away one; Shift+click selects up to one; Ctrl+A selects all.

To move a channel item, or the selected ones as a block

	- Drag and drop a channel item.
	- Ctrl+Up and Ctrl+Down move them one place; Move to Number (Ctrl+M) moves them to a number.

To remove channel items from the favorite group shown

	- Press Delete.

To add a channel item to a favorite group
To remove a channel item from a favorite group

	- Click the right mouse button on the name of a channel item
</source>
        <translation>
Senderliste sortieren

	- Klicken Sie mit der linken Maustaste auf einen Spaltenkopf der Liste.
	- Oder wählen Sie eine Reihenfolge unter „Sortieren“; sind mehrere Sender gewählt, werden nur diese sortiert.

Mehrere Sender auswählen

	- Strg+Klick fügt einen hinzu oder nimmt ihn weg; Umschalt+Klick wählt bis zu einem; Strg+A wählt alle.

Einen Sender oder die gewählten als Block verschieben

	- Ziehen Sie einen Sender mit der Maus.
	- Strg+Hoch und Strg+Runter verschieben sie um eine Stelle; „Auf Nummer verschieben“ (Strg+M) auf eine Nummer.

Sender aus der angezeigten Favoritengruppe entfernen

	- Drücken Sie Entf.

Einen Sender einer Favoritengruppe hinzufügen
Einen Sender aus einer Favoritengruppe entfernen

	- Klicken Sie mit der rechten Maustaste auf den Namen eines Senders
</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgDate</name>
    <message>
        <source>Recent modification date</source>
        <translation>Letztes Änderungsdatum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>Ungültige Versionseingabe</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[Regionscode][Version dezimal] Bsp.: B002</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgFavName</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>Name der Favoritengruppe</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgLyngSat</name>
    <message>
        <source>Satellite Information</source>
        <translation>Satelliteninformationen</translation>
    </message>
    <message>
        <source>C-Band</source>
        <translation>C-Band</translation>
    </message>
    <message>
        <source>Ku-Band</source>
        <translation>Ku-Band</translation>
    </message>
    <message>
        <source>Include HD</source>
        <translation>Mit HD</translation>
    </message>
    <message>
        <source>Include DVB-S2</source>
        <translation>Mit DVB-S2</translation>
    </message>
    <message>
        <source>Include Feeds</source>
        <translation>Mit Feeds</translation>
    </message>
    <message>
        <source>Remove outdated TPs</source>
        <translation>Veraltete TPs entfernen</translation>
    </message>
    <message>
        <source>Sort by frequency</source>
        <translation>Nach Frequenz sortieren</translation>
    </message>
    <message>
        <source>Satellite Name : %1</source>
        <translation>Satellitenname: %1</translation>
    </message>
    <message>
        <source>Satellite Degree : %1</source>
        <translation>Satellitenposition: %1</translation>
    </message>
    <message>
        <source>Update Band :</source>
        <translation>Zu aktualisierendes Band:</translation>
    </message>
    <message>
        <source>(case sensitive)</source>
        <translation>(Groß-/Kleinschreibung beachten)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgReference</name>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>TV %1, radio %2</source>
        <translation>TV %1, Radio %2</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>reordered</source>
        <translation>umsortiert</translation>
    </message>
    <message>
        <source>Sure matches: %1; name matches: %2; unmatched here: %3; unmatched in the reference: %4; copied: %5</source>
        <translation>Sichere Treffer: %1; Namenstreffer: %2; hier ohne Partner: %3; in der Referenz ohne Partner: %4; kopiert: %5</translation>
    </message>
    <message>
        <source>; new transponders: %1</source>
        <translation>; neue Transponder: %1</translation>
    </message>
    <message>
        <source>1 row of the reference could not be read and is left out (see Rows Left Out).</source>
        <translation>1 Zeile der Referenz konnte nicht gelesen werden und wird ausgelassen (siehe „Ausgelassene Zeilen“).</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the reference could not be read and are left out (see Rows Left Out).</source>
        <translation>
            <numerusform>%n Zeile der Referenz konnte nicht gelesen werden und wird ausgelassen (siehe „Ausgelassene Zeilen“).</numerusform>
            <numerusform>%n Zeilen der Referenz konnten nicht gelesen werden und werden ausgelassen (siehe „Ausgelassene Zeilen“).</numerusform>
        </translation>
    </message>
    <message>
        <source>Apply Reference List - %1</source>
        <translation>Referenzliste anwenden - %1</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favoritengruppen</translation>
    </message>
    <message>
        <source>The favourite groups take the reference&apos;s names and entries</source>
        <translation>Die Favoritengruppen übernehmen Namen und Einträge der Referenz</translation>
    </message>
    <message>
        <source>Program names</source>
        <translation>Programmnamen</translation>
    </message>
    <message>
        <source>The matched programs take the reference&apos;s names</source>
        <translation>Die zugeordneten Programme übernehmen die Namen der Referenz</translation>
    </message>
    <message>
        <source>Copy missing programs</source>
        <translation>Fehlende Programme kopieren</translation>
    </message>
    <message>
        <source>The reference&apos;s programs that match nothing here are added</source>
        <translation>Programme der Referenz, die hier keinen Partner haben, werden hinzugefügt</translation>
    </message>
    <message>
        <source>Also take:</source>
        <translation>Außerdem übernehmen:</translation>
    </message>
    <message>
        <source>Name Matches (%1)</source>
        <translation>Namenstreffer (%1)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Rows Left Out (%1)</source>
        <translation>Ausgelassene Zeilen (%1)</translation>
    </message>
    <message>
        <source>With these choices the reference list changes nothing.</source>
        <translation>Mit dieser Auswahl ändert die Referenzliste nichts.</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Reference name</source>
        <translation>Name in der Referenz</translation>
    </message>
    <message>
        <source>Moved Channels (%1)</source>
        <translation>Verschobene Sender (%1)</translation>
    </message>
    <message>
        <source>Favourite Groups (%1)</source>
        <translation>Favoritengruppen (%1)</translation>
    </message>
    <message>
        <source>Renames (%1)</source>
        <translation>Umbenennungen (%1)</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgReview</name>
    <message>
        <source>Duplicate transponder</source>
        <translation>Doppelter Transponder</translation>
    </message>
    <message>
        <source>Moved program</source>
        <translation>Verschobenes Programm</translation>
    </message>
    <message>
        <source>Duplicate program</source>
        <translation>Doppeltes Programm</translation>
    </message>
    <message>
        <source>Empty transponder</source>
        <translation>Leerer Transponder</translation>
    </message>
    <message>
        <source>Zero transponder</source>
        <translation>Null-Transponder</translation>
    </message>
    <message>
        <source>Orphaned program</source>
        <translation>Verwaistes Programm</translation>
    </message>
    <message>
        <source>Repeated favourite</source>
        <translation>Doppelter Favorit</translation>
    </message>
    <message>
        <source>%1, SID %2</source>
        <translation>%1, SID %2</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <translation>%1, %2 %3: %4</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Entfernt</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>; 1 change left out</source>
        <translation>; 1 Änderung ausgelassen</translation>
    </message>
    <message numerus="yes">
        <source>; %n changes left out</source>
        <translation>
            <numerusform>; %n Änderung ausgelassen</numerusform>
            <numerusform>; %n Änderungen ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Position: %1</source>
        <translation>Position: %1</translation>
    </message>
    <message>
        <source>repeats row %1 of the page</source>
        <translation>wiederholt Zeile %1 der Seite</translation>
    </message>
    <message>
        <source>possible duplicate of %1 %2</source>
        <translation>mögliches Duplikat von %1 %2</translation>
    </message>
    <message>
        <source>The transponders are sorted by frequency</source>
        <translation>Die Transponder werden nach Frequenz sortiert</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Aktualisiert</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Sorted</source>
        <translation>Sortiert</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Alle Änderungen</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message>
        <source>With these changes the database would be too large for a KVX file; leave some of them out to apply the rest.</source>
        <translation>Mit diesen Änderungen wäre die Datenbank zu groß für eine KVX-Datei; lassen Sie einige aus, um die übrigen anzuwenden.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>%1 added, %2 updated, %3 removed</source>
        <translation>%1 hinzugefügt, %2 aktualisiert, %3 entfernt</translation>
    </message>
    <message>
        <source> (with 1 program)</source>
        <translation> (mit 1 Programm)</translation>
    </message>
    <message numerus="yes">
        <source> (with %n programs)</source>
        <translation>
            <numerusform> (mit %n Programm)</numerusform>
            <numerusform> (mit %n Programmen)</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 program</source>
        <translation>enthält 1 Programm</translation>
    </message>
    <message numerus="yes">
        <source>holds %n programs</source>
        <translation>
            <numerusform>enthält %n Programm</numerusform>
            <numerusform>enthält %n Programme</numerusform>
        </translation>
    </message>
    <message>
        <source>its favourite entry passes to the kept one</source>
        <translation>sein Favoriteneintrag geht auf das behaltene über</translation>
    </message>
    <message numerus="yes">
        <source>its %n favourite entries pass to the kept one</source>
        <translation>
            <numerusform>sein %n Favoriteneintrag geht auf das behaltene über</numerusform>
            <numerusform>seine %n Favoriteneinträge gehen auf das behaltene über</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>1 Transponder entfernt</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders removed</source>
        <translation>
            <numerusform>%n Transponder entfernt</numerusform>
            <numerusform>%n Transponder entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>1 program removed</source>
        <translation>1 Programm entfernt</translation>
    </message>
    <message numerus="yes">
        <source>%n programs removed</source>
        <translation>
            <numerusform>%n Programm entfernt</numerusform>
            <numerusform>%n Programme entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>1 program moved</source>
        <translation>1 Programm verschoben</translation>
    </message>
    <message numerus="yes">
        <source>%n programs moved</source>
        <translation>
            <numerusform>%n Programm verschoben</numerusform>
            <numerusform>%n Programme verschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>1 favourite entry merged</source>
        <translation>1 Favoriteneintrag zusammengeführt</translation>
    </message>
    <message numerus="yes">
        <source>%n favourite entries merged</source>
        <translation>
            <numerusform>%n Favoriteneintrag zusammengeführt</numerusform>
            <numerusform>%n Favoriteneinträge zusammengeführt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kvx::CDlgSelectModel</name>
    <message>
        <source>For &amp;Satellite Only</source>
        <translation>Nur für &amp;Satellit</translation>
    </message>
    <message>
        <source>For Combo (Satellite + Terrestrial)</source>
        <translation>Für Kombi (Satellit + terrestrisch)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgTransponderList</name>
    <message>
        <source>Remove outdated TPs</source>
        <translation>Veraltete TPs entfernen</translation>
    </message>
    <message>
        <source>Sort by frequency</source>
        <translation>Nach Frequenz sortieren</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Netz: %1</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>kvx::CEditBar</name>
    <message>
        <source>Network</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
</context>
<context>
    <name>kvx::CHelpWindow</name>
    <message>
        <source>KVXEdit Help</source>
        <translation>KVXEdit-Hilfe</translation>
    </message>
    <message>
        <source>The user guide is missing from this build.</source>
        <translation>Diesem Build fehlt das Benutzerhandbuch.</translation>
    </message>
</context>
<context>
    <name>kvx::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Satellite</source>
        <translation>&amp;Satellit</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>&amp;Transponder</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Name Encoding</source>
        <translation>Namens&amp;kodierung</translation>
    </message>
    <message>
        <source>Choose the code page of the names in the database</source>
        <translation>Codepage der Namen in der Datenbank wählen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>Choose the language of the menus and dialogs</source>
        <translation>Sprache der Menüs und Dialoge wählen</translation>
    </message>
    <message>
        <source>The new language is used from the next start of KVXEdit.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von KVXEdit.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Opens this file</source>
        <translation>Öffnet diese Datei</translation>
    </message>
    <message>
        <source>%1 no longer exists. It was removed from the list of recent files.</source>
        <translation>%1 existiert nicht mehr. Die Datei wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
</context>
<context>
    <name>kvx::CProgressBar</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
</context>
<context>
    <name>kvx::ChannelListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorit</translation>
    </message>
</context>
<context>
    <name>kvx::NetworkPage</name>
    <message>
        <source>The layout of this file has no room for skew angles.</source>
        <translation>Das Format dieser Datei hat keinen Platz für Skew-Winkel.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Exists</source>
        <translation>Vorhanden</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Name</translation>
    </message>
    <message>
        <source> Degree</source>
        <translation> Grad</translation>
    </message>
    <message>
        <source> LNB Type</source>
        <translation> LNB-Typ</translation>
    </message>
    <message>
        <source> LNB Freq</source>
        <translation> LNB-Frequenz</translation>
    </message>
    <message>
        <source> LNB Freq H</source>
        <translation> LNB-Frequenz H</translation>
    </message>
    <message>
        <source> LNB Power/Switch</source>
        <translation> LNB-Speisung/Umschaltung</translation>
    </message>
    <message>
        <source> 22Khz Switch</source>
        <translation> 22-kHz-Umschaltung</translation>
    </message>
    <message>
        <source> 12V Switch</source>
        <translation> 12-V-Umschaltung</translation>
    </message>
    <message>
        <source> DiSEqC Switch Level</source>
        <translation> DiSEqC-Schalterstufe</translation>
    </message>
    <message>
        <source> DiSEqC Switch 1.0</source>
        <translation> DiSEqC-Schalter 1.0</translation>
    </message>
    <message>
        <source> DiSEqC Switch 1.1</source>
        <translation> DiSEqC-Schalter 1.1</translation>
    </message>
    <message>
        <source> DiSEqC Positioner Level</source>
        <translation> DiSEqC-Motorstufe</translation>
    </message>
    <message>
        <source> DiSEqC Positioner ID</source>
        <translation> DiSEqC-Motor-ID</translation>
    </message>
    <message>
        <source> Skew Controller</source>
        <translation> Skew-Regler</translation>
    </message>
    <message>
        <source> Skew Angle V</source>
        <translation> Skew-Winkel V</translation>
    </message>
    <message>
        <source> Skew Angle H</source>
        <translation> Skew-Winkel H</translation>
    </message>
</context>
<context>
    <name>kvx::ProgramPage</name>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Subt</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>More Audio...</source>
        <translation>Weitere Tonspuren...</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Name</translation>
    </message>
    <message>
        <source> Service ID</source>
        <translation> Service-ID</translation>
    </message>
    <message>
        <source> Service Type</source>
        <translation> Diensttyp</translation>
    </message>
    <message>
        <source> PMT PID</source>
        <translation> PMT-PID</translation>
    </message>
    <message>
        <source> PCR PID</source>
        <translation> PCR-PID</translation>
    </message>
    <message>
        <source> Video PID</source>
        <translation> Video-PID</translation>
    </message>
    <message>
        <source> Audio PID</source>
        <translation> Audio-PID</translation>
    </message>
    <message>
        <source> Teletext PID</source>
        <translation> Videotext-PID</translation>
    </message>
    <message>
        <source> CA</source>
        <translation> CA</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>Nicht per Service-ID aktualisieren</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Namen nicht aktualisieren</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Video-/Audio-PIDs nicht aktualisieren</translation>
    </message>
</context>
<context>
    <name>kvx::TransponderPage</name>
    <message>
        <source>The layout of this file has no room for transponder names.</source>
        <translation>Das Format dieser Datei hat keinen Platz für Transpondernamen.</translation>
    </message>
    <message>
        <source>Vert</source>
        <translation>Vert.</translation>
    </message>
    <message>
        <source>Horz</source>
        <translation>Horiz.</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>Zirkular rechts</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Zirkular links</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Name</translation>
    </message>
    <message>
        <source> Frequency</source>
        <translation> Frequenz</translation>
    </message>
    <message>
        <source> Symbol Rate</source>
        <translation> Symbolrate</translation>
    </message>
    <message>
        <source> Polarity</source>
        <translation> Polarisation</translation>
    </message>
    <message>
        <source> Transmission</source>
        <translation> Übertragung</translation>
    </message>
    <message>
        <source> FEC</source>
        <translation> FEC</translation>
    </message>
    <message>
        <source> Freq Drift</source>
        <translation> Frequenzdrift</translation>
    </message>
    <message>
        <source> GMT Error</source>
        <translation> GMT-Abweichung</translation>
    </message>
    <message>
        <source> Bandwidth</source>
        <translation> Bandbreite</translation>
    </message>
</context>
</TS>
