<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChangeTicks</name>
    <message>
        <source>International</source>
        <translation>International</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelrufverzeichnis</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenrufverzeichnis</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Benutzer-MMSI</translation>
    </message>
    <message>
        <source>Bytes the editor does not show</source>
        <translation>Bytes, die der Editor nicht zeigt</translation>
    </message>
    <message>
        <source>Program to Radio changes these in the radio: %1 of %2 changes ticked</source>
        <translation>„Funkgerät programmieren“ ändert dies im Funkgerät: %1 von %2 Änderungen angehakt</translation>
    </message>
</context>
<context>
    <name>CliArgumentTexts</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
</context>
<context>
    <name>CliDirectoryTexts</name>
    <message>
        <source>%1 was not saved</source>
        <translation>%1 wurde nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>CliFileTexts</name>
    <message>
        <source>The output could not be written completely</source>
        <translation>Die Ausgabe konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>Standardausgabe: %1</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Dateispeicherfehler!!</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>CliOutcomeTexts</name>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>CliPortTexts</name>
    <message>
        <source>Asking the radio on %1 for its model code...</source>
        <translation>Das Funkgerät an %1 wird nach seinem Modellcode gefragt...</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>A radio answered on %1, but with the model code %2 (%3 at the end of its memory), which is neither an MR7100A&apos;s nor an MR5100A&apos;s.</source>
        <translation>Ein Funkgerät antwortete an %1, aber mit dem Modellcode %2 (%3 am Ende seines Speichers), der weder zu einem MR7100A noch zu einem MR5100A gehört.</translation>
    </message>
    <message>
        <source>An %1 answered on %2 (model code %3).</source>
        <translation>Ein %1 antwortete an %2 (Modellcode %3).</translation>
    </message>
    <message>
        <source>No serial port is present.</source>
        <translation>Keine serielle Schnittstelle vorhanden.</translation>
    </message>
    <message>
        <source>%1 opens: the port is ready. Nothing was sent to the radio.</source>
        <translation>%1 lässt sich öffnen: die Schnittstelle ist bereit. An das Funkgerät wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 opens: the port is ready.</source>
        <translation>%1 lässt sich öffnen: die Schnittstelle ist bereit.</translation>
    </message>
    <message>
        <source>Note: ModemManager (process %1) runs and may probe %2 each time the cable is plugged in. The udev rule of the Debian package keeps it away.</source>
        <translation>Hinweis: ModemManager (Prozess %1) läuft und prüft %2 womöglich jedes Mal, wenn das Kabel eingesteckt wird. Die udev-Regel des Debian-Pakets hält ihn davon ab.</translation>
    </message>
</context>
<context>
    <name>CliPrintTexts</name>
    <message>
        <source>printing needs the program started with the print command</source>
        <translation>Drucken setzt voraus, dass das Programm mit dem Befehl print gestartet wurde</translation>
    </message>
    <message>
        <source>The printed report could not be drawn</source>
        <translation>Der gedruckte Bericht konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>CliRadioTexts</name>
    <message>
        <source>Read from Radio</source>
        <translation>Funkgerät auslesen</translation>
    </message>
    <message>
        <source>What was read is kept in the backup %1; quorlink-cli convert --model %2 %1 OUT makes the file from it.</source>
        <translation>Was gelesen wurde, ist in der Sicherung %1 aufbewahrt; quorlink-cli convert --model %2 %1 OUT erzeugt daraus die Datei.</translation>
    </message>
    <message>
        <source>No backup of this read could be kept either: read the radio again.</source>
        <translation>Auch von diesem Auslesen konnte keine Sicherung aufbewahrt werden: lesen Sie das Funkgerät erneut aus.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>%1 Nothing was written; give --allow-mmsi-change to write anyway.</source>
        <translation>%1 Es wurde nichts geschrieben; geben Sie --allow-mmsi-change an, um trotzdem zu schreiben.</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Clearing</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>CliUsageTexts</name>
    <message>
        <source>Writes a fresh data set of MODEL to OUT.</source>
        <translation>Schreibt einen neuen Datensatz für MODEL nach OUT.</translation>
    </message>
    <message>
        <source>Loads IN and saves it as OUT.</source>
        <translation>Lädt IN und speichert es als OUT.</translation>
    </message>
    <message>
        <source>Writes the text report of IN to OUT, or to standard output (no OUT, or -).</source>
        <translation>Schreibt den Textbericht von IN nach OUT oder in die Standardausgabe (kein OUT, oder -).</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s memory and saves it as OUT. A failed or cancelled read writes nothing.</source>
        <translation>Liest den Speicher des Funkgeräts aus und speichert ihn als OUT. Ein fehlgeschlagenes oder abgebrochenes Auslesen schreibt nichts.</translation>
    </message>
    <message>
        <source>Reads the radio first (kept as a before-write backup) and lists what the write changes, as diff
does; then programs the radio with IN (a data file or a .hex backup), reads the written bytes
back and compares them. --dry-run stops after the list and writes nothing; --no-read-first
skips the first read and the list (so it cannot go with --dry-run); --no-verify skips the read-back.
--only AREAS sends only the changes in those areas of the memory, --keep AREAS all but those
(comma-separated; a wrong name lists them); the rest stays as the radio holds it, e.g. --keep
user-mmsi leaves the radio&apos;s own number. Both need the first read.</source>
        <translation>Liest zuerst das Funkgerät aus (als Sicherung vor dem Schreiben aufbewahrt) und listet wie diff auf,
was das Schreiben ändert; programmiert dann das Funkgerät mit IN (Datendatei oder .hex-Sicherung), liest die
geschriebenen Bytes zurück und vergleicht sie. --dry-run hält nach der Liste an und schreibt nichts; --no-read-first
überspringt das erste Auslesen und die Liste (geht also nicht mit --dry-run); --no-verify überspringt das Zurücklesen.
--only AREAS sendet nur die Änderungen in diesen Speicherbereichen, --keep AREAS alle außer diesen
(durch Kommas getrennt; ein falscher Name listet sie auf); der Rest bleibt, wie er im Funkgerät ist, z. B. lässt
--keep user-mmsi die eigene Nummer des Funkgeräts unverändert. Beide brauchen das erste Auslesen.</translation>
    </message>
    <message>
        <source>Writes the printed report of IN as a PDF file (- for standard output), without a printer.</source>
        <translation>Schreibt den gedruckten Bericht von IN als PDF-Datei (- für die Standardausgabe), ohne Drucker.</translation>
    </message>
    <message>
        <source>Sets the radio&apos;s count of user MMSI settings back to 0.</source>
        <translation>Setzt den Zähler der Benutzer-MMSI-Eingaben des Funkgeräts auf 0 zurück.</translation>
    </message>
    <message>
        <source>Lists what differs from A to B, one difference a line, then the count; --brief prints the count only.
A and B are data files, .hex images, or port:PORT to read the radio on PORT (nothing is saved).
Exit status: 0 equal, 1 different, 2 usage error or trouble.</source>
        <translation>Listet, was sich von A zu B unterscheidet, ein Unterschied je Zeile, dann die Anzahl; --brief gibt nur die Anzahl aus.
A und B sind Datendateien, .hex-Abbilder oder port:PORT, um das Funkgerät an PORT auszulesen (nichts wird gespeichert).
Exit-Status: 0 gleich, 1 verschieden, 2 Aufruffehler oder Störung.</translation>
    </message>
    <message>
        <source>Lists the backups and recovery copies kept in the data folder, newest first, one a line:
path, date and time, kind, model, user MMSI, what became of the write it was kept for, and
&quot;partly written&quot; when read from a radio an earlier write left partly written (tab-separated,
- where there is nothing to say). Backups are judged by content: other files are &quot;not a radio image&quot;.</source>
        <translation>Listet die Sicherungen und Wiederherstellungskopien im Datenordner, neueste zuerst, eine je Zeile:
