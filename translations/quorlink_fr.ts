<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ChangeTicks</name>
    <message>
        <source>International</source>
        <translation>International</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Répertoire de groupe</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <source>Bytes the editor does not show</source>
        <translation>Octets que l&apos;éditeur n&apos;affiche pas</translation>
    </message>
    <message>
        <source>Program to Radio changes these in the radio: %1 of %2 changes ticked</source>
        <translation>Programmer la radio modifie ceci dans la radio : %1 modifications cochées sur %2</translation>
    </message>
</context>
<context>
    <name>CliArgumentTexts</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
</context>
<context>
    <name>CliDirectoryTexts</name>
    <message>
        <source>%1 was not saved</source>
        <translation>%1 n&apos;a pas été enregistré</translation>
    </message>
</context>
<context>
    <name>CliFileTexts</name>
    <message>
        <source>The output could not be written completely</source>
        <translation>La sortie n&apos;a pas pu être écrite entièrement</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>sortie standard : %1</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Erreur d&apos;enregistrement du fichier!!</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
</context>
<context>
    <name>CliOutcomeTexts</name>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
</context>
<context>
    <name>CliPortTexts</name>
    <message>
        <source>Asking the radio on %1 for its model code...</source>
        <translation>Demande du code de modèle à la radio sur %1...</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 a échoué : %2</translation>
    </message>
    <message>
        <source>A radio answered on %1, but with the model code %2 (%3 at the end of its memory), which is neither an MR7100A&apos;s nor an MR5100A&apos;s.</source>
        <translation>Une radio a répondu sur %1, mais avec le code de modèle %2 (%3 à la fin de sa mémoire), qui n&apos;est ni celui d&apos;une MR7100A ni celui d&apos;une MR5100A.</translation>
    </message>
    <message>
        <source>An %1 answered on %2 (model code %3).</source>
        <translation>Une %1 a répondu sur %2 (code de modèle %3).</translation>
    </message>
    <message>
        <source>No serial port is present.</source>
        <translation>Aucun port série n&apos;est présent.</translation>
    </message>
    <message>
        <source>%1 opens: the port is ready. Nothing was sent to the radio.</source>
        <translation>%1 s&apos;ouvre : le port est prêt. Rien n&apos;a été envoyé à la radio.</translation>
    </message>
    <message>
        <source>%1 opens: the port is ready.</source>
        <translation>%1 s&apos;ouvre : le port est prêt.</translation>
    </message>
    <message>
        <source>Note: ModemManager (process %1) runs and may probe %2 each time the cable is plugged in. The udev rule of the Debian package keeps it away.</source>
        <translation>Remarque : ModemManager (processus %1) tourne et peut sonder %2 à chaque branchement du câble. La règle udev du paquet Debian l&apos;en empêche.</translation>
    </message>
</context>
<context>
    <name>CliPrintTexts</name>
    <message>
        <source>printing needs the program started with the print command</source>
        <translation>l&apos;impression demande que le programme soit lancé avec la commande print</translation>
    </message>
    <message>
        <source>The printed report could not be drawn</source>
        <translation>Le rapport imprimé n&apos;a pas pu être dessiné</translation>
    </message>
</context>
<context>
    <name>CliRadioTexts</name>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>What was read is kept in the backup %1; quorlink-cli convert --model %2 %1 OUT makes the file from it.</source>
        <translation>Ce qui a été lu est conservé dans la sauvegarde %1 ; quorlink-cli convert --model %2 %1 OUT en fait le fichier.</translation>
    </message>
    <message>
        <source>No backup of this read could be kept either: read the radio again.</source>
        <translation>Aucune sauvegarde de cette lecture n&apos;a pu être conservée non plus : relisez la radio.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>%1 Nothing was written; give --allow-mmsi-change to write anyway.</source>
        <translation>%1 Rien n&apos;a été écrit ; ajoutez --allow-mmsi-change pour écrire quand même.</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Clearing</source>
        <translation>Effacement</translation>
    </message>
</context>
<context>
    <name>CliUsageTexts</name>
    <message>
        <source>Writes a fresh data set of MODEL to OUT.</source>
        <translation>Écrit un jeu de données neuf de MODEL dans OUT.</translation>
    </message>
    <message>
        <source>Loads IN and saves it as OUT.</source>
        <translation>Charge IN et l&apos;enregistre sous OUT.</translation>
    </message>
    <message>
        <source>Writes the text report of IN to OUT, or to standard output (no OUT, or -).</source>
        <translation>Écrit le rapport texte de IN dans OUT, ou sur la sortie standard (sans OUT, ou -).</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s memory and saves it as OUT. A failed or cancelled read writes nothing.</source>
        <translation>Lit la mémoire de la radio et l&apos;enregistre sous OUT. Une lecture échouée ou annulée n&apos;écrit rien.</translation>
    </message>
    <message>
        <source>Reads the radio first (kept as a before-write backup) and lists what the write changes, as diff
does; then programs the radio with IN (a data file or a .hex backup), reads the written bytes
back and compares them. --dry-run stops after the list and writes nothing; --no-read-first
skips the first read and the list (so it cannot go with --dry-run); --no-verify skips the read-back.
--only AREAS sends only the changes in those areas of the memory, --keep AREAS all but those
(comma-separated; a wrong name lists them); the rest stays as the radio holds it, e.g. --keep
user-mmsi leaves the radio&apos;s own number. Both need the first read.</source>
        <translation>Lit d&apos;abord la radio (gardée comme sauvegarde avant écriture) et liste ce que l&apos;écriture change, comme diff ;
puis programme la radio avec IN (un fichier de données ou une sauvegarde .hex), relit les octets écrits
et les compare. --dry-run s&apos;arrête après la liste et n&apos;écrit rien ; --no-read-first
saute la première lecture et la liste (il ne va donc pas avec --dry-run) ; --no-verify saute la relecture.
--only AREAS n&apos;envoie que les modifications de ces zones de la mémoire, --keep AREAS toutes sauf celles-là
(séparées par des virgules ; un nom erroné les liste) ; le reste reste tel que la radio le contient, p. ex. --keep
user-mmsi laisse à la radio son propre numéro. Les deux demandent la première lecture.</translation>
    </message>
    <message>
        <source>Writes the printed report of IN as a PDF file (- for standard output), without a printer.</source>
        <translation>Écrit le rapport imprimé de IN dans un fichier PDF (- pour la sortie standard), sans imprimante.</translation>
    </message>
    <message>
        <source>Sets the radio&apos;s count of user MMSI settings back to 0.</source>
        <translation>Remet à 0 le compteur de saisies du MMSI utilisateur de la radio.</translation>
    </message>
    <message>
        <source>Lists what differs from A to B, one difference a line, then the count; --brief prints the count only.
A and B are data files, .hex images, or port:PORT to read the radio on PORT (nothing is saved).
Exit status: 0 equal, 1 different, 2 usage error or trouble.</source>
        <translation>Liste ce qui diffère de A à B, une différence par ligne, puis le nombre ; --brief n&apos;affiche que le nombre.
A et B sont des fichiers de données, des images .hex, ou port:PORT pour lire la radio sur PORT (rien n&apos;est enregistré).
Code de sortie : 0 identiques, 1 différents, 2 erreur d&apos;utilisation ou problème.</translation>
    </message>
    <message>
        <source>Lists the backups and recovery copies kept in the data folder, newest first, one a line:
