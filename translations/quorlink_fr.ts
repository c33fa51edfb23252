<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ChangeTicks</name>
    <message>
        <source>International</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes the editor does not show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio changes these in the radio: %1 of %2 changes ticked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliArgumentTexts</name>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliDirectoryTexts</name>
    <message>
        <source>%1 was not saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliFileTexts</name>
    <message>
        <source>The output could not be written completely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliOutcomeTexts</name>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliPortTexts</name>
    <message>
        <source>Asking the radio on %1 for its model code...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A radio answered on %1, but with the model code %2 (%3 at the end of its memory), which is neither an MR7100A&apos;s nor an MR5100A&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An %1 answered on %2 (model code %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port is present.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 opens: the port is ready. Nothing was sent to the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 opens: the port is ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: ModemManager (process %1) runs and may probe %2 each time the cable is plugged in. The udev rule of the Debian package keeps it away.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliPrintTexts</name>
    <message>
        <source>printing needs the program started with the print command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printed report could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliRadioTexts</name>
    <message>
        <source>Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What was read is kept in the backup %1; quorlink-cli convert --model %2 %1 OUT makes the file from it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup of this read could be kept either: read the radio again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Nothing was written; give --allow-mmsi-change to write anyway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliUsageTexts</name>
    <message>
        <source>Writes a fresh data set of MODEL to OUT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loads IN and saves it as OUT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the text report of IN to OUT, or to standard output (no OUT, or -).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the radio&apos;s memory and saves it as OUT. A failed or cancelled read writes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the radio first (kept as a before-write backup) and lists what the write changes, as diff
does; then programs the radio with IN (a data file or a .hex backup), reads the written bytes
back and compares them. --dry-run stops after the list and writes nothing; --no-read-first
skips the first read and the list (so it cannot go with --dry-run); --no-verify skips the read-back.
--only AREAS sends only the changes in those areas of the memory, --keep AREAS all but those
(comma-separated; a wrong name lists them); the rest stays as the radio holds it, e.g. --keep
user-mmsi leaves the radio&apos;s own number. Both need the first read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the printed report of IN as a PDF file (- for standard output), without a printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the radio&apos;s count of user MMSI settings back to 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists what differs from A to B, one difference a line, then the count; --brief prints the count only.
A and B are data files, .hex images, or port:PORT to read the radio on PORT (nothing is saved).
Exit status: 0 equal, 1 different, 2 usage error or trouble.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the backups and recovery copies kept in the data folder, newest first, one a line:
path, date and time, kind, model, user MMSI, what became of the write it was kept for, and
&quot;partly written&quot; when read from a radio an earlier write left partly written (tab-separated,
- where there is nothing to say). Backups are judged by content: other files are &quot;not a radio image&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the serial ports present and which COMn each one is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens PORT (or the editor&apos;s port) without talking to the radio and says what stops it.
--probe then asks the radio for its model code and says whether one answered, and which model.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes both directories of IN to OUT.csv as rows kind,mmsi,name (UTF-8).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the rows of LIST.csv to the free directory entries of IN and saves the result as OUT.
Used entries are never changed; every row not taken is listed with its line and reason.
When no entry is added, OUT is not saved and the exit status is 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODEL is MR7100A or MR5100A (any case). Files: .dat and .def are data files,
.hex is the raw memory image; a report OUT may have any name, - is standard output.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write refuses to change the radio&apos;s own MMSI unless --allow-mmsi-change is given.
Every read and write keeps a backup of the radio&apos;s memory in the backups folder of the
per-user data folder, the editor&apos;s too (~/.local/share/Quorlink, on Windows %LOCALAPPDATA%\Quorlink).
Ctrl+C cancels a transfer and ends any other command. Exit status: 0 done, 1 failed
(the reason is on standard error), 2 usage error. --version prints the version.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes with %2 only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--only and --keep cannot go together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keeps the rest as the radio holds it, for which it reads the radio first: it cannot go with --no-read-first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown area in %2 (areas: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the directory list is a .csv file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printed report goes to a .pdf file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown port in %1 (port:1..4 or port:/dev/...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown kind of file: %1 (use .dat, .def or .hex)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name %1 is not UTF-8 and cannot be used: rename the file (or link to it) with a UTF-8 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IN and OUT are the same file (%1); nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong number of file names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--model is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown model %1 (MR7100A or MR5100A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown port %1 (1..4 or a device path)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dry-run lists what the write would change, for which it reads the radio first: it cannot go with --no-read-first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloneProtocolTexts</name>
    <message>
        <source>Model Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareCommands</name>
    <message>
        <source>the radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No read of a radio with this model and user MMSI was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last read of this radio (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old: %1    New: the editor&apos;s data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlHints</name>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A maximum of 10 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 9 figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Click Inicializes the number of User MMSI setting permission</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryCsvTexts</name>
    <message>
        <source>individual directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quote is opened and never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not the three fields kind,mmsi,name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kind &quot;%1&quot; is neither individual nor group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid MMSI for the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already entry %2 of the %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 is full, %2 not added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name &quot;%1&quot; taken as &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name &quot;%1&quot; cut to &quot;%2&quot; (at most 10 characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>columns after kind,mmsi,name are ignored, here and below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a directory list: its first line does not hold the three fields kind, MMSI and name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No entries added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entry added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entries added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 row refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 name changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 name cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too large for a directory list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryListCommands</name>
    <message>
        <source>%1; the first %2 of %3 are listed above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Directory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Directory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory exported to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryTraits</name>
    <message>
        <source>Station Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Directory MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Directory MMSI</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorMainTexts</name>
    <message>
        <source>quorlink: ignored: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default file saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image exported to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer there; it was taken off the list of recent files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileContextTexts</name>
    <message>
        <source>FileSave Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileFaultTexts</name>
    <message>
        <source>no data-file sections found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written completely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: the link %1 in a folder all users share belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its folder cannot be written, and its content could not be kept before writing over it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; its previous content is kept in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link cannot be followed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileFilterTexts</name>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dat files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hex files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>csv files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HexFileTexts</name>
    <message>
        <source>Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeptCopiesTexts</name>
    <message>
        <source>No backup has been kept yet: the backups folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder: no backup can be kept until it is moved away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backups folder %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeptCopyWords</name>
    <message>
        <source>write complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written, not verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written, verify error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled before writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed before writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dropped edits (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a radio image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radio image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>partly written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenuTexts</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language takes effect when Quorlink starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavigationTreeTexts</name>
    <message>
        <source>International</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual ID%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WX Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exp Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoRadioHelpTexts</name>
    <message>
        <source>The answers on %1 broke off or were garbled. Check that:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No radio answered on %1. Check that:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- the radio is switched on and in its clone mode;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- the cable is plugged in firmly, at the radio and at the computer;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- %1 is the cable&apos;s port. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a built-in serial port, with no USB id: the cable is rarely on it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenFailureTexts</name>
    <message>
        <source>Options &gt; SerialPort &gt; Device... (or quorlink-cli ports) lists the ports present.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (no serial port)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to the group &quot;%2&quot; (owner %3, mode %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Joining a group is not the fix: install the udev rule 70-quorlink-serial.rules (it comes with the Debian package), which gives the cable to the user at the desktop, then plug the cable in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, which does not let its group read and write it.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, a group meant for more than serial ports.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. You joined that group after you logged in: log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, and you are not a member of it. Fix: sudo usermod -aG %2 $USER, then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, and you are a member of it, yet it will not open for you.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in but has no serial port: the braille display service brltty has claimed it. Unless you use a braille display, run: sudo systemctl mask brltty-udev.service brltty.service (or sudo apt remove brltty), then unplug the cable and plug it in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port is present for %1. Plug the cable in, or choose its port: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cable is unplugged: %1 is there only while it is plugged in. Plug it in and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no device %1. Plug the cable in, or choose its port: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModemManager (process %1) is probing %2 for a modem. Wait a few seconds and try again. To stop it for good, install the udev rule of the Debian package, or run: sudo systemctl stop ModemManager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3). Close that program and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no port %1: the cable is unplugged or its driver is not installed. Device Manager shows the cable under Ports (COM &amp; LPT) with its COM number when it is plugged in and its driver works. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another program (Windows lets one program at a time open a port). Close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OwnMmsiGuardTexts</name>
    <message>
        <source>no MMSI at all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s own MMSI is %1; this write would change it to %2.

Many radios accept a new own MMSI only a few times; after that only a dealer can reset it.

Press OK to write anyway, Cancel to write nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortNamesTexts</name>
    <message>
        <source>no serial port present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not plugged in)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortSystemTexts</name>
    <message>
        <source>PORT is 1..4 (COM1..COM4 as the editor counts them) or a device path such as /dev/ttyUSB0
or /dev/serial/by-id/usb-...
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PORT is 1..4 (COM1..COM4) or any other COM port, such as COM7 for a USB cable
(quorlink-cli ports lists them).
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PromptTexts</name>
    <message>
        <source>No help viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No user guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtSerialPortTexts</name>
    <message>
        <source>the port is in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a serial port (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program is using the port and took the radio&apos;s answer (%1). Close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cable was unplugged: %1 went away (%2). Plug it in and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial device went away (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Scrambler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True MAG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 A-Ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 B-Ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A/B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 CH%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual ID%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>byte 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bytes 0x%1-0x%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differ; Program to Radio does not write them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differs; Program to Radio does not write it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differ; the editor does not show them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differs; the editor does not show it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %3 -&gt; %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 CH%2 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 CH%2 settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 slot %2 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 slot %2 settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WX slot %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP channel %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP channel %1 settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 directory %2 MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 directory %2 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radio&apos;s own area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>model code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scan type, WX alert, dimmer, key beep, contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true/magnetic, time offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A/B channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA Enable bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INT Enable bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN Enable bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WX Enable bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP Enable bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA Scan bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INT Scan bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN Scan bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WX Scan bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP Scan bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user MMSI count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>individual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MID %1 is not allocated to any country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with 0: a group number, not a ship&apos;s own MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with 00: a coast station&apos;s number, not a ship&apos;s own MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with 99: an aid to navigation, not a ship&apos;s own MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with 970: an AIS-SART, not a ship&apos;s own MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with 972: a man-overboard device, not a ship&apos;s own MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with 974: an EPIRB-AIS, not a ship&apos;s own MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group numbers start with 0 and a MID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group of stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handheld with DSC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aid to navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Man-overboard device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digits only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with %1: not a kind of MMSI in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with 0: a group number; it belongs in the group directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(None)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 times</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverDialogTexts</name>
    <message>
        <source>Date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been kept yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups of transfers and copies of dropped edits, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>The report could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPdfTexts</name>
    <message>
        <source>Could not write %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafetyCommands</name>
    <message>
        <source>Re&amp;cover...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialLinkTexts</name>
    <message>
        <source>No serial port for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port did not take the bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsRows</name>
    <message>
        <source>Radio Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimmer Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[On]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Scrambler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True MAG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Magnetic On]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Auto]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Able to Comply]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StampedFileTexts</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many files in one second in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>&amp;SerialPort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Device...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify After Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Changes Before &amp;Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from the radio on COM%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 now means %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Write without it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferRunTexts</name>
    <message>
        <source>Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
To put back what it held before, program
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
What it held before this write was itself a partly written memory, left by an earlier write cut short (%1). </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup of it whole is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To put back what it held when it was last whole, program
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program it again before use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program it again before use, e.g. from the backup of this write,
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write went through, but it was not verified: the radio may not hold what was written. Compare it with the data, or %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio now holds a partly written memory: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferSafetyTexts</name>
    <message>
        <source>The backup of this read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The before-write backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of this write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved in %2: %3.

Without it, what the radio holds now is kept nowhere once it is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How this write ended could not be noted beside its backups: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WholeFileTexts</name>
    <message>
        <source>%1 was written over in place, as its folder cannot be written; its previous content is kept in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WidgetPromptTexts</name>
    <message>
        <source>Stop Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user guide README.md is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help file %1 not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Win32SerialPortTexts</name>
    <message>
        <source>The cable was unplugged: %1 went away (%2). Plug it in and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteVerificationTexts</name>
    <message>
        <source>Verify Error!!
%1 byte in the radio is not what was written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Error!!
%1 bytes in the radio are not what was written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::ABPage</name>
    <message>
        <source>USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a region and its list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A-Ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B-Ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P-Ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[None]</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version Infomation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::ChannelEditor</name>
    <message>
        <source>Channel Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a channel and what changed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::ChannelGrid</name>
    <message>
        <source>TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX[MHz]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX[MHz]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::CompareWindow</name>
    <message>
        <source>%1 (the editor does not show them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the editor&apos;s data with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Last read of this radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No read of a radio with this model and user MMSI was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old: the radio    New: the editor&apos;s data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio already holds these data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio changes these in the radio: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write &amp;Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FileSave Error!!

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::DirectoryEntryPage</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::DirectoryListPage</name>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::Document</name>
    <message>
        <source>Recovery Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The edits not yet saved could not be kept as a recovery copy:
%1

Press OK to go on and drop them, Cancel to keep them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::HelpWindow</name>
    <message>
        <source>Quorlink User Guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::ListMessageBox</name>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the whole list as a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the whole list on the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FileSave Error!!

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole list was saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole list is on the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About QOR Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do yo make new QOR Data for %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::MmsiField</name>
    <message>
        <source>A group MMSI has 8 digits after its leading 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An MMSI has %1 digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Error!!

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::PortDialog</name>
    <message>
        <source>Serial Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial ports present now (the list follows cables plugged in or out):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find my cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device for COM%1 (left empty, COM%1 follows the list above):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unplug the programming cable from the computer, then press OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug the cable in again, wait two seconds, then press OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your cable is %1 %2. Press OK to use it for COM%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No port appeared. Plug the cable in firmly, or try another USB socket; quorlink-cli doctor says what stops a port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several ports appeared (%1). Unplug the other adapters and try again, or choose your cable from the list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::ReportWindow</name>
    <message>
        <source>Print to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files(*.txt)|*.txt|All files(*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::TransferDialog</name>
    <message>
        <source>Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.Connect the QOR Cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.Communication starts when you select [OK].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the radio on %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop writing? The radio will hold a partly written memory.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorlink::WxPage</name>
    <message>
        <source>%1 %2</source>
        <comment>a weather channel and what changed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