Pfad, Datum und Uhrzeit, Art, Modell, Benutzer-MMSI, was aus dem Schreiben wurde, für das sie aufbewahrt wurde, und
&quot;partly written&quot;, wenn von einem Funkgerät gelesen, das ein früheres Schreiben teilweise beschrieben hinterließ (durch Tabulatoren
getrennt, - wo es nichts zu sagen gibt). Sicherungen werden nach Inhalt beurteilt: andere Dateien sind &quot;not a radio image&quot;.</translation>
    </message>
    <message>
        <source>Lists the serial ports present and which COMn each one is.</source>
        <translation>Listet die vorhandenen seriellen Schnittstellen und welches COMn jede ist.</translation>
    </message>
    <message>
        <source>Opens PORT (or the editor&apos;s port) without talking to the radio and says what stops it.
--probe then asks the radio for its model code and says whether one answered, and which model.</source>
        <translation>Öffnet PORT (oder die Schnittstelle des Editors), ohne mit dem Funkgerät zu sprechen, und sagt, was das verhindert.
--probe fragt dann das Funkgerät nach seinem Modellcode und sagt, ob eines antwortete und welches Modell.</translation>
    </message>
    <message>
        <source>Writes both directories of IN to OUT.csv as rows kind,mmsi,name (UTF-8).</source>
        <translation>Schreibt beide Verzeichnisse von IN nach OUT.csv als Zeilen kind,mmsi,name (UTF-8).</translation>
    </message>
    <message>
        <source>Adds the rows of LIST.csv to the free directory entries of IN and saves the result as OUT.
Used entries are never changed; every row not taken is listed with its line and reason.
When no entry is added, OUT is not saved and the exit status is 1.</source>
        <translation>Fügt die Zeilen von LIST.csv in die freien Verzeichniseinträge von IN ein und speichert das Ergebnis als OUT.
Belegte Einträge werden nie geändert; jede nicht übernommene Zeile wird mit Zeilennummer und Grund aufgelistet.
Wird kein Eintrag hinzugefügt, wird OUT nicht gespeichert und der Exit-Status ist 1.</translation>
    </message>
    <message>
        <source>MODEL is MR7100A or MR5100A (any case). Files: .dat and .def are data files,
.hex is the raw memory image; a report OUT may have any name, - is standard output.
</source>
        <translation>MODEL ist MR7100A oder MR5100A (Groß-/Kleinschreibung beliebig). Dateien: .dat und .def sind Datendateien,
.hex ist das rohe Speicherabbild; ein Bericht OUT darf beliebig heißen, - ist die Standardausgabe.
</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 goes with %2 only</source>
        <translation>%1 geht nur mit %2</translation>
    </message>
    <message>
        <source>--only and --keep cannot go together</source>
        <translation>--only und --keep gehen nicht zusammen</translation>
    </message>
    <message>
        <source>%1 keeps the rest as the radio holds it, for which it reads the radio first: it cannot go with --no-read-first</source>
        <translation>%1 lässt den Rest, wie er im Funkgerät ist, und liest dafür zuerst das Funkgerät aus: es geht nicht mit --no-read-first</translation>
    </message>
    <message>
        <source>%1: unknown area in %2 (areas: %3)</source>
        <translation>%1: unbekannter Bereich in %2 (Bereiche: %3)</translation>
    </message>
    <message>
        <source>the directory list is a .csv file: %1</source>
        <translation>Die Verzeichnisliste ist eine .csv-Datei: %1</translation>
    </message>
    <message>
        <source>the printed report goes to a .pdf file: %1</source>
        <translation>Der gedruckte Bericht geht in eine .pdf-Datei: %1</translation>
    </message>
    <message>
        <source>unknown port in %1 (port:1..4 or port:/dev/...)</source>
        <translation>Unbekannte Schnittstelle in %1 (port:1..4 oder port:/dev/...)</translation>
    </message>
    <message>
        <source>unknown kind of file: %1 (use .dat, .def or .hex)</source>
        <translation>Unbekannte Dateiart: %1 (.dat, .def oder .hex verwenden)</translation>
    </message>
    <message>
        <source>the name %1 is not UTF-8 and cannot be used: rename the file (or link to it) with a UTF-8 name</source>
        <translation>Der Name %1 ist kein UTF-8 und kann nicht verwendet werden: benennen Sie die Datei mit einem UTF-8-Namen um (oder verlinken Sie sie so)</translation>
    </message>
    <message>
        <source>IN and OUT are the same file (%1); nothing was written</source>
        <translation>IN und OUT sind dieselbe Datei (%1); es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>Kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>Unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>wrong number of file names</source>
        <translation>Falsche Anzahl von Dateinamen</translation>
    </message>
    <message>
        <source>--model is required</source>
        <translation>--model ist erforderlich</translation>
    </message>
    <message>
        <source>unknown model %1 (MR7100A or MR5100A)</source>
        <translation>Unbekanntes Modell %1 (MR7100A oder MR5100A)</translation>
    </message>
    <message>
        <source>--port is required</source>
        <translation>--port ist erforderlich</translation>
    </message>
    <message>
        <source>unknown port %1 (1..4 or a device path)</source>
        <translation>Unbekannte Schnittstelle %1 (1..4 oder ein Gerätepfad)</translation>
    </message>
    <message>
        <source>--dry-run lists what the write would change, for which it reads the radio first: it cannot go with --no-read-first</source>
        <translation>--dry-run listet, was das Schreiben ändern würde, und liest dafür zuerst das Funkgerät aus: es geht nicht mit --no-read-first</translation>
    </message>
    <message>
        <source>write refuses to change the radio&apos;s own MMSI unless --allow-mmsi-change is given.
Every read and write keeps a backup of the radio&apos;s memory in the backups folder of the
per-user data folder, the editor&apos;s too (~/.local/share/Quorlink, on Windows %LOCALAPPDATA%\Quorlink).
Ctrl+C cancels a transfer and ends any other command. Exit status: 0 done, 1 failed
(the reason is on standard error), 2 usage error; for diff 0 equal, 1 the two differ,
2 usage error or a side that cannot be loaded. --version prints the version.
</source>
        <translation>write ändert die eigene MMSI des Funkgeräts nur, wenn --allow-mmsi-change angegeben ist.
Jedes Auslesen und Schreiben bewahrt eine Sicherung des Funkgerätspeichers im Sicherungsordner des
benutzereigenen Datenordners auf, auch die des Editors (~/.local/share/Quorlink, unter Windows %LOCALAPPDATA%\Quorlink).
Strg+C bricht eine Übertragung ab und beendet jeden anderen Befehl. Exit-Status: 0 erledigt, 1 fehlgeschlagen
(der Grund steht in der Standardfehlerausgabe), 2 Aufruffehler; bei diff 0 gleich, 1 die beiden unterscheiden sich,
2 Aufruffehler oder eine Seite, die sich nicht laden lässt. --version gibt die Version aus.
</translation>
    </message>
</context>
<context>
    <name>CloneProtocolTexts</name>
    <message>
        <source>Model Check</source>
        <translation>Modellprüfung</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Funkgerät auslesen</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Funkgerät programmieren</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Kommunikationsfehler!!</translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation>Modellnamenfehler !!</translation>
    </message>
</context>
<context>
    <name>CompareCommands</name>
    <message>
        <source>the radio</source>
        <translation>das Funkgerät</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>No read of a radio with this model and user MMSI was kept.</source>
        <translation>Von einem Funkgerät mit diesem Modell und dieser Benutzer-MMSI wurde kein Auslesen aufbewahrt.</translation>
    </message>
    <message>
        <source>the last read of this radio (%1)</source>
        <translation>das letzte Auslesen dieses Funkgeräts (%1)</translation>
    </message>
    <message>
        <source>Old: %1    New: the editor&apos;s data</source>
        <translation>Alt: %1    Neu: die Daten des Editors</translation>
    </message>