path, date and time, kind, model, user MMSI, what became of the write it was kept for, and
&quot;partly written&quot; when read from a radio an earlier write left partly written (tab-separated,
- where there is nothing to say). Backups are judged by content: other files are &quot;not a radio image&quot;.</source>
        <translation>Liste les sauvegardes et copies de récupération conservées dans le dossier de données, la plus récente d&apos;abord, une par ligne :
chemin, date et heure, type, modèle, MMSI utilisateur, ce qu&apos;il est advenu de l&apos;écriture pour laquelle elle a été gardée, et
« partiellement écrite » si elle a été lue sur une radio qu&apos;une écriture antérieure a laissée partiellement écrite (séparé par des tabulations,
- là où il n&apos;y a rien à dire). Les sauvegardes sont jugées sur leur contenu : les autres fichiers sont « pas une image de radio ».</translation>
    </message>
    <message>
        <source>Lists the serial ports present and which COMn each one is.</source>
        <translation>Liste les ports série présents et le COMn de chacun.</translation>
    </message>
    <message>
        <source>Opens PORT (or the editor&apos;s port) without talking to the radio and says what stops it.
--probe then asks the radio for its model code and says whether one answered, and which model.</source>
        <translation>Ouvre PORT (ou le port de l&apos;éditeur) sans parler à la radio et dit ce qui l&apos;en empêche.
--probe demande ensuite à la radio son code de modèle et dit si une radio a répondu, et de quel modèle.</translation>
    </message>
    <message>
        <source>Writes both directories of IN to OUT.csv as rows kind,mmsi,name (UTF-8).</source>
        <translation>Écrit les deux répertoires de IN dans OUT.csv en lignes kind,mmsi,name (UTF-8).</translation>
    </message>
    <message>
        <source>Adds the rows of LIST.csv to the free directory entries of IN and saves the result as OUT.
Used entries are never changed; every row not taken is listed with its line and reason.
When no entry is added, OUT is not saved and the exit status is 1.</source>
        <translation>Ajoute les lignes de LIST.csv aux entrées libres des répertoires de IN et enregistre le résultat sous OUT.
Les entrées utilisées ne sont jamais modifiées ; chaque ligne non reprise est listée avec son numéro et le motif.
Si aucune entrée n&apos;est ajoutée, OUT n&apos;est pas enregistré et le code de sortie est 1.</translation>
    </message>
    <message>
        <source>MODEL is MR7100A or MR5100A (any case). Files: .dat and .def are data files,
.hex is the raw memory image; a report OUT may have any name, - is standard output.
</source>
        <translation>MODEL est MR7100A ou MR5100A (majuscules ou minuscules). Fichiers : .dat et .def sont des fichiers de données,
.hex est l&apos;image brute de la mémoire ; un rapport OUT peut porter n&apos;importe quel nom, - est la sortie standard.
</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Utilisation :</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 goes with %2 only</source>
        <translation>%1 ne va qu&apos;avec %2</translation>
    </message>
    <message>
        <source>--only and --keep cannot go together</source>
        <translation>--only et --keep ne vont pas ensemble</translation>
    </message>
    <message>
        <source>%1 keeps the rest as the radio holds it, for which it reads the radio first: it cannot go with --no-read-first</source>
        <translation>%1 garde le reste tel que la radio le contient, et lit donc d&apos;abord la radio : il ne va pas avec --no-read-first</translation>
    </message>
    <message>
        <source>%1: unknown area in %2 (areas: %3)</source>
        <translation>%1 : zone inconnue dans %2 (zones : %3)</translation>
    </message>
    <message>
        <source>the directory list is a .csv file: %1</source>
        <translation>la liste de répertoire est un fichier .csv : %1</translation>
    </message>
    <message>
        <source>the printed report goes to a .pdf file: %1</source>
        <translation>le rapport imprimé va dans un fichier .pdf : %1</translation>
    </message>
    <message>
        <source>unknown port in %1 (port:1..4 or port:/dev/...)</source>
        <translation>port inconnu dans %1 (port:1..4 ou port:/dev/...)</translation>
    </message>
    <message>
        <source>unknown kind of file: %1 (use .dat, .def or .hex)</source>
        <translation>type de fichier inconnu : %1 (utilisez .dat, .def ou .hex)</translation>
    </message>
    <message>
        <source>the name %1 is not UTF-8 and cannot be used: rename the file (or link to it) with a UTF-8 name</source>
        <translation>le nom %1 n&apos;est pas en UTF-8 et ne peut pas être utilisé : renommez le fichier (ou créez un lien vers lui) avec un nom UTF-8</translation>
    </message>
    <message>
        <source>IN and OUT are the same file (%1); nothing was written</source>
        <translation>IN et OUT sont le même fichier (%1) ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
    </message>
    <message>
        <source>wrong number of file names</source>
        <translation>nombre de noms de fichier incorrect</translation>
    </message>
    <message>
        <source>--model is required</source>
        <translation>--model est obligatoire</translation>
    </message>
    <message>
        <source>unknown model %1 (MR7100A or MR5100A)</source>
        <translation>modèle inconnu %1 (MR7100A ou MR5100A)</translation>
    </message>
    <message>
        <source>--port is required</source>
        <translation>--port est obligatoire</translation>
    </message>
    <message>
        <source>unknown port %1 (1..4 or a device path)</source>
        <translation>port inconnu %1 (1..4 ou chemin d&apos;un périphérique)</translation>
    </message>
    <message>
        <source>--dry-run lists what the write would change, for which it reads the radio first: it cannot go with --no-read-first</source>
        <translation>--dry-run liste ce que l&apos;écriture changerait, et lit donc d&apos;abord la radio : il ne va pas avec --no-read-first</translation>
    </message>
    <message>
        <source>write refuses to change the radio&apos;s own MMSI unless --allow-mmsi-change is given.
Every read and write keeps a backup of the radio&apos;s memory in the backups folder of the
per-user data folder, the editor&apos;s too (~/.local/share/Quorlink, on Windows %LOCALAPPDATA%\Quorlink).
Ctrl+C cancels a transfer and ends any other command. Exit status: 0 done, 1 failed
(the reason is on standard error), 2 usage error; for diff 0 equal, 1 the two differ,
2 usage error or a side that cannot be loaded. --version prints the version.
</source>
        <translation>write refuse de changer le MMSI propre de la radio sauf si --allow-mmsi-change est donné.
Chaque lecture et écriture conserve une sauvegarde de la mémoire de la radio dans le dossier backups du
dossier de données de l&apos;utilisateur, celles de l&apos;éditeur aussi (~/.local/share/Quorlink, sous Windows %LOCALAPPDATA%\Quorlink).
Ctrl+C annule un transfert et termine toute autre commande. Code de sortie : 0 fait, 1 échec
(le motif est sur la sortie d&apos;erreur standard), 2 erreur d&apos;utilisation ; pour diff 0 identiques, 1 les deux diffèrent,
2 erreur d&apos;utilisation ou un côté impossible à charger. --version affiche la version.
</translation>
    </message>
</context>
<context>
    <name>CloneProtocolTexts</name>
    <message>
        <source>Model Check</source>
        <translation>Vérification du modèle</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmer la radio</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer les données</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Erreur de communication!!</translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation>Erreur de modèle !!</translation>
    </message>
</context>
<context>
    <name>CompareCommands</name>
    <message>
        <source>the radio</source>
        <translation>la radio</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>No read of a radio with this model and user MMSI was kept.</source>
        <translation>Aucune lecture d&apos;une radio de ce modèle et de ce MMSI utilisateur n&apos;a été conservée.</translation>
    </message>
    <message>
        <source>the last read of this radio (%1)</source>
        <translation>la dernière lecture de cette radio (%1)</translation>
    </message>
    <message>
        <source>Old: %1    New: the editor&apos;s data</source>
        <translation>Ancien : %1    Nouveau : les données de l&apos;éditeur</translation>
    </message>
</context>
<context>
    <name>ControlHints</name>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Haut]/[Bas]/[Gauche]/[Droite] : change l&apos;élément choisi.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espace] : active ou désactive.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Choix [x]Activé/[]Désactivé.</translation>
    </message>
    <message>
        <source>[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End</source>
        <translation>[Haut/Bas] : 1 pas, [Pg préc/Pg suiv] : 10 pas, [Origine/Fin] : début/fin</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Double clic],[Entrée] : ouvre l&apos;écran de réglage.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>12 caractères au maximum</translation>
    </message>
    <message>
        <source>A maximum of 10 characters.</source>
        <translation>10 caractères au maximum.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 9 figures.</source>
        <translation>Chiffres uniquement. 9 chiffres obligatoires.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Chiffres uniquement. 10 chiffres obligatoires.</translation>
    </message>
    <message>
        <source>A Click Inicializes the number of User MMSI setting permission</source>
        <translation>Un clic remet à zéro le nombre de saisies autorisées du MMSI utilisateur</translation>
    </message>
</context>
<context>
    <name>DirectoryCsvTexts</name>
    <message>
        <source>individual directory</source>
        <translation>répertoire individuel</translation>
    </message>
    <message>
        <source>group directory</source>
        <translation>répertoire de groupe</translation>
    </message>
    <message>
        <source>a quote is opened and never closed</source>
        <translation>un guillemet est ouvert et jamais fermé</translation>
    </message>
    <message>
        <source>not the three fields kind,mmsi,name</source>
        <translation>pas les trois champs kind,mmsi,name</translation>
    </message>
    <message>
        <source>kind &quot;%1&quot; is neither individual nor group</source>
        <translation>le type « %1 » n&apos;est ni individual ni group</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid MMSI for the %2</source>
        <translation>« %1 » n&apos;est pas un MMSI valide pour le %2</translation>
    </message>
    <message>
        <source>%1 is already entry %2 of the %3</source>
        <translation>%1 est déjà l&apos;entrée %2 du %3</translation>
    </message>
    <message>
        <source>the %1 is full, %2 not added</source>
        <translation>le %1 est plein, %2 non ajouté</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; taken as &quot;%2&quot;</source>
        <translation>nom « %1 » repris comme « %2 »</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; cut to &quot;%2&quot; (at most 10 characters)</source>
        <translation>nom « %1 » coupé en « %2 » (10 caractères au plus)</translation>
    </message>
    <message>
        <source>columns after kind,mmsi,name are ignored, here and below</source>
        <translation>les colonnes après kind,mmsi,name sont ignorées, ici et plus bas</translation>
    </message>
    <message>
        <source>Not a directory list: its first line does not hold the three fields kind, MMSI and name</source>
        <translation>Pas une liste de répertoire : sa première ligne ne contient pas les trois champs type, MMSI et nom</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>No entries added</source>
        <translation>Aucune entrée ajoutée</translation>
    </message>
    <message>
        <source>%1 entry added</source>
        <translation>%1 entrée ajoutée</translation>
    </message>
    <message>
        <source>%1 entries added</source>
        <translation>%1 entrées ajoutées</translation>
    </message>
    <message>
        <source>%1 row refused</source>
        <translation>%1 ligne refusée</translation>
    </message>
    <message>
        <source>%1 rows refused</source>
        <translation>%1 lignes refusées</translation>
    </message>
    <message>
        <source>%1 name changed</source>
        <translation>%1 nom modifié</translation>
    </message>
    <message>
        <source>%1 names changed</source>
        <translation>%1 noms modifiés</translation>
    </message>
    <message>
        <source>%1 name cut</source>
        <translation>%1 nom coupé</translation>
    </message>
    <message>
        <source>%1 names cut</source>
        <translation>%1 noms coupés</translation>
    </message>
    <message>
        <source>Too large for a directory list</source>
        <translation>Trop volumineux pour une liste de répertoire</translation>
    </message>
</context>
<context>
    <name>DirectoryListCommands</name>
    <message>
        <source>%1; the first %2 of %3 are listed above</source>
        <translation>%1 ; les %2 premières sur %3 sont listées ci-dessus</translation>
    </message>
    <message>
        <source>&amp;Import Directory...</source>
        <translation>Im&amp;porter le répertoire...</translation>
    </message>
    <message>
        <source>&amp;Export Directory...</source>
        <translation>E&amp;xporter le répertoire...</translation>
    </message>
    <message>
        <source>Import Directory</source>
        <translation>Importer le répertoire</translation>
    </message>
    <message>
        <source>Export Directory</source>
        <translation>Exporter le répertoire</translation>
    </message>
    <message>
        <source>Directory exported to %1</source>
        <translation>Répertoire exporté vers %1</translation>
    </message>
</context>
<context>
    <name>DirectoryTraits</name>
    <message>
        <source>Station Name</source>
        <translation>Nom de station</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>NOM DE STATION</translation>
    </message>
    <message>
        <source>Individual Directory MMSI</source>
        <translation>MMSI du répertoire individuel</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nom de groupe</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>NOM DE GROUPE</translation>
    </message>
    <message>
        <source>Group Directory MMSI</source>
        <translation>MMSI du répertoire de groupe</translation>
    </message>
</context>
<context>
    <name>EditorMainTexts</name>
    <message>
        <source>quorlink: ignored: %1</source>
        <translation>quorlink : ignoré : %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>Default file saved as %1</source>
        <translation>Fichier par défaut enregistré sous %1</translation>
    </message>
    <message>
        <source>Image exported to %1</source>
        <translation>Image exportée vers %1</translation>
    </message>
    <message>
        <source>%1 is no longer there; it was taken off the list of recent files.</source>
        <translation>%1 n&apos;existe plus ; il a été retiré de la liste des fichiers récents.</translation>
    </message>
</context>
<context>
    <name>FileContextTexts</name>
    <message>
        <source>FileSave Error!!</source>
        <translation>Erreur d&apos;enregistrement du fichier!!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Erreur de lecture du fichier!!</translation>
    </message>
</context>
<context>
    <name>FileFaultTexts</name>
    <message>
        <source>no data-file sections found</source>
        <translation>aucune section de fichier de données trouvée</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Erreur d&apos;accès au fichier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>The file could not be written completely</source>
        <translation>Le fichier n&apos;a pas pu être écrit entièrement</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <source>Permission denied: the link %1 in a folder all users share belongs to another user</source>
        <translation>Permission refusée : le lien %1, dans un dossier partagé par tous les utilisateurs, appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>Its folder cannot be written, and its content could not be kept before writing over it: %1</source>
        <translation>Son dossier n&apos;est pas accessible en écriture, et son contenu n&apos;a pas pu être conservé avant d&apos;être écrasé : %1</translation>
    </message>
    <message>
        <source>%1; its previous content is kept in %2</source>
        <translation>%1 ; son contenu précédent est conservé dans %2</translation>
    </message>
    <message>
        <source>The link cannot be followed</source>
        <translation>Le lien ne peut pas être suivi</translation>
    </message>
    <message>
        <source>%1 is a name Windows keeps for a device</source>
        <translation>%1 est un nom que Windows réserve à un périphérique</translation>
    </message>