</context>
<context>
    <name>ControlHints</name>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Auf]/[Ab]/[Links]/[Rechts]:Auswahl ändern.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Leertaste]:Aktivieren/Deaktivieren.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Auswahl [x]Aktiv/[]Inaktiv.</translation>
    </message>
    <message>
        <source>[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End</source>
        <translation>[Auf/Ab]:1 Schritt, [Bild auf/Bild ab]:10 Schritte, [Pos1/Ende]:Anfang/Ende</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doppelklick],[Eingabe]:Zur Einstellungsseite springen.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>Höchstens 12 Zeichen</translation>
    </message>
    <message>
        <source>A maximum of 10 characters.</source>
        <translation>Höchstens 10 Zeichen.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 9 figures.</source>
        <translation>Nur Ziffern. Genau 9 Stellen erforderlich.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Nur Ziffern. Genau 10 Stellen erforderlich.</translation>
    </message>
    <message>
        <source>A Click Inicializes the number of User MMSI setting permission</source>
        <translation>Ein Klick setzt die Anzahl erlaubter Benutzer-MMSI-Eingaben zurück</translation>
    </message>
</context>
<context>
    <name>DirectoryCsvTexts</name>
    <message>
        <source>individual directory</source>
        <translation>Einzelrufverzeichnis</translation>
    </message>
    <message>
        <source>group directory</source>
        <translation>Gruppenrufverzeichnis</translation>
    </message>
    <message>
        <source>a quote is opened and never closed</source>
        <translation>ein Anführungszeichen wird geöffnet und nie geschlossen</translation>
    </message>
    <message>
        <source>not the three fields kind,mmsi,name</source>
        <translation>nicht die drei Felder kind,mmsi,name</translation>
    </message>
    <message>
        <source>kind &quot;%1&quot; is neither individual nor group</source>
        <translation>Art „%1“ ist weder individual noch group</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid MMSI for the %2</source>
        <translation>„%1“ ist keine gültige MMSI für das %2</translation>
    </message>
    <message>
        <source>%1 is already entry %2 of the %3</source>
        <translation>%1 ist schon Eintrag %2 im %3</translation>
    </message>
    <message>
        <source>the %1 is full, %2 not added</source>
        <translation>das %1 ist voll, %2 nicht hinzugefügt</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; taken as &quot;%2&quot;</source>
        <translation>Name „%1“ übernommen als „%2“</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; cut to &quot;%2&quot; (at most 10 characters)</source>
        <translation>Name „%1“ gekürzt auf „%2“ (höchstens 10 Zeichen)</translation>
    </message>
    <message>
        <source>columns after kind,mmsi,name are ignored, here and below</source>
        <translation>Spalten nach kind,mmsi,name werden ignoriert, hier und darunter</translation>
    </message>
    <message>
        <source>Not a directory list: its first line does not hold the three fields kind, MMSI and name</source>
        <translation>Keine Verzeichnisliste: die erste Zeile enthält nicht die drei Felder kind, MMSI und name</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>No entries added</source>
        <translation>Keine Einträge hinzugefügt</translation>
    </message>
    <message>
        <source>%1 entry added</source>
        <translation>%1 Eintrag hinzugefügt</translation>
    </message>
    <message>
        <source>%1 entries added</source>
        <translation>%1 Einträge hinzugefügt</translation>
    </message>
    <message>
        <source>%1 row refused</source>
        <translation>%1 Zeile abgelehnt</translation>
    </message>
    <message>
        <source>%1 rows refused</source>
        <translation>%1 Zeilen abgelehnt</translation>
    </message>
    <message>
        <source>%1 name changed</source>
        <translation>%1 Name geändert</translation>
    </message>
    <message>
        <source>%1 names changed</source>
        <translation>%1 Namen geändert</translation>
    </message>
    <message>
        <source>%1 name cut</source>
        <translation>%1 Name gekürzt</translation>
    </message>
    <message>
        <source>%1 names cut</source>
        <translation>%1 Namen gekürzt</translation>
    </message>
    <message>
        <source>Too large for a directory list</source>
        <translation>Zu groß für eine Verzeichnisliste</translation>
    </message>
</context>
<context>
    <name>DirectoryListCommands</name>
    <message>
        <source>%1; the first %2 of %3 are listed above</source>
        <translation>%1; die ersten %2 von %3 sind oben aufgelistet</translation>
    </message>
    <message>
        <source>&amp;Import Directory...</source>
        <translation>Verzeichnis &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Directory...</source>
        <translation>Verzeichnis &amp;exportieren...</translation>
    </message>
    <message>
        <source>Import Directory</source>
        <translation>Verzeichnis importieren</translation>
    </message>
    <message>
        <source>Export Directory</source>
        <translation>Verzeichnis exportieren</translation>
    </message>
    <message>
        <source>Directory exported to %1</source>
        <translation>Verzeichnis exportiert nach %1</translation>
    </message>
</context>
<context>
    <name>DirectoryTraits</name>
    <message>
        <source>Station Name</source>
        <translation>Stationsname</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>STATIONSNAME</translation>
    </message>
    <message>
        <source>Individual Directory MMSI</source>
        <translation>Einzelrufverzeichnis MMSI</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>GRUPPENNAME</translation>
    </message>
    <message>
        <source>Group Directory MMSI</source>
        <translation>Gruppenrufverzeichnis MMSI</translation>
    </message>
</context>
<context>
    <name>EditorMainTexts</name>
    <message>
        <source>quorlink: ignored: %1</source>
        <translation>quorlink: ignoriert: %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Default file saved as %1</source>
        <translation>Standarddatei gespeichert als %1</translation>
    </message>
    <message>
        <source>Image exported to %1</source>
        <translation>Abbild exportiert nach %1</translation>
    </message>
    <message>
        <source>%1 is no longer there; it was taken off the list of recent files.</source>
        <translation>%1 ist nicht mehr vorhanden; die Datei wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
</context>
<context>
    <name>FileContextTexts</name>
    <message>
        <source>FileSave Error!!</source>
        <translation>Dateispeicherfehler!!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Dateilesefehler!!</translation>
    </message>
</context>
<context>
    <name>FileFaultTexts</name>
    <message>
        <source>no data-file sections found</source>
        <translation>keine Abschnitte einer Datendatei gefunden</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Fehler beim Dateizugriff</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>The file could not be written completely</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Permission denied: the link %1 in a folder all users share belongs to another user</source>
        <translation>Zugriff verweigert: der Link %1 in einem Ordner, den alle Benutzer teilen, gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>Its folder cannot be written, and its content could not be kept before writing over it: %1</source>
        <translation>Der Ordner der Datei ist nicht beschreibbar, und ihr Inhalt konnte vor dem Überschreiben nicht aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>%1; its previous content is kept in %2</source>
        <translation>%1; der vorherige Inhalt ist in %2 aufbewahrt</translation>
    </message>
    <message>
        <source>The link cannot be followed</source>
        <translation>Dem Link kann nicht gefolgt werden</translation>
    </message>
    <message>
        <source>%1 is a name Windows keeps for a device</source>
        <translation>%1 ist ein Name, den Windows für ein Gerät reserviert</translation>
    </message>
</context>
<context>
    <name>FileFilterTexts</name>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>dat-Dateien</translation>
    </message>
    <message>
        <source>Radio images</source>
        <translation>Funkgerät-Abbilder</translation>
    </message>
    <message>
        <source>hex files</source>
        <translation>hex-Dateien</translation>
    </message>
    <message>
        <source>csv files</source>
        <translation>csv-Dateien</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