</context>
<context>
    <name>FileFilterTexts</name>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>Fichiers dat</translation>
    </message>
    <message>
        <source>Radio images</source>
        <translation>Images de radio</translation>
    </message>
    <message>
        <source>hex files</source>
        <translation>Fichiers hex</translation>
    </message>
    <message>
        <source>csv files</source>
        <translation>Fichiers csv</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Fichiers texte</translation>
    </message>
</context>
<context>
    <name>HexFileTexts</name>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation>Erreur de modèle !!</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
</context>
<context>
    <name>KeptCopiesTexts</name>
    <message>
        <source>No backup has been kept yet: the backups folder %1 does not exist.</source>
        <translation>Aucune sauvegarde n&apos;a encore été conservée : le dossier des sauvegardes %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a folder: no backup can be kept until it is moved away.</source>
        <translation>%1 n&apos;est pas un dossier : aucune sauvegarde ne peut être conservée tant qu&apos;il n&apos;est pas déplacé.</translation>
    </message>
    <message>
        <source>The backups folder %1 cannot be read.</source>
        <translation>Le dossier des sauvegardes %1 ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>KeptCopyWords</name>
    <message>
        <source>write complete</source>
        <translation>écriture terminée</translation>
    </message>
    <message>
        <source>written, not verified</source>
        <translation>écrite, non vérifiée</translation>
    </message>
    <message>
        <source>written, verify error</source>
        <translation>écrite, erreur de vérification</translation>
    </message>
    <message>
        <source>cancelled before writing</source>
        <translation>annulée avant l&apos;écriture</translation>
    </message>
    <message>
        <source>failed before writing</source>
        <translation>échec avant l&apos;écriture</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>interrompue</translation>
    </message>
    <message>
        <source>before write</source>
        <translation>avant écriture</translation>
    </message>
    <message>
        <source>written</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>dropped edits (%1)</source>
        <translation>modifications abandonnées (%1)</translation>
    </message>
    <message>
        <source>not a radio image</source>
        <translation>pas une image de radio</translation>
    </message>
    <message>
        <source>radio image</source>
        <translation>image de radio</translation>
    </message>
    <message>
        <source>partly written</source>
        <translation>partiellement écrite</translation>
    </message>
</context>
<context>
    <name>LanguageMenuTexts</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The new language takes effect when Quorlink starts again.</source>
        <translation>La nouvelle langue prendra effet au prochain démarrage de Quorlink.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
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
        <translation>Canada</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Activé]</translation>
    </message>
    <message>
        <source>Individual ID%1</source>
        <translation>ID individuel %1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>ID de groupe %1</translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation>Canaux programmables</translation>
    </message>
    <message>
        <source>WX Channel</source>
        <translation>Canaux WX</translation>
    </message>
    <message>
        <source>Exp Channel</source>
        <translation>Canaux EXP</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Répertoire de groupe</translation>
    </message>
</context>
<context>
    <name>NoRadioHelpTexts</name>
    <message>
        <source>The answers on %1 broke off or were garbled. Check that:</source>
        <translation>Les réponses sur %1 se sont interrompues ou étaient brouillées. Vérifiez que :</translation>
    </message>
    <message>
        <source>No radio answered on %1. Check that:</source>
        <translation>Aucune radio n&apos;a répondu sur %1. Vérifiez que :</translation>
    </message>
    <message>
        <source>- the radio is switched on and in its clone mode;</source>
        <translation>- la radio est allumée et en mode clonage ;</translation>
    </message>
    <message>
        <source>- the cable is plugged in firmly, at the radio and at the computer;</source>
        <translation>- le câble est bien branché, côté radio et côté ordinateur ;</translation>
    </message>
    <message>
        <source>- %1 is the cable&apos;s port. %2</source>
        <translation>- %1 est le port du câble. %2</translation>
    </message>
    <message>
        <source>%1 is a built-in serial port, with no USB id: the cable is rarely on it.</source>
        <translation>%1 est un port série intégré, sans identifiant USB : le câble y est rarement branché.</translation>
    </message>
</context>
<context>
    <name>OpenFailureTexts</name>
    <message>
        <source>Options &gt; SerialPort &gt; Device... (or quorlink-cli ports) lists the ports present.</source>
        <translation>Options &gt; Port série &gt; Périphérique... (ou quorlink-cli ports) liste les ports présents.</translation>
    </message>
    <message>
        <source>%1 (no serial port)</source>
        <translation>%1 (pas de port série)</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 belongs to the group &quot;%2&quot; (owner %3, mode %4)</source>
        <translation>%1 appartient au groupe « %2 » (propriétaire %3, mode %4)</translation>
    </message>
    <message>
        <source> Joining a group is not the fix: install the udev rule 70-quorlink-serial.rules (it comes with the Debian package), which gives the cable to the user at the desktop, then plug the cable in again.</source>
        <translation> Rejoindre un groupe n&apos;est pas la solution : installez la règle udev 70-quorlink-serial.rules (fournie avec le paquet Debian), qui donne le câble à l&apos;utilisateur de la session, puis rebranchez le câble.</translation>
    </message>
    <message>
        <source>%1, which does not let its group read and write it.%2</source>
        <translation>%1, qui ne permet pas à son groupe de le lire et de l&apos;écrire.%2</translation>
    </message>
    <message>
        <source>%1, a group meant for more than serial ports.%2</source>
        <translation>%1, un groupe prévu pour plus que les ports série.%2</translation>
    </message>
    <message>
        <source>%1. You joined that group after you logged in: log out and in again.</source>
        <translation>%1. Vous avez rejoint ce groupe après votre connexion : déconnectez-vous puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1, and you are not a member of it. Fix: sudo usermod -aG %2 $USER, then log out and in again.</source>
        <translation>%1, et vous n&apos;en êtes pas membre. Solution : sudo usermod -aG %2 $USER, puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1, and you are a member of it, yet it will not open for you.%2</source>
        <translation>%1, et vous en êtes membre, mais il refuse de s&apos;ouvrir pour vous.%2</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in but has no serial port: the braille display service brltty has claimed it. Unless you use a braille display, run: sudo systemctl mask brltty-udev.service brltty.service (or sudo apt remove brltty), then unplug the cable and plug it in again.</source>
        <translation>L&apos;adaptateur série USB %1 est branché mais n&apos;a pas de port série : le service d&apos;afficheur braille brltty l&apos;a accaparé. Si vous n&apos;utilisez pas d&apos;afficheur braille, lancez : sudo systemctl mask brltty-udev.service brltty.service (ou sudo apt remove brltty), puis débranchez et rebranchez le câble.</translation>
    </message>
    <message>
        <source>No serial port is present for %1. Plug the cable in, or choose its port: %2</source>
        <translation>Aucun port série n&apos;est présent pour %1. Branchez le câble, ou choisissez son port : %2</translation>
    </message>
    <message>
        <source>The cable is unplugged: %1 is there only while it is plugged in. Plug it in and try again.</source>
        <translation>Le câble est débranché : %1 n&apos;existe que lorsqu&apos;il est branché. Branchez-le et réessayez.</translation>
    </message>
    <message>
        <source>There is no device %1. Plug the cable in, or choose its port: %2</source>
        <translation>Le périphérique %1 n&apos;existe pas. Branchez le câble, ou choisissez son port : %2</translation>
    </message>
    <message>
        <source>ModemManager (process %1) is probing %2 for a modem. Wait a few seconds and try again. To stop it for good, install the udev rule of the Debian package, or run: sudo systemctl stop ModemManager</source>
        <translation>ModemManager (processus %1) sonde %2 à la recherche d&apos;un modem. Attendez quelques secondes et réessayez. Pour l&apos;arrêter définitivement, installez la règle udev du paquet Debian, ou lancez : sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3). Close that program and try again.</source>
        <translation>%1 est utilisé par %2 (processus %3). Fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close it and try again.</source>
        <translation>%1 est utilisé par un autre programme. Fermez-le et réessayez.</translation>
    </message>
    <message>
        <source>There is no port %1: the cable is unplugged or its driver is not installed. Device Manager shows the cable under Ports (COM &amp; LPT) with its COM number when it is plugged in and its driver works. %2</source>
        <translation>Le port %1 n&apos;existe pas : le câble est débranché ou son pilote n&apos;est pas installé. Le Gestionnaire de périphériques affiche le câble sous Ports (COM et LPT) avec son numéro COM lorsqu&apos;il est branché et que son pilote fonctionne. %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program (Windows lets one program at a time open a port). Close it and try again.</source>
        <translation>%1 est utilisé par un autre programme (Windows ne laisse qu&apos;un programme à la fois ouvrir un port). Fermez-le et réessayez.</translation>
    </message>
</context>
<context>
    <name>OwnMmsiGuardTexts</name>
    <message>
        <source>no MMSI at all</source>
        <translation>aucun MMSI</translation>
    </message>
    <message>
        <source>The radio&apos;s own MMSI is %1; this write would change it to %2.

Many radios accept a new own MMSI only a few times; after that only a dealer can reset it.

Press OK to write anyway, Cancel to write nothing.</source>
        <translation>Le MMSI propre de la radio est %1 ; cette écriture le changerait en %2.

Beaucoup de radios n&apos;acceptent un nouveau MMSI propre que quelques fois ; ensuite, seul un revendeur peut le réinitialiser.

Appuyez sur OK pour écrire quand même, sur Annuler pour ne rien écrire.</translation>
    </message>
</context>
<context>
    <name>PortNamesTexts</name>
    <message>
        <source>no serial port present</source>
        <translation>aucun port série présent</translation>
    </message>
    <message>
        <source>%1 (not plugged in)</source>
        <translation>%1 (non branché)</translation>
    </message>
</context>
<context>
    <name>PortSystemTexts</name>
    <message>
        <source>PORT is 1..4 (COM1..COM4 as the editor counts them) or a device path such as /dev/ttyUSB0
or /dev/serial/by-id/usb-...
</source>
        <translation>PORT vaut 1..4 (COM1..COM4 tels que l&apos;éditeur les compte) ou un chemin de périphérique tel que /dev/ttyUSB0
ou /dev/serial/by-id/usb-...
</translation>
    </message>
    <message>
        <source>PORT is 1..4 (COM1..COM4) or any other COM port, such as COM7 for a USB cable
(quorlink-cli ports lists them).
</source>
        <translation>PORT vaut 1..4 (COM1..COM4) ou tout autre port COM, tel que COM7 pour un câble USB
(quorlink-cli ports les liste).
</translation>
    </message>
</context>
<context>
    <name>PromptTexts</name>
    <message>
        <source>No help viewer</source>
        <translation>Pas de visionneuse d&apos;aide</translation>
    </message>
    <message>
        <source>No user guide</source>
        <translation>Pas de guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Impossible d&apos;afficher le sommaire de l&apos;aide. Aucune aide n&apos;est associée à ce projet.</translation>
    </message>