</context>
<context>
    <name>HexFileTexts</name>
    <message>
        <source>Read from Radio</source>
        <translation>Funkgerät auslesen</translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation>Modellnamenfehler !!</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>KeptCopiesTexts</name>
    <message>
        <source>No backup has been kept yet: the backups folder %1 does not exist.</source>
        <translation>Noch keine Sicherung aufbewahrt: der Sicherungsordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a folder: no backup can be kept until it is moved away.</source>
        <translation>%1 ist kein Ordner: keine Sicherung kann aufbewahrt werden, bis er verschoben ist.</translation>
    </message>
    <message>
        <source>The backups folder %1 cannot be read.</source>
        <translation>Der Sicherungsordner %1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>KeptCopyWords</name>
    <message>
        <source>write complete</source>
        <translation>Schreiben vollständig</translation>
    </message>
    <message>
        <source>written, not verified</source>
        <translation>geschrieben, nicht geprüft</translation>
    </message>
    <message>
        <source>written, verify error</source>
        <translation>geschrieben, Prüffehler</translation>
    </message>
    <message>
        <source>cancelled before writing</source>
        <translation>abgebrochen vor dem Schreiben</translation>
    </message>
    <message>
        <source>failed before writing</source>
        <translation>fehlgeschlagen vor dem Schreiben</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>before write</source>
        <translation>vor dem Schreiben</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>read</source>
        <translation>ausgelesen</translation>
    </message>
    <message>
        <source>dropped edits (%1)</source>
        <translation>verworfene Änderungen (%1)</translation>
    </message>
    <message>
        <source>not a radio image</source>
        <translation>kein Funkgerät-Abbild</translation>
    </message>
    <message>
        <source>radio image</source>
        <translation>Funkgerät-Abbild</translation>
    </message>
    <message>
        <source>partly written</source>
        <translation>teilweise geschrieben</translation>
    </message>
</context>
<context>
    <name>LanguageMenuTexts</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The new language takes effect when Quorlink starts again.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Quorlink.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Spr&amp;ache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
</context>
<context>
    <name>NavigationTreeTexts</name>
    <message>
        <source>International</source>
        <translation>International</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Aktiv]</translation>
    </message>
    <message>
        <source>Individual ID%1</source>
        <translation>Einzel-ID%1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>Gruppen-ID%1</translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation>Programmierbarer Kanal</translation>
    </message>
    <message>
        <source>WX Channel</source>
        <translation>WX-Kanal</translation>
    </message>
    <message>
        <source>Exp Channel</source>
        <translation>EXP-Kanal</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelrufverzeichnis</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenrufverzeichnis</translation>
    </message>
</context>
<context>
    <name>NoRadioHelpTexts</name>
    <message>
        <source>The answers on %1 broke off or were garbled. Check that:</source>
        <translation>Die Antworten an %1 brachen ab oder waren verstümmelt. Prüfen Sie, dass:</translation>
    </message>
    <message>
        <source>No radio answered on %1. Check that:</source>
        <translation>An %1 hat kein Funkgerät geantwortet. Prüfen Sie, dass:</translation>
    </message>
    <message>
        <source>- the radio is switched on and in its clone mode;</source>
        <translation>- das Funkgerät eingeschaltet und im Klonmodus ist;</translation>
    </message>
    <message>
        <source>- the cable is plugged in firmly, at the radio and at the computer;</source>
        <translation>- das Kabel fest eingesteckt ist, am Funkgerät und am Computer;</translation>
    </message>
    <message>
        <source>- %1 is the cable&apos;s port. %2</source>
        <translation>- %1 die Schnittstelle des Kabels ist. %2</translation>
    </message>
    <message>
        <source>%1 is a built-in serial port, with no USB id: the cable is rarely on it.</source>
        <translation>%1 ist eine eingebaute serielle Schnittstelle ohne USB-Kennung: das Kabel hängt selten daran.</translation>
    </message>
</context>
<context>
    <name>OpenFailureTexts</name>
    <message>
        <source>Options &gt; SerialPort &gt; Device... (or quorlink-cli ports) lists the ports present.</source>
        <translation>Optionen &gt; Serielle Schnittstelle &gt; Gerät... (oder quorlink-cli ports) listet die vorhandenen Schnittstellen auf.</translation>
    </message>
    <message>
        <source>%1 (no serial port)</source>
        <translation>%1 (keine serielle Schnittstelle)</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 belongs to the group &quot;%2&quot; (owner %3, mode %4)</source>
        <translation>%1 gehört zur Gruppe „%2“ (Besitzer %3, Modus %4)</translation>
    </message>
    <message>
        <source> Joining a group is not the fix: install the udev rule 70-quorlink-serial.rules (it comes with the Debian package), which gives the cable to the user at the desktop, then plug the cable in again.</source>
        <translation> Der Beitritt zu einer Gruppe ist nicht die Lösung: installieren Sie die udev-Regel 70-quorlink-serial.rules (sie liegt dem Debian-Paket bei), die das Kabel dem Benutzer am Desktop gibt, und stecken Sie das Kabel dann neu ein.</translation>
    </message>
    <message>
        <source>%1, which does not let its group read and write it.%2</source>
        <translation>%1, und der Modus erlaubt der Gruppe kein Lesen und Schreiben.%2</translation>
    </message>
    <message>
        <source>%1, a group meant for more than serial ports.%2</source>
        <translation>%1, eine Gruppe, die nicht nur für serielle Schnittstellen gedacht ist.%2</translation>
    </message>
    <message>
        <source>%1. You joined that group after you logged in: log out and in again.</source>
        <translation>%1. Sie sind dieser Gruppe nach der Anmeldung beigetreten: melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <source>%1, and you are not a member of it. Fix: sudo usermod -aG %2 $USER, then log out and in again.</source>
        <translation>%1, und Sie sind kein Mitglied. Lösung: sudo usermod -aG %2 $USER, dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>%1, and you are a member of it, yet it will not open for you.%2</source>
        <translation>%1, und Sie sind Mitglied, doch es lässt sich für Sie nicht öffnen.%2</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in but has no serial port: the braille display service brltty has claimed it. Unless you use a braille display, run: sudo systemctl mask brltty-udev.service brltty.service (or sudo apt remove brltty), then unplug the cable and plug it in again.</source>
        <translation>Der USB-Seriell-Adapter %1 ist eingesteckt, hat aber keine serielle Schnittstelle: der Braillezeilen-Dienst brltty hat ihn belegt. Wenn Sie keine Braillezeile verwenden, führen Sie aus: sudo systemctl mask brltty-udev.service brltty.service (oder sudo apt remove brltty), ziehen Sie dann das Kabel ab und stecken Sie es wieder ein.</translation>
    </message>
    <message>
        <source>No serial port is present for %1. Plug the cable in, or choose its port: %2</source>
        <translation>Für %1 ist keine serielle Schnittstelle vorhanden. Stecken Sie das Kabel ein oder wählen Sie seine Schnittstelle: %2</translation>
    </message>
    <message>
        <source>The cable is unplugged: %1 is there only while it is plugged in. Plug it in and try again.</source>
        <translation>Das Kabel ist abgezogen: %1 gibt es nur, solange es eingesteckt ist. Stecken Sie es ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>There is no device %1. Plug the cable in, or choose its port: %2</source>
        <translation>Es gibt kein Gerät %1. Stecken Sie das Kabel ein oder wählen Sie seine Schnittstelle: %2</translation>
    </message>
    <message>
        <source>ModemManager (process %1) is probing %2 for a modem. Wait a few seconds and try again. To stop it for good, install the udev rule of the Debian package, or run: sudo systemctl stop ModemManager</source>
        <translation>ModemManager (Prozess %1) prüft %2 gerade auf ein Modem. Warten Sie einige Sekunden und versuchen Sie es erneut. Um das dauerhaft zu verhindern, installieren Sie die udev-Regel des Debian-Pakets oder führen Sie aus: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3). Close that program and try again.</source>
        <translation>%1 wird von %2 (Prozess %3) benutzt. Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close it and try again.</source>
        <translation>%1 wird von einem anderen Programm benutzt. Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>There is no port %1: the cable is unplugged or its driver is not installed. Device Manager shows the cable under Ports (COM &amp; LPT) with its COM number when it is plugged in and its driver works. %2</source>
        <translation>Es gibt keine Schnittstelle %1: das Kabel ist abgezogen oder sein Treiber nicht installiert. Der Geräte-Manager zeigt das Kabel unter Anschlüsse (COM &amp; LPT) mit seiner COM-Nummer, wenn es eingesteckt ist und sein Treiber funktioniert. %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program (Windows lets one program at a time open a port). Close it and try again.</source>
        <translation>%1 wird von einem anderen Programm benutzt (unter Windows kann nur ein Programm zugleich eine Schnittstelle öffnen). Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>OwnMmsiGuardTexts</name>
    <message>
        <source>no MMSI at all</source>
        <translation>gar keine MMSI</translation>
    </message>
    <message>
        <source>The radio&apos;s own MMSI is %1; this write would change it to %2.

Many radios accept a new own MMSI only a few times; after that only a dealer can reset it.

Press OK to write anyway, Cancel to write nothing.</source>
        <translation>Die eigene MMSI des Funkgeräts ist %1; dieses Schreiben würde sie in %2 ändern.

Viele Funkgeräte nehmen eine neue eigene MMSI nur wenige Male an; danach kann nur ein Händler sie zurücksetzen.

Drücken Sie OK, um trotzdem zu schreiben, oder Abbrechen, um nichts zu schreiben.</translation>
    </message>
</context>
<context>
    <name>PortNamesTexts</name>
    <message>
        <source>no serial port present</source>
        <translation>keine serielle Schnittstelle vorhanden</translation>
    </message>
    <message>
        <source>%1 (not plugged in)</source>
        <translation>%1 (nicht eingesteckt)</translation>
    </message>
</context>
<context>
    <name>PortSystemTexts</name>
    <message>
        <source>PORT is 1..4 (COM1..COM4 as the editor counts them) or a device path such as /dev/ttyUSB0
or /dev/serial/by-id/usb-...
</source>
        <translation>PORT ist 1..4 (COM1..COM4, wie der Editor sie zählt) oder ein Gerätepfad wie /dev/ttyUSB0
oder /dev/serial/by-id/usb-...
</translation>
    </message>
    <message>
        <source>PORT is 1..4 (COM1..COM4) or any other COM port, such as COM7 for a USB cable
(quorlink-cli ports lists them).
</source>
        <translation>PORT ist 1..4 (COM1..COM4) oder eine andere COM-Schnittstelle, etwa COM7 für ein USB-Kabel
(quorlink-cli ports listet sie auf).
</translation>
    </message>
</context>
<context>
    <name>PromptTexts</name>
    <message>
        <source>No help viewer</source>
        <translation>Kein Hilfe-Betrachter</translation>
    </message>
    <message>
        <source>No user guide</source>
        <translation>Kein Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Die Hilfe kann nicht angezeigt werden. Zu diesem Projekt gibt es keine Hilfe.</translation>
    </message>