</context>
<context>
    <name>QtSerialPortTexts</name>
    <message>
        <source>the port is in use by another program</source>
        <translation>le port est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>%1 is not a serial port (%2)</source>
        <translation>%1 n&apos;est pas un port série (%2)</translation>
    </message>
    <message>
        <source>Another program is using the port and took the radio&apos;s answer (%1). Close it and try again.</source>
        <translation>Un autre programme utilise le port et a pris la réponse de la radio (%1). Fermez-le et réessayez.</translation>
    </message>
    <message>
        <source>The cable was unplugged: %1 went away (%2). Plug it in and try again.</source>
        <translation>Le câble a été débranché : %1 a disparu (%2). Branchez-le et réessayez.</translation>
    </message>
    <message>
        <source>The serial device went away (%1)</source>
        <translation>Le périphérique série a disparu (%1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Émission autorisée</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Faible puissance seule</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Hausse de puissance</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Mémoire de balayage</translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation>Mémoire VS</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation>Gradateur</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Décalage horaire</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Bip touches</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>Alerte WX</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Type de balayage</translation>
    </message>
    <message>
        <source>Voice Scrambler</source>
        <translation>Brouilleur vocal</translation>
    </message>
    <message>
        <source>True MAG</source>
        <translation>Vrai/MAG</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Réponse individuelle</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>ACK individuel</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Sonnerie individuelle</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>Réponse demande POS</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>Balayage DSC</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Compteur</translation>
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
        <translation>Canada</translation>
    </message>
    <message>
        <source>%1 A-Ch</source>
        <translation>%1 canal A</translation>
    </message>
    <message>
        <source>%1 B-Ch</source>
        <translation>%1 canal B</translation>
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
        <translation>ID individuel %1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>ID de groupe %1</translation>
    </message>
    <message>
        <source>byte 0x%1</source>
        <translation>octet 0x%1</translation>
    </message>
    <message>
        <source>bytes 0x%1-0x%2</source>
        <translation>octets 0x%1-0x%2</translation>
    </message>
    <message>
        <source>%1 differ; Program to Radio does not write them</source>
        <translation>%1 diffèrent ; Programmer la radio ne les écrit pas</translation>
    </message>
    <message>
        <source>%1 differs; Program to Radio does not write it</source>
        <translation>%1 diffère ; Programmer la radio ne l&apos;écrit pas</translation>
    </message>
    <message>
        <source>%1 differ; the editor does not show them</source>
        <translation>%1 diffèrent ; l&apos;éditeur ne les affiche pas</translation>
    </message>
    <message>
        <source>%1 differs; the editor does not show it</source>
        <translation>%1 diffère ; l&apos;éditeur ne l&apos;affiche pas</translation>
    </message>
    <message>
        <source>%1: %2 %3 -&gt; %4</source>
        <translation>%1: %2 %3 -&gt; %4</translation>
    </message>
    <message>
        <source>Radio Setup</source>
        <translation>Réglages radio</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>Réglages DSC</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 différence</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 différences</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement</translation>
    </message>
    <message>
        <source>%1 CH%2 name</source>
        <translation>Nom %1 CH%2</translation>
    </message>
    <message>
        <source>%1 CH%2 settings</source>
        <translation>Réglages %1 CH%2</translation>
    </message>
    <message>
        <source>%1 slot %2 name</source>
        <translation>Nom %1 emplacement %2</translation>
    </message>
    <message>
        <source>%1 slot %2 settings</source>
        <translation>Réglages %1 emplacement %2</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>Nom %1</translation>
    </message>
    <message>
        <source>WX slot %1 name</source>
        <translation>Nom WX emplacement %1</translation>
    </message>
    <message>
        <source>EXP channel %1 name</source>
        <translation>Nom canal EXP %1</translation>
    </message>
    <message>
        <source>EXP channel %1 settings</source>
        <translation>Réglages canal EXP %1</translation>
    </message>
    <message>
        <source>%1 directory %2 MMSI</source>
        <translation>MMSI du répertoire %1 %2</translation>
    </message>
    <message>
        <source>%1 directory %2 name</source>
        <translation>Nom du répertoire %1 %2</translation>
    </message>
    <message>
        <source>radio&apos;s own area</source>
        <translation>zone propre de la radio</translation>
    </message>
    <message>
        <source>model code</source>
        <translation>code de modèle</translation>
    </message>
    <message>
        <source>ATIS switches</source>
        <translation>commutateurs ATIS</translation>
    </message>
    <message>
        <source>scan type, WX alert, dimmer, key beep, contrast</source>
        <translation>type de balayage, alerte WX, gradateur, bip touches, contraste</translation>
    </message>
    <message>
        <source>true/magnetic, time offset</source>
        <translation>vrai/magnétique, décalage horaire</translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation>réglages DSC</translation>
    </message>
    <message>
        <source>A/B channels</source>
        <translation>canaux A/B</translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation>brouilleur</translation>
    </message>
    <message>
        <source>USA Enable bitmap</source>
        <translation>Table d&apos;activation USA</translation>
    </message>
    <message>
        <source>INT Enable bitmap</source>
        <translation>Table d&apos;activation INT</translation>
    </message>
    <message>
        <source>CAN Enable bitmap</source>
        <translation>Table d&apos;activation CAN</translation>
    </message>
    <message>
        <source>WX Enable bitmap</source>
        <translation>Table d&apos;activation WX</translation>
    </message>
    <message>
        <source>EXP Enable bitmap</source>
        <translation>Table d&apos;activation EXP</translation>
    </message>
    <message>
        <source>USA Scan bitmap</source>
        <translation>Table de balayage USA</translation>
    </message>
    <message>
        <source>INT Scan bitmap</source>
        <translation>Table de balayage INT</translation>
    </message>
    <message>
        <source>CAN Scan bitmap</source>
        <translation>Table de balayage CAN</translation>
    </message>
    <message>
        <source>WX Scan bitmap</source>
        <translation>Table de balayage WX</translation>
    </message>
    <message>
        <source>EXP Scan bitmap</source>
        <translation>Table de balayage EXP</translation>
    </message>
    <message>
        <source>user MMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <source>user MMSI count</source>
        <translation>compteur du MMSI utilisateur</translation>
    </message>
    <message>
        <source>ATIS number</source>
        <translation>numéro ATIS</translation>
    </message>
    <message>
        <source>individual</source>
        <translation>individuel</translation>
    </message>
    <message>
        <source>group</source>
        <translation>de groupe</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>MID %1 is not allocated to any country</source>
        <translation>Le MID %1 n&apos;est attribué à aucun pays</translation>
    </message>
    <message>
        <source>Starts with 0: a group number, not a ship&apos;s own MMSI</source>
        <translation>Commence par 0 : un numéro de groupe, pas le MMSI propre d&apos;un navire</translation>
    </message>
    <message>
        <source>Starts with 00: a coast station&apos;s number, not a ship&apos;s own MMSI</source>
        <translation>Commence par 00 : le numéro d&apos;une station côtière, pas le MMSI propre d&apos;un navire</translation>
    </message>
    <message>
        <source>Starts with 99: an aid to navigation, not a ship&apos;s own MMSI</source>
        <translation>Commence par 99 : une aide à la navigation, pas le MMSI propre d&apos;un navire</translation>
    </message>
    <message>
        <source>Starts with 970: an AIS-SART, not a ship&apos;s own MMSI</source>
        <translation>Commence par 970 : un AIS-SART, pas le MMSI propre d&apos;un navire</translation>
    </message>
    <message>
        <source>Starts with 972: a man-overboard device, not a ship&apos;s own MMSI</source>
        <translation>Commence par 972 : un dispositif homme à la mer, pas le MMSI propre d&apos;un navire</translation>
    </message>
    <message>
        <source>Starts with 974: an EPIRB-AIS, not a ship&apos;s own MMSI</source>
        <translation>Commence par 974 : une EPIRB-AIS, pas le MMSI propre d&apos;un navire</translation>
    </message>
    <message>
        <source>Group numbers start with 0 and a MID</source>
        <translation>Les numéros de groupe commencent par 0 et un MID</translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation>Station de navire</translation>
    </message>
    <message>
        <source>Group of stations</source>
        <translation>Groupe de stations</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Station côtière</translation>
    </message>
    <message>
        <source>Handheld with DSC</source>
        <translation>Portable avec DSC</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>Aéronef SAR</translation>
    </message>
    <message>
        <source>Aid to navigation</source>
        <translation>Aide à la navigation</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Embarcation d&apos;un navire mère</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man-overboard device</source>
        <translation>Dispositif homme à la mer</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>Digits only</source>
        <translation>Chiffres uniquement</translation>
    </message>
    <message>
        <source>%1 of %2 digits</source>
        <translation>%1 chiffres sur %2</translation>
    </message>
    <message>
        <source>Starts with %1: not a kind of MMSI in use</source>
        <translation>Commence par %1 : pas un type de MMSI en usage</translation>
    </message>
    <message>
        <source>Starts with 0: a group number; it belongs in the group directory</source>
        <translation>Commence par 0 : un numéro de groupe ; sa place est dans le répertoire de groupe</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Aucun)</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>15 times</source>
        <translation>15 fois</translation>
    </message>
    <message>
        <source>10 times</source>
        <translation>10 fois</translation>
    </message>
    <message>
        <source>5 times</source>
        <translation>5 fois</translation>
    </message>
</context>
<context>
    <name>RecoverDialogTexts</name>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Nothing has been kept yet.</source>
        <translation>Rien n&apos;a encore été conservé.</translation>
    </message>
    <message>
        <source>Backups of transfers and copies of dropped edits, newest first:</source>
        <translation>Sauvegardes des transferts et copies des modifications abandonnées, les plus récentes d&apos;abord :</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé.</translation>
    </message>
</context>
<context>
    <name>ReportPdfTexts</name>
    <message>
        <source>Could not write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>SafetyCommands</name>
    <message>
        <source>Re&amp;cover...</source>
        <translation>&amp;Récupérer...</translation>
    </message>
</context>
<context>
    <name>SerialLinkTexts</name>
    <message>
        <source>No serial port for %1</source>
        <translation>Pas de port série pour %1</translation>
    </message>
    <message>
        <source>The serial port did not take the bytes</source>
        <translation>Le port série n&apos;a pas accepté les octets</translation>
    </message>