</context>
<context>
    <name>QtSerialPortTexts</name>
    <message>
        <source>the port is in use by another program</source>
        <translation>die Schnittstelle wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>%1 is not a serial port (%2)</source>
        <translation>%1 ist keine serielle Schnittstelle (%2)</translation>
    </message>
    <message>
        <source>Another program is using the port and took the radio&apos;s answer (%1). Close it and try again.</source>
        <translation>Ein anderes Programm benutzt die Schnittstelle und hat die Antwort des Funkgeräts abgefangen (%1). Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The cable was unplugged: %1 went away (%2). Plug it in and try again.</source>
        <translation>Das Kabel wurde abgezogen: %1 ist verschwunden (%2). Stecken Sie es ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The serial device went away (%1)</source>
        <translation>Das serielle Gerät ist verschwunden (%1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Senden aktiv</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Nur geringe Leistung</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Leistung hoch</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlaufspeicher</translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation>VS-Speicher</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation>Dimmer</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Zeitversatz</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>WX-Alarm</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Suchlaufart</translation>
    </message>
    <message>
        <source>Voice Scrambler</source>
        <translation>Sprach-Scrambler</translation>
    </message>
    <message>
        <source>True MAG</source>
        <translation>Rechtw./MAG</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Einzelruf-Antwort</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>Einzelruf-ACK</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Einzelruf-Rufton</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>POS-Abfrage-Antwort</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>DSC-Suchlauf</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Benutzer-MMSI</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>International</source>
        <translation>International</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>%1 A-Ch</source>
        <translation>%1 A-Kanal</translation>
    </message>
    <message>
        <source>%1 B-Ch</source>
        <translation>%1 B-Kanal</translation>
    </message>
    <message>
        <source>A/B</source>
        <translation>A/B</translation>
    </message>
    <message>
        <source>%1 CH%2</source>
        <translation>%1 CH%2</translation>
    </message>
    <message>
        <source>Individual ID%1</source>
        <translation>Einzel-ID%1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>Gruppen-ID%1</translation>
    </message>
    <message>
        <source>byte 0x%1</source>
        <translation>Byte 0x%1</translation>
    </message>
    <message>
        <source>bytes 0x%1-0x%2</source>
        <translation>Bytes 0x%1-0x%2</translation>
    </message>
    <message>
        <source>%1 differ; Program to Radio does not write them</source>
        <translation>%1 unterscheiden sich; „Funkgerät programmieren“ schreibt sie nicht</translation>
    </message>
    <message>
        <source>%1 differs; Program to Radio does not write it</source>
        <translation>%1 unterscheidet sich; „Funkgerät programmieren“ schreibt es nicht</translation>
    </message>
    <message>
        <source>%1 differ; the editor does not show them</source>
        <translation>%1 unterscheiden sich; der Editor zeigt sie nicht</translation>
    </message>
    <message>
        <source>%1 differs; the editor does not show it</source>
        <translation>%1 unterscheidet sich; der Editor zeigt es nicht</translation>
    </message>
    <message>
        <source>%1: %2 %3 -&gt; %4</source>
        <translation>%1: %2 %3 -&gt; %4</translation>
    </message>
    <message>
        <source>Radio Setup</source>
        <translation>Funkgerät-Einstellungen</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>DSC-Einstellungen</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 Unterschied</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 Unterschiede</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>%1 CH%2 name</source>
        <translation>%1 CH%2 Name</translation>
    </message>
    <message>
        <source>%1 CH%2 settings</source>
        <translation>%1 CH%2 Einstellungen</translation>
    </message>
    <message>
        <source>%1 slot %2 name</source>
        <translation>%1 Platz %2 Name</translation>
    </message>
    <message>
        <source>%1 slot %2 settings</source>
        <translation>%1 Platz %2 Einstellungen</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1 Name</translation>
    </message>
    <message>
        <source>WX slot %1 name</source>
        <translation>WX-Platz %1 Name</translation>
    </message>
    <message>
        <source>EXP channel %1 name</source>
        <translation>EXP-Kanal %1 Name</translation>
    </message>
    <message>
        <source>EXP channel %1 settings</source>
        <translation>EXP-Kanal %1 Einstellungen</translation>
    </message>
    <message>
        <source>%1 directory %2 MMSI</source>
        <translation>%1-Verzeichnis %2 MMSI</translation>
    </message>
    <message>
        <source>%1 directory %2 name</source>
        <translation>%1-Verzeichnis %2 Name</translation>
    </message>
    <message>
        <source>radio&apos;s own area</source>
        <translation>eigener Bereich des Funkgeräts</translation>
    </message>
    <message>
        <source>model code</source>
        <translation>Modellcode</translation>
    </message>
    <message>
        <source>ATIS switches</source>
        <translation>ATIS-Schalter</translation>
    </message>
    <message>
        <source>scan type, WX alert, dimmer, key beep, contrast</source>
        <translation>Suchlaufart, WX-Alarm, Dimmer, Tastenton, Kontrast</translation>
    </message>
    <message>
        <source>true/magnetic, time offset</source>
        <translation>rechtweisend/magnetisch, Zeitversatz</translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation>DSC-Einstellungen</translation>
    </message>
    <message>
        <source>A/B channels</source>
        <translation>A/B-Kanäle</translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>USA Enable bitmap</source>
        <translation>Aktiv-Bitmap USA</translation>
    </message>
    <message>
        <source>INT Enable bitmap</source>
        <translation>Aktiv-Bitmap INT</translation>
    </message>
    <message>
        <source>CAN Enable bitmap</source>
        <translation>Aktiv-Bitmap CAN</translation>
    </message>
    <message>
        <source>WX Enable bitmap</source>
        <translation>Aktiv-Bitmap WX</translation>
    </message>
    <message>
        <source>EXP Enable bitmap</source>
        <translation>Aktiv-Bitmap EXP</translation>
    </message>
    <message>
        <source>USA Scan bitmap</source>
        <translation>Suchlauf-Bitmap USA</translation>
    </message>
    <message>
        <source>INT Scan bitmap</source>
        <translation>Suchlauf-Bitmap INT</translation>
    </message>
    <message>
        <source>CAN Scan bitmap</source>
        <translation>Suchlauf-Bitmap CAN</translation>
    </message>
    <message>
        <source>WX Scan bitmap</source>
        <translation>Suchlauf-Bitmap WX</translation>
    </message>
    <message>
        <source>EXP Scan bitmap</source>
        <translation>Suchlauf-Bitmap EXP</translation>
    </message>
    <message>
        <source>user MMSI</source>
        <translation>Benutzer-MMSI</translation>
    </message>
    <message>
        <source>user MMSI count</source>
        <translation>Anzahl Benutzer-MMSI</translation>
    </message>
    <message>
        <source>ATIS number</source>
        <translation>ATIS-Nummer</translation>
    </message>
    <message>
        <source>individual</source>
        <translation>Einzelruf</translation>
    </message>
    <message>
        <source>group</source>
        <translation>Gruppenruf</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>MID %1 is not allocated to any country</source>
        <translation>MID %1 ist keinem Land zugeteilt</translation>
    </message>
    <message>
        <source>Starts with 0: a group number, not a ship&apos;s own MMSI</source>
        <translation>Beginnt mit 0: eine Gruppennummer, keine eigene Schiffs-MMSI</translation>
    </message>
    <message>
        <source>Starts with 00: a coast station&apos;s number, not a ship&apos;s own MMSI</source>
        <translation>Beginnt mit 00: Nummer einer Küstenfunkstelle, keine eigene Schiffs-MMSI</translation>
    </message>
    <message>
        <source>Starts with 99: an aid to navigation, not a ship&apos;s own MMSI</source>
        <translation>Beginnt mit 99: eine Navigationshilfe, keine eigene Schiffs-MMSI</translation>
    </message>
    <message>
        <source>Starts with 970: an AIS-SART, not a ship&apos;s own MMSI</source>
        <translation>Beginnt mit 970: ein AIS-SART, keine eigene Schiffs-MMSI</translation>
    </message>
    <message>
        <source>Starts with 972: a man-overboard device, not a ship&apos;s own MMSI</source>
        <translation>Beginnt mit 972: ein Mann-über-Bord-Gerät, keine eigene Schiffs-MMSI</translation>
    </message>
    <message>
        <source>Starts with 974: an EPIRB-AIS, not a ship&apos;s own MMSI</source>
        <translation>Beginnt mit 974: ein EPIRB-AIS, keine eigene Schiffs-MMSI</translation>
    </message>
    <message>
        <source>Group numbers start with 0 and a MID</source>
        <translation>Gruppennummern beginnen mit 0 und einer MID</translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation>Schiffsfunkstelle</translation>
    </message>
    <message>
        <source>Group of stations</source>
        <translation>Gruppe von Funkstellen</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Küstenfunkstelle</translation>
    </message>
    <message>
        <source>Handheld with DSC</source>
        <translation>Handfunkgerät mit DSC</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>SAR-Luftfahrzeug</translation>
    </message>
    <message>
        <source>Aid to navigation</source>
        <translation>Navigationshilfe</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Beiboot eines Mutterschiffs</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man-overboard device</source>
        <translation>Mann-über-Bord-Gerät</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>Digits only</source>
        <translation>Nur Ziffern</translation>
    </message>
    <message>
        <source>%1 of %2 digits</source>
        <translation>%1 von %2 Ziffern</translation>
    </message>
    <message>
        <source>Starts with %1: not a kind of MMSI in use</source>
        <translation>Beginnt mit %1: keine verwendete MMSI-Art</translation>
    </message>
    <message>
        <source>Starts with 0: a group number; it belongs in the group directory</source>
        <translation>Beginnt mit 0: eine Gruppennummer; sie gehört ins Gruppenrufverzeichnis</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Keiner)</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 Min.</translation>
    </message>
    <message>
        <source>15 times</source>
        <translation>15-mal</translation>
    </message>
    <message>
        <source>10 times</source>
        <translation>10-mal</translation>
    </message>
    <message>
        <source>5 times</source>
        <translation>5-mal</translation>
    </message>
</context>
<context>
    <name>RecoverDialogTexts</name>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Benutzer-MMSI</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Nothing has been kept yet.</source>
        <translation>Noch nichts aufbewahrt.</translation>
    </message>
    <message>
        <source>Backups of transfers and copies of dropped edits, newest first:</source>
        <translation>Sicherungen von Übertragungen und Kopien verworfener Änderungen, neueste zuerst:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>ReportPdfTexts</name>
    <message>
        <source>Could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>SafetyCommands</name>
    <message>
        <source>Re&amp;cover...</source>
        <translation>&amp;Wiederherstellen...</translation>
    </message>
</context>
<context>
    <name>SerialLinkTexts</name>
    <message>
        <source>No serial port for %1</source>
        <translation>Keine serielle Schnittstelle für %1</translation>
    </message>
    <message>
        <source>The serial port did not take the bytes</source>
        <translation>Die serielle Schnittstelle hat die Bytes nicht angenommen</translation>
    </message>
</context>
<context>
    <name>SettingsRows</name>
    <message>
        <source>Radio Setup</source>
        <translation>Funkgerät-Einstellungen</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>DSC-Einstellungen</translation>
    </message>
    <message>
        <source>Contrast Level</source>
        <translation>Kontraststufe</translation>
    </message>
    <message>
        <source>Dimmer Status</source>
        <translation>Dimmerstufe</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Zeitversatz</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>[On]</source>
        <translation>[Ein]</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>WX-Alarm</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Suchlaufart</translation>
    </message>
    <message>
        <source>Voice Scrambler</source>
        <translation>Sprach-Scrambler</translation>
    </message>
    <message>
        <source>True MAG</source>
        <translation>Rechtw./MAG</translation>
    </message>
    <message>
        <source>[Magnetic On]</source>
        <translation>[Magnetisch Ein]</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Einzelruf-Antwort</translation>
    </message>
    <message>
        <source>[Auto]</source>
        <translation>[Auto]</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>Einzelruf-ACK</translation>
    </message>
    <message>
        <source>[Able to Comply]</source>
        <translation>[Kann ausführen]</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Einzelruf-Rufton</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>POS-Abfrage-Antwort</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>DSC-Suchlauf</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Benutzer-MMSI</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