</context>
<context>
    <name>SettingsRows</name>
    <message>
        <source>Radio Setup</source>
        <translation>Réglages radio</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>Réglages DSC</translation>
    </message>
    <message>
        <source>Contrast Level</source>
        <translation>Niveau de contraste</translation>
    </message>
    <message>
        <source>Dimmer Status</source>
        <translation>Gradateur</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Décalage horaire</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Bip touches</translation>
    </message>
    <message>
        <source>[On]</source>
        <translation>[Marche]</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>Alerte WX</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Type de balayage</translation>
    </message>
    <message>
        <source>Voice Scrambler</source>
        <translation>Brouilleur vocal</translation>
    </message>
    <message>
        <source>True MAG</source>
        <translation>Vrai/MAG</translation>
    </message>
    <message>
        <source>[Magnetic On]</source>
        <translation>[Magnétique]</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Réponse individuelle</translation>
    </message>
    <message>
        <source>[Auto]</source>
        <translation>[Auto]</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>ACK individuel</translation>
    </message>
    <message>
        <source>[Able to Comply]</source>
        <translation>[Peut se conformer]</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Sonnerie individuelle</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>Réponse demande POS</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>Balayage DSC</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Compteur</translation>
    </message>
</context>
<context>
    <name>StampedFileTexts</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>too many files in one second in %1</source>
        <translation>trop de fichiers en une seconde dans %1</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Port série</translation>
    </message>
    <message>
        <source>&amp;Device...</source>
        <translation>&amp;Périphérique...</translation>
    </message>
    <message>
        <source>&amp;Verify After Writing</source>
        <translation>&amp;Vérifier après écriture</translation>
    </message>
    <message>
        <source>Show Changes Before &amp;Writing</source>
        <translation>&amp;Afficher les modifications avant écriture</translation>
    </message>
    <message>
        <source>Read from the radio on COM%1</source>
        <translation>Lire la radio sur COM%1</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>COM%1 now means %2.</source>
        <translation>COM%1 désigne maintenant %2.</translation>
    </message>
    <message>
        <source>%1

Write without it?</source>
        <translation>%1

Écrire sans elle ?</translation>
    </message>
</context>
<context>
    <name>TransferRunTexts</name>
    <message>
        <source>Complete!!</source>
        <translation>Terminé!!</translation>
    </message>
    <message>
        <source>
To put back what it held before, program
%1</source>
        <translation>
Pour rétablir ce qu&apos;elle contenait avant, programmez
%1</translation>
    </message>
    <message>
        <source>
What it held before this write was itself a partly written memory, left by an earlier write cut short (%1). </source>
        <translation>
Ce qu&apos;elle contenait avant cette écriture était déjà une mémoire partiellement écrite, laissée par une écriture antérieure interrompue (%1). </translation>
    </message>
    <message>
        <source>No backup of it whole is kept.</source>
        <translation>Aucune sauvegarde complète n&apos;en est conservée.</translation>
    </message>
    <message>
        <source>To put back what it held when it was last whole, program
%1</source>
        <translation>Pour rétablir ce qu&apos;elle contenait lors de sa dernière mémoire complète, programmez
%1</translation>
    </message>
    <message>
        <source>program it again before use.</source>
        <translation>reprogrammez-la avant de l&apos;utiliser.</translation>
    </message>
    <message>
        <source>program it again before use, e.g. from the backup of this write,
%1</source>
        <translation>reprogrammez-la avant de l&apos;utiliser, p. ex. à partir de la sauvegarde de cette écriture,
%1</translation>
    </message>
    <message>
        <source>The write went through, but it was not verified: the radio may not hold what was written. Compare it with the data, or %1</source>
        <translation>L&apos;écriture a abouti, mais n&apos;a pas été vérifiée : la radio peut ne pas contenir ce qui a été écrit. Comparez-la avec les données, ou %1</translation>
    </message>
    <message>
        <source>The radio now holds a partly written memory: %1</source>
        <translation>La radio contient maintenant une mémoire partiellement écrite : %1</translation>
    </message>
    <message>
        <source>Reading the radio</source>
        <translation>Lecture de la radio</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer les données</translation>
    </message>
</context>
<context>
    <name>TransferSafetyTexts</name>
    <message>
        <source>The backup of this read</source>
        <translation>La sauvegarde de cette lecture</translation>
    </message>
    <message>
        <source>The before-write backup</source>
        <translation>La sauvegarde avant écriture</translation>
    </message>
    <message>
        <source>The backup of this write</source>
        <translation>La sauvegarde de cette écriture</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 n&apos;a pas pu être enregistrée : %2</translation>
    </message>
    <message>
        <source>%1 could not be saved in %2: %3.

Without it, what the radio holds now is kept nowhere once it is written.</source>
        <translation>%1 n&apos;a pas pu être enregistrée dans %2 : %3.

Sans elle, ce que la radio contient maintenant ne sera conservé nulle part une fois l&apos;écriture faite.</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>How this write ended could not be noted beside its backups: %1</source>
        <translation>L&apos;issue de cette écriture n&apos;a pas pu être notée à côté de ses sauvegardes : %1</translation>
    </message>
</context>
<context>
    <name>WholeFileTexts</name>
    <message>
        <source>%1 was written over in place, as its folder cannot be written; its previous content is kept in %2</source>
        <translation>%1 a été écrasé sur place, car son dossier n&apos;est pas accessible en écriture ; son contenu précédent est conservé dans %2</translation>
    </message>
</context>
<context>
    <name>WidgetPromptTexts</name>
    <message>
        <source>Stop Writing</source>
        <translation>Arrêter l&apos;écriture</translation>
    </message>
    <message>
        <source>Keep Writing</source>
        <translation>Continuer l&apos;écriture</translation>
    </message>
    <message>
        <source>The user guide README.md is not installed.</source>
        <translation>Le guide de l&apos;utilisateur README.md n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>Help file %1 not found.</source>
        <translation>Fichier d&apos;aide %1 introuvable.</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>Aucun programme n&apos;est configuré pour ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>Win32SerialPortTexts</name>
    <message>
        <source>The cable was unplugged: %1 went away (%2). Plug it in and try again.</source>
        <translation>Le câble a été débranché : %1 a disparu (%2). Branchez-le et réessayez.</translation>
    </message>
</context>
<context>
    <name>WriteVerificationTexts</name>
    <message>
        <source>Verify Error!!
%1 byte in the radio is not what was written:</source>
        <translation>Erreur de vérification!!
%1 octet de la radio n&apos;est pas ce qui a été écrit :</translation>
    </message>
    <message>
        <source>Verify Error!!
%1 bytes in the radio are not what was written:</source>
        <translation>Erreur de vérification!!
%1 octets de la radio ne sont pas ce qui a été écrit :</translation>
    </message>
    <message>
        <source>
and %1 more</source>
        <translation>
et %1 de plus</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer les données</translation>
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
        <translation>Canada</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a region and its list</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>A-Ch</source>
        <translation>Canal A</translation>
    </message>
    <message>
        <source>B-Ch</source>
        <translation>Canal B</translation>
    </message>
    <message>
        <source>P-Ch</source>
        <translation>Canal P</translation>
    </message>
    <message>
        <source>[None]</source>
        <translation>[Aucun]</translation>
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
        <translation>Lit, modifie et écrit la mémoire
des radios MR7100A et MR5100A.
Branchez le câble de programmation avant
de lire ou de programmer une radio.
Gardez une copie des données de la radio
dans un fichier avant de la programmer.
Utilisation à vos propres risques.</translation>
    </message>
    <message>
        <source>Version Infomation</source>
        <translation>Informations de version</translation>
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
        <translation>Numéro de canal</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Fréquence RX</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Fréquence TX</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Émission autorisée</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Faible puissance seule</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Hausse de puissance</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Mémoire de balayage</translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation>Mémoire VS</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nom CH</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a channel and what changed</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>position</source>
        <translation>position</translation>
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
        <translation>BAS</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>HAUT</translation>
    </message>
    <message>
        <source>DUP</source>
        <translation>DUP</translation>
    </message>
    <message>
        <source>MEM</source>
        <translation>MÉM</translation>
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
        <translation>ACTIF</translation>
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
        <translation>Nom CH</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Activé]</translation>
    </message>
</context>
<context>
    <name>quorlink::CompareWindow</name>
    <message>
        <source>%1 (the editor does not show them)</source>
        <translation>%1 (l&apos;éditeur ne les affiche pas)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 différence</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 différences</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Compare the editor&apos;s data with:</source>
        <translation>Comparer les données de l&apos;éditeur avec :</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Fichier...</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Last read of this radio</source>
        <translation>&amp;Dernière lecture de cette radio</translation>
    </message>
    <message>
        <source>No read of a radio with this model and user MMSI was kept.</source>
        <translation>Aucune lecture d&apos;une radio de ce modèle et de ce MMSI utilisateur n&apos;a été conservée.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Old: the radio    New: the editor&apos;s data</source>
        <translation>Ancien : la radio    Nouveau : les données de l&apos;éditeur</translation>
    </message>
    <message>
        <source>The radio already holds these data.</source>
        <translation>La radio contient déjà ces données.</translation>
    </message>
    <message>
        <source>Program to Radio changes these in the radio: %1</source>
        <translation>Programmer la radio modifie ceci dans la radio : %1</translation>
    </message>
    <message>
        <source>Write &amp;Anyway</source>
        <translation>Écrire &amp;quand même</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Ancien</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>FileSave Error!!

%1</source>
        <translation>Erreur d&apos;enregistrement du fichier!!

%1</translation>
    </message>
</context>
<context>
    <name>quorlink::DirectoryEntryPage</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>%1 MMSI</source>
        <translation>MMSI %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>Nom %1</translation>
    </message>
</context>
<context>
    <name>quorlink::DirectoryListPage</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
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
        <translation>Copie de récupération</translation>
    </message>
    <message>
        <source>The edits not yet saved could not be kept as a recovery copy:
%1

Press OK to go on and drop them, Cancel to keep them.</source>
        <translation>Les modifications non enregistrées n&apos;ont pas pu être conservées comme copie de récupération :
%1

Appuyez sur OK pour continuer et les abandonner, sur Annuler pour les garder.</translation>
    </message>
</context>
<context>
    <name>quorlink::HelpWindow</name>
    <message>
        <source>Quorlink User Guide</source>
        <translation>Guide de l&apos;utilisateur de Quorlink</translation>
    </message>
</context>
<context>
    <name>quorlink::ListMessageBox</name>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Saves the whole list as a text file</source>
        <translation>Enregistre toute la liste dans un fichier texte</translation>
    </message>
    <message>
        <source>Puts the whole list on the clipboard</source>
        <translation>Copie toute la liste dans le presse-papiers</translation>
    </message>
    <message>
        <source>FileSave Error!!

%1</source>
        <translation>Erreur d&apos;enregistrement du fichier!!

%1</translation>
    </message>
    <message>
        <source>The whole list was saved as %1.</source>
        <translation>Toute la liste a été enregistrée sous %1.</translation>
    </message>
    <message>
        <source>The whole list is on the clipboard.</source>
        <translation>Toute la liste est dans le presse-papiers.</translation>
    </message>
</context>
<context>
    <name>quorlink::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Enregistrer par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Imprimer dans un &amp;fichier</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>&amp;Comparer avec...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transfert</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programmer la radio</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Lire la radio</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About QOR Version</source>
        <translation>À &amp;propos de la version QOR</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Enregistrer par défaut</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmer la radio</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>Radio memory</source>
        <translation>Mémoire de la radio</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Modified  %1</source>
        <translation>Modifié  %1</translation>
    </message>
    <message>
        <source>Do yo make new QOR Data for %1?</source>
        <translation>Créer de nouvelles données QOR pour %1 ?</translation>
    </message>
</context>
<context>
    <name>quorlink::MmsiField</name>
    <message>
        <source>A group MMSI has 8 digits after its leading 0.</source>
        <translation>Un MMSI de groupe a 8 chiffres après son 0 initial.</translation>
    </message>
    <message>
        <source>An MMSI has %1 digits.</source>
        <translation>Un MMSI a %1 chiffres.</translation>
    </message>
    <message>
        <source>Data Error!!

%1</source>
        <translation>Erreur de données!!

%1</translation>
    </message>
</context>
<context>
    <name>quorlink::PortDialog</name>
    <message>
        <source>Serial Port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>Serial ports present now (the list follows cables plugged in or out):</source>
        <translation>Ports série présents (la liste suit les câbles branchés ou débranchés) :</translation>
    </message>
    <message>
        <source>&amp;Find my cable</source>
        <translation>&amp;Trouver mon câble</translation>
    </message>
    <message>
        <source>Device for COM%1 (left empty, COM%1 follows the list above):</source>
        <translation>Périphérique pour COM%1 (si vide, COM%1 suit la liste ci-dessus) :</translation>
    </message>
    <message>
        <source>Unplug the programming cable from the computer, then press OK.</source>
        <translation>Débranchez le câble de programmation de l&apos;ordinateur, puis appuyez sur OK.</translation>
    </message>
    <message>
        <source>Plug the cable in again, wait two seconds, then press OK.</source>
        <translation>Rebranchez le câble, attendez deux secondes, puis appuyez sur OK.</translation>
    </message>
    <message>
        <source>Your cable is %1 %2. Press OK to use it for COM%3.</source>
        <translation>Votre câble est %1 %2. Appuyez sur OK pour l&apos;utiliser pour COM%3.</translation>
    </message>
    <message>
        <source>No port appeared. Plug the cable in firmly, or try another USB socket; quorlink-cli doctor says what stops a port.</source>
        <translation>Aucun port n&apos;est apparu. Branchez bien le câble, ou essayez une autre prise USB ; quorlink-cli doctor dit ce qui empêche un port de s&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Several ports appeared (%1). Unplug the other adapters and try again, or choose your cable from the list.</source>
        <translation>Plusieurs ports sont apparus (%1). Débranchez les autres adaptateurs et réessayez, ou choisissez votre câble dans la liste.</translation>
    </message>
</context>
<context>
    <name>quorlink::ReportWindow</name>
    <message>
        <source>Print to File</source>
        <translation>Imprimer dans un fichier</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Text report</source>
        <translation>Rapport texte</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Création du rapport texte. Veuillez patienter...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text files(*.txt)|*.txt|All files(*.*)|*.*</source>
        <translation>Fichiers texte(*.txt)|*.txt|Tous les fichiers(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>quorlink::SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>quorlink::TransferDialog</name>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>1.Connect the QOR Cable.</source>
        <translation>1.Branchez le câble QOR.</translation>
    </message>
    <message>
        <source>2.Communication starts when you select [OK].</source>
        <translation>2.La communication démarre lorsque vous choisissez [OK].</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Progression du transfert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>État du transfert</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>Waiting for the radio on %1...</source>
        <translation>Attente de la radio sur %1...</translation>
    </message>
    <message>
        <source>Stop writing? The radio will hold a partly written memory.</source>
        <translation>Arrêter l&apos;écriture ? La radio contiendra une mémoire partiellement écrite.</translation>
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
        <translation>Activé</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nom CH</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
</context>
</TS>