</context>
<context>
    <name>StampedFileTexts</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>too many files in one second in %1</source>
        <translation>zu viele Dateien in einer Sekunde in %1</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>&amp;Device...</source>
        <translation>&amp;Gerät...</translation>
    </message>
    <message>
        <source>&amp;Verify After Writing</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>Show Changes Before &amp;Writing</source>
        <translation>Änderungen vor dem Schreiben &amp;zeigen</translation>
    </message>
    <message>
        <source>Read from the radio on COM%1</source>
        <translation>Funkgerät an COM%1 auslesen</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>COM%1 now means %2.</source>
        <translation>COM%1 ist jetzt %2.</translation>
    </message>
    <message>
        <source>%1

Write without it?</source>
        <translation>%1

Ohne sie schreiben?</translation>
    </message>
</context>
<context>
    <name>TransferRunTexts</name>
    <message>
        <source>Complete!!</source>
        <translation>Fertig!!</translation>
    </message>
    <message>
        <source>
To put back what it held before, program
%1</source>
        <translation>
Um den vorherigen Inhalt wiederherzustellen, programmieren Sie
%1</translation>
    </message>
    <message>
        <source>
What it held before this write was itself a partly written memory, left by an earlier write cut short (%1). </source>
        <translation>
Der Inhalt vor diesem Schreiben war selbst ein teilweise geschriebener Speicher, hinterlassen von einem früheren, unterbrochenen Schreiben (%1). </translation>
    </message>
    <message>
        <source>No backup of it whole is kept.</source>
        <translation>Keine vollständige Sicherung davon ist aufbewahrt.</translation>
    </message>
    <message>
        <source>To put back what it held when it was last whole, program
%1</source>
        <translation>Um den Inhalt wiederherzustellen, als er zuletzt vollständig war, programmieren Sie
%1</translation>
    </message>
    <message>
        <source>program it again before use.</source>
        <translation>programmieren Sie es vor dem Gebrauch erneut.</translation>
    </message>
    <message>
        <source>program it again before use, e.g. from the backup of this write,
%1</source>
        <translation>programmieren Sie es vor dem Gebrauch erneut, z. B. aus der Sicherung dieses Schreibens,
%1</translation>
    </message>
    <message>
        <source>The write went through, but it was not verified: the radio may not hold what was written. Compare it with the data, or %1</source>
        <translation>Das Schreiben ist durchgelaufen, wurde aber nicht geprüft: das Funkgerät enthält womöglich nicht, was geschrieben wurde. Vergleichen Sie es mit den Daten, oder %1</translation>
    </message>
    <message>
        <source>The radio now holds a partly written memory: %1</source>
        <translation>Das Funkgerät enthält jetzt einen teilweise geschriebenen Speicher: %1</translation>
    </message>
    <message>
        <source>Reading the radio</source>
        <translation>Funkgerät wird ausgelesen</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Funkgerät auslesen</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Daten löschen</translation>
    </message>
</context>
<context>
    <name>TransferSafetyTexts</name>
    <message>
        <source>The backup of this read</source>
        <translation>Die Sicherung dieses Auslesens</translation>
    </message>
    <message>
        <source>The before-write backup</source>
        <translation>Die Sicherung vor dem Schreiben</translation>
    </message>
    <message>
        <source>The backup of this write</source>
        <translation>Die Sicherung dieses Schreibens</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be saved in %2: %3.

Without it, what the radio holds now is kept nowhere once it is written.</source>
        <translation>%1 konnte nicht in %2 gespeichert werden: %3.

Ohne sie ist der jetzige Inhalt des Funkgeräts nach dem Schreiben nirgends aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>How this write ended could not be noted beside its backups: %1</source>
        <translation>Wie dieses Schreiben endete, konnte nicht bei seinen Sicherungen vermerkt werden: %1</translation>
    </message>
</context>
<context>
    <name>WholeFileTexts</name>
    <message>
        <source>%1 was written over in place, as its folder cannot be written; its previous content is kept in %2</source>
        <translation>%1 wurde an Ort und Stelle überschrieben, da sein Ordner nicht beschreibbar ist; der vorherige Inhalt ist in %2 aufbewahrt</translation>
    </message>
</context>
<context>
    <name>WidgetPromptTexts</name>
    <message>
        <source>Stop Writing</source>
        <translation>Schreiben abbrechen</translation>
    </message>
    <message>
        <source>Keep Writing</source>
        <translation>Weiter schreiben</translation>
    </message>
    <message>
        <source>The user guide README.md is not installed.</source>
        <translation>Das Benutzerhandbuch README.md ist nicht installiert.</translation>
    </message>
    <message>
        <source>Help file %1 not found.</source>
        <translation>Hilfedatei %1 nicht gefunden.</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>Kein Programm ist zum Öffnen von %1 eingerichtet.</translation>
    </message>
</context>
<context>
    <name>Win32SerialPortTexts</name>
    <message>
        <source>The cable was unplugged: %1 went away (%2). Plug it in and try again.</source>
        <translation>Das Kabel wurde abgezogen: %1 ist verschwunden (%2). Stecken Sie es ein und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>WriteVerificationTexts</name>
    <message>
        <source>Verify Error!!
%1 byte in the radio is not what was written:</source>
        <translation>Prüffehler!!
%1 Byte im Funkgerät ist nicht, was geschrieben wurde:</translation>
    </message>
    <message>
        <source>Verify Error!!
%1 bytes in the radio are not what was written:</source>
        <translation>Prüffehler!!
%1 Bytes im Funkgerät sind nicht, was geschrieben wurde:</translation>
    </message>
    <message>
        <source>
and %1 more</source>
        <translation>
und %1 weitere</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Daten löschen</translation>
    </message>
</context>
<context>
    <name>quorlink::ABPage</name>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>International</source>
        <translation>International</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a region and its list</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>A-Ch</source>
        <translation>A-Kanal</translation>
    </message>
    <message>
        <source>B-Ch</source>
        <translation>B-Kanal</translation>
    </message>
    <message>
        <source>P-Ch</source>
        <translation>P-Kanal</translation>
    </message>
    <message>
        <source>[None]</source>
        <translation>[Keiner]</translation>
    </message>
</context>
<context>
    <name>quorlink::AboutBox</name>
    <message>
        <source>Reads, edits and writes the memory
of the MR7100A and MR5100A radios.
Connect the programming cable before
reading from or programming a radio.
Keep a copy of the radio&apos;s data in a
file before you program it.
Use at your own risk.</source>
        <translation>Liest, bearbeitet und schreibt den Speicher
der Funkgeräte MR7100A und MR5100A.
Schließen Sie das Programmierkabel an,
bevor Sie ein Funkgerät auslesen oder programmieren.
Sichern Sie die Daten des Funkgeräts in
einer Datei, bevor Sie es programmieren.
Nutzung auf eigene Gefahr.</translation>
    </message>
    <message>
        <source>Version Infomation</source>
        <translation>Versionsinformation</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quorlink::ChannelEditor</name>
    <message>
        <source>Channel Number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Senden aktiv</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Nur geringe Leistung</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Leistung hoch</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlaufspeicher</translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation>VS-Speicher</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a channel and what changed</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>quorlink::ChannelGrid</name>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>LOW</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>UP</translation>
    </message>
    <message>
        <source>DUP</source>
        <translation>DUP</translation>
    </message>
    <message>
        <source>MEM</source>
        <translation>MEM</translation>
    </message>
    <message>
        <source>VS</source>
        <translation>VS</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>AKTIV</translation>
    </message>
    <message>
        <source>RX[MHz]</source>
        <translation>RX[MHz]</translation>
    </message>
    <message>
        <source>TX[MHz]</source>
        <translation>TX[MHz]</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Aktiv]</translation>
    </message>
</context>
<context>
    <name>quorlink::CompareWindow</name>
    <message>
        <source>%1 (the editor does not show them)</source>
        <translation>%1 (der Editor zeigt sie nicht)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 Unterschied</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 Unterschiede</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Compare the editor&apos;s data with:</source>
        <translation>Die Daten des Editors vergleichen mit:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Datei...</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Last read of this radio</source>
        <translation>&amp;Letztes Auslesen dieses Funkgeräts</translation>
    </message>
    <message>
        <source>No read of a radio with this model and user MMSI was kept.</source>
        <translation>Von einem Funkgerät mit diesem Modell und dieser Benutzer-MMSI wurde kein Auslesen aufbewahrt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Old: the radio    New: the editor&apos;s data</source>
        <translation>Alt: das Funkgerät    Neu: die Daten des Editors</translation>
    </message>
    <message>
        <source>The radio already holds these data.</source>
        <translation>Das Funkgerät enthält diese Daten bereits.</translation>
    </message>
    <message>
        <source>Program to Radio changes these in the radio: %1</source>
        <translation>„Funkgerät programmieren“ ändert dies im Funkgerät: %1</translation>
    </message>
    <message>
        <source>Write &amp;Anyway</source>
        <translation>&amp;Trotzdem schreiben</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>FileSave Error!!

%1</source>
        <translation>Dateispeicherfehler!!

%1</translation>
    </message>
</context>
<context>
    <name>quorlink::DirectoryEntryPage</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>%1 MMSI</source>
        <translation>%1 MMSI</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1 Name</translation>
    </message>
</context>
<context>
    <name>quorlink::DirectoryListPage</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
</context>
<context>
    <name>quorlink::Document</name>
    <message>
        <source>Recovery Copy</source>
        <translation>Wiederherstellungskopie</translation>
    </message>
    <message>
        <source>The edits not yet saved could not be kept as a recovery copy:
%1

Press OK to go on and drop them, Cancel to keep them.</source>
        <translation>Die noch nicht gespeicherten Änderungen konnten nicht als Wiederherstellungskopie aufbewahrt werden:
%1

Drücken Sie OK, um fortzufahren und sie zu verwerfen, oder Abbrechen, um sie zu behalten.</translation>
    </message>
</context>
<context>
    <name>quorlink::HelpWindow</name>
    <message>
        <source>Quorlink User Guide</source>
        <translation>Quorlink Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>quorlink::ListMessageBox</name>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Saves the whole list as a text file</source>
        <translation>Speichert die ganze Liste als Textdatei</translation>
    </message>
    <message>
        <source>Puts the whole list on the clipboard</source>
        <translation>Legt die ganze Liste in die Zwischenablage</translation>
    </message>
    <message>
        <source>FileSave Error!!

%1</source>
        <translation>Dateispeicherfehler!!

%1</translation>
    </message>
    <message>
        <source>The whole list was saved as %1.</source>
        <translation>Die ganze Liste wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>The whole list is on the clipboard.</source>
        <translation>Die ganze Liste ist in der Zwischenablage.</translation>
    </message>
</context>
<context>
    <name>quorlink::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>&amp;Als Standard speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>In Datei d&amp;rucken</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>Über&amp;tragung</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>Funkgerät &amp;programmieren</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Funkgerät &amp;auslesen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About QOR Version</source>
        <translation>Über QOR-&amp;Version</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Als Standard speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Funkgerät programmieren</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Funkgerät auslesen</translation>
    </message>
    <message>
        <source>Radio memory</source>
        <translation>Funkgerätspeicher</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Modified  %1</source>
        <translation>Geändert  %1</translation>
    </message>
    <message>
        <source>Do yo make new QOR Data for %1?</source>
        <translation>Neue QOR-Daten für %1 anlegen?</translation>
    </message>
</context>
<context>
    <name>quorlink::MmsiField</name>
    <message>
        <source>A group MMSI has 8 digits after its leading 0.</source>
        <translation>Eine Gruppen-MMSI hat 8 Ziffern nach der führenden 0.</translation>
    </message>
    <message>
        <source>An MMSI has %1 digits.</source>
        <translation>Eine MMSI hat %1 Ziffern.</translation>
    </message>
    <message>
        <source>Data Error!!

%1</source>
        <translation>Datenfehler!!

%1</translation>
    </message>
</context>
<context>
    <name>quorlink::PortDialog</name>
    <message>
        <source>Serial Port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Serial ports present now (the list follows cables plugged in or out):</source>
        <translation>Jetzt vorhandene serielle Schnittstellen (die Liste folgt ein- und ausgesteckten Kabeln):</translation>
    </message>
    <message>
        <source>&amp;Find my cable</source>
        <translation>Mein &amp;Kabel finden</translation>
    </message>
    <message>
        <source>Device for COM%1 (left empty, COM%1 follows the list above):</source>
        <translation>Gerät für COM%1 (leer gelassen, folgt COM%1 der Liste oben):</translation>
    </message>
    <message>
        <source>Unplug the programming cable from the computer, then press OK.</source>
        <translation>Ziehen Sie das Programmierkabel vom Computer ab und drücken Sie dann OK.</translation>
    </message>
    <message>
        <source>Plug the cable in again, wait two seconds, then press OK.</source>
        <translation>Stecken Sie das Kabel wieder ein, warten Sie zwei Sekunden und drücken Sie dann OK.</translation>
    </message>
    <message>
        <source>Your cable is %1 %2. Press OK to use it for COM%3.</source>
        <translation>Ihr Kabel ist %1 %2. Drücken Sie OK, um es für COM%3 zu verwenden.</translation>
    </message>
    <message>
        <source>No port appeared. Plug the cable in firmly, or try another USB socket; quorlink-cli doctor says what stops a port.</source>
        <translation>Keine Schnittstelle ist erschienen. Stecken Sie das Kabel fest ein oder versuchen Sie eine andere USB-Buchse; quorlink-cli doctor sagt, was eine Schnittstelle verhindert.</translation>
    </message>
    <message>
        <source>Several ports appeared (%1). Unplug the other adapters and try again, or choose your cable from the list.</source>
        <translation>Mehrere Schnittstellen sind erschienen (%1). Ziehen Sie die anderen Adapter ab und versuchen Sie es erneut, oder wählen Sie Ihr Kabel aus der Liste.</translation>
    </message>
</context>
<context>
    <name>quorlink::ReportWindow</name>
    <message>
        <source>Print to File</source>
        <translation>In Datei drucken</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Text report</source>
        <translation>Textbericht</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Textabbild wird erstellt. Bitte warten...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text files(*.txt)|*.txt|All files(*.*)|*.*</source>
        <translation>Textdateien(*.txt)|*.txt|Alle Dateien(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>quorlink::SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>quorlink::TransferDialog</name>
    <message>
        <source>Read from Radio</source>
        <translation>Funkgerät auslesen</translation>
    </message>
    <message>
        <source>1.Connect the QOR Cable.</source>
        <translation>1.QOR-Kabel anschließen.</translation>
    </message>
    <message>
        <source>2.Communication starts when you select [OK].</source>
        <translation>2.Die Übertragung beginnt, wenn Sie [OK] wählen.</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Übertragungsfortschritt</translation>
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
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Übertragungsstatus</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>Waiting for the radio on %1...</source>
        <translation>Warte auf das Funkgerät an %1...</translation>
    </message>
    <message>
        <source>Stop writing? The radio will hold a partly written memory.</source>
        <translation>Schreiben abbrechen? Das Funkgerät enthält dann einen teilweise geschriebenen Speicher.</translation>
    </message>
</context>
<context>
    <name>quorlink::WxPage</name>
    <message>
        <source>%1 %2</source>
        <comment>a weather channel and what changed</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
</context>
</TS>
