<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ChangeTicks</name>
    <message>
        <source>International</source>
        <translation>Internacional</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Directorio de grupo</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI del usuario</translation>
    </message>
    <message>
        <source>Bytes the editor does not show</source>
        <translation>Bytes que el editor no muestra</translation>
    </message>
    <message>
        <source>Program to Radio changes these in the radio: %1 of %2 changes ticked</source>
        <translation>Programar la radio cambia esto en la radio: %1 de %2 cambios marcados</translation>
    </message>
</context>
<context>
    <name>CliArgumentTexts</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se ha dado dos veces</translation>
    </message>
</context>
<context>
    <name>CliDirectoryTexts</name>
    <message>
        <source>%1 was not saved</source>
        <translation>%1 no se ha guardado</translation>
    </message>
</context>
<context>
    <name>CliFileTexts</name>
    <message>
        <source>The output could not be written completely</source>
        <translation>La salida no se pudo escribir completa</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>salida estándar: %1</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>¡¡Error al guardar el archivo!!</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
</context>
<context>
    <name>CliOutcomeTexts</name>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
</context>
<context>
    <name>CliPortTexts</name>
    <message>
        <source>Asking the radio on %1 for its model code...</source>
        <translation>Preguntando a la radio en %1 su código de modelo...</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falló: %2</translation>
    </message>
    <message>
        <source>A radio answered on %1, but with the model code %2 (%3 at the end of its memory), which is neither an MR7100A&apos;s nor an MR5100A&apos;s.</source>
        <translation>Una radio respondió en %1, pero con el código de modelo %2 (%3 al final de su memoria), que no es el de una MR7100A ni el de una MR5100A.</translation>
    </message>
    <message>
        <source>An %1 answered on %2 (model code %3).</source>
        <translation>Una %1 respondió en %2 (código de modelo %3).</translation>
    </message>
    <message>
        <source>No serial port is present.</source>
        <translation>No hay ningún puerto serie.</translation>
    </message>
    <message>
        <source>%1 opens: the port is ready. Nothing was sent to the radio.</source>
        <translation>%1 se abre: el puerto está listo. No se envió nada a la radio.</translation>
    </message>
    <message>
        <source>%1 opens: the port is ready.</source>
        <translation>%1 se abre: el puerto está listo.</translation>
    </message>
    <message>
        <source>Note: ModemManager (process %1) runs and may probe %2 each time the cable is plugged in. The udev rule of the Debian package keeps it away.</source>
        <translation>Nota: ModemManager (proceso %1) está en marcha y puede sondear %2 cada vez que se conecta el cable. La regla udev del paquete Debian lo mantiene alejado.</translation>
    </message>
</context>
<context>
    <name>CliPrintTexts</name>
    <message>
        <source>printing needs the program started with the print command</source>
        <translation>para imprimir hay que iniciar el programa con la orden print</translation>
    </message>
    <message>
        <source>The printed report could not be drawn</source>
        <translation>No se pudo dibujar el informe impreso</translation>
    </message>
</context>
<context>
    <name>CliRadioTexts</name>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>What was read is kept in the backup %1; quorlink-cli convert --model %2 %1 OUT makes the file from it.</source>
        <translation>Lo leído se guarda en la copia de seguridad %1; quorlink-cli convert --model %2 %1 OUT crea el archivo a partir de ella.</translation>
    </message>
    <message>
        <source>No backup of this read could be kept either: read the radio again.</source>
        <translation>Tampoco se pudo guardar una copia de seguridad de esta lectura: vuelva a leer la radio.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leyendo</translation>
    </message>
    <message>
        <source>%1 Nothing was written; give --allow-mmsi-change to write anyway.</source>
        <translation>%1 No se escribió nada; indique --allow-mmsi-change para escribir de todos modos.</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>Clearing</source>
        <translation>Borrando</translation>
    </message>
</context>
<context>
    <name>CliUsageTexts</name>
    <message>
        <source>Writes a fresh data set of MODEL to OUT.</source>
        <translation>Escribe en OUT un conjunto de datos nuevo de MODEL.</translation>
    </message>
    <message>
        <source>Loads IN and saves it as OUT.</source>
        <translation>Carga IN y lo guarda como OUT.</translation>
    </message>
    <message>
        <source>Writes the text report of IN to OUT, or to standard output (no OUT, or -).</source>
        <translation>Escribe el informe de texto de IN en OUT, o en la salida estándar (sin OUT, o -).</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s memory and saves it as OUT. A failed or cancelled read writes nothing.</source>
        <translation>Lee la memoria de la radio y la guarda como OUT. Una lectura fallida o cancelada no escribe nada.</translation>
    </message>
    <message>
        <source>Reads the radio first (kept as a before-write backup) and lists what the write changes, as diff
does; then programs the radio with IN (a data file or a .hex backup), reads the written bytes
back and compares them. --dry-run stops after the list and writes nothing; --no-read-first
skips the first read and the list (so it cannot go with --dry-run); --no-verify skips the read-back.
--only AREAS sends only the changes in those areas of the memory, --keep AREAS all but those
(comma-separated; a wrong name lists them); the rest stays as the radio holds it, e.g. --keep
user-mmsi leaves the radio&apos;s own number. Both need the first read.</source>
        <translation>Primero lee la radio (se guarda como copia de seguridad previa a la escritura) y lista lo que cambia la escritura, como
diff; después programa la radio con IN (un archivo de datos o una copia .hex), vuelve a leer los bytes
escritos y los compara. --dry-run se detiene tras la lista y no escribe nada; --no-read-first
omite la primera lectura y la lista (por eso no puede ir con --dry-run); --no-verify omite la relectura.
--only AREAS envía solo los cambios de esas zonas de la memoria, --keep AREAS todos menos esos
(separadas por comas; un nombre erróneo las lista); el resto queda como lo tiene la radio, p. ej. --keep
user-mmsi deja el número propio de la radio. Ambas necesitan la primera lectura.</translation>
    </message>
    <message>
        <source>Writes the printed report of IN as a PDF file (- for standard output), without a printer.</source>
        <translation>Escribe el informe impreso de IN como archivo PDF (- para la salida estándar), sin impresora.</translation>
    </message>
    <message>
        <source>Sets the radio&apos;s count of user MMSI settings back to 0.</source>
        <translation>Pone a 0 el contador de ajustes del MMSI del usuario de la radio.</translation>
    </message>
    <message>
        <source>Lists what differs from A to B, one difference a line, then the count; --brief prints the count only.
A and B are data files, .hex images, or port:PORT to read the radio on PORT (nothing is saved).
Exit status: 0 equal, 1 different, 2 usage error or trouble.</source>
        <translation>Lista lo que difiere de A a B, una diferencia por línea, y luego el total; --brief solo muestra el total.
A y B son archivos de datos, imágenes .hex, o port:PORT para leer la radio en PORT (no se guarda nada).
Estado de salida: 0 iguales, 1 distintos, 2 error de uso o problema.</translation>
    </message>
    <message>
        <source>Lists the backups and recovery copies kept in the data folder, newest first, one a line:
path, date and time, kind, model, user MMSI, what became of the write it was kept for, and
&quot;partly written&quot; when read from a radio an earlier write left partly written (tab-separated,
- where there is nothing to say). Backups are judged by content: other files are &quot;not a radio image&quot;.</source>
        <translation>Lista las copias de seguridad y de recuperación guardadas en la carpeta de datos, la más reciente primero, una por línea:
ruta, fecha y hora, tipo, modelo, MMSI del usuario, qué pasó con la escritura para la que se guardó, y
&quot;escrita en parte&quot; si se leyó de una radio que una escritura anterior dejó escrita en parte (separado por tabuladores,
- donde no hay nada que decir). Las copias se juzgan por su contenido: los demás archivos son &quot;no es una imagen de radio&quot;.</translation>
    </message>
    <message>
        <source>Lists the serial ports present and which COMn each one is.</source>
        <translation>Lista los puertos serie presentes y qué COMn es cada uno.</translation>
    </message>
    <message>
        <source>Opens PORT (or the editor&apos;s port) without talking to the radio and says what stops it.
--probe then asks the radio for its model code and says whether one answered, and which model.</source>
        <translation>Abre PORT (o el puerto del editor) sin hablar con la radio e indica qué lo impide.
--probe pregunta además a la radio su código de modelo e indica si respondió alguna, y qué modelo.</translation>
    </message>
    <message>
        <source>Writes both directories of IN to OUT.csv as rows kind,mmsi,name (UTF-8).</source>
        <translation>Escribe ambos directorios de IN en OUT.csv como filas kind,mmsi,name (UTF-8).</translation>
    </message>
    <message>
        <source>Adds the rows of LIST.csv to the free directory entries of IN and saves the result as OUT.
Used entries are never changed; every row not taken is listed with its line and reason.
When no entry is added, OUT is not saved and the exit status is 1.</source>
        <translation>Añade las filas de LIST.csv a las entradas libres del directorio de IN y guarda el resultado como OUT.
Las entradas usadas nunca se cambian; cada fila no aceptada se lista con su línea y el motivo.
Si no se añade ninguna entrada, OUT no se guarda y el estado de salida es 1.</translation>
    </message>
    <message>
        <source>MODEL is MR7100A or MR5100A (any case). Files: .dat and .def are data files,
.hex is the raw memory image; a report OUT may have any name, - is standard output.
</source>
        <translation>MODEL es MR7100A o MR5100A (mayúsculas o minúsculas). Archivos: .dat y .def son archivos de datos,
.hex es la imagen de memoria en bruto; un informe OUT puede tener cualquier nombre, - es la salida estándar.
</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 goes with %2 only</source>
        <translation>%1 solo va con %2</translation>
    </message>
    <message>
        <source>--only and --keep cannot go together</source>
        <translation>--only y --keep no pueden ir juntas</translation>
    </message>
    <message>
        <source>%1 keeps the rest as the radio holds it, for which it reads the radio first: it cannot go with --no-read-first</source>
        <translation>%1 deja el resto como lo tiene la radio, para lo cual lee primero la radio: no puede ir con --no-read-first</translation>
    </message>
    <message>
        <source>%1: unknown area in %2 (areas: %3)</source>
        <translation>%1: zona desconocida en %2 (zonas: %3)</translation>
    </message>
    <message>
        <source>the directory list is a .csv file: %1</source>
        <translation>la lista del directorio es un archivo .csv: %1</translation>
    </message>
    <message>
        <source>the printed report goes to a .pdf file: %1</source>
        <translation>el informe impreso va a un archivo .pdf: %1</translation>
    </message>
    <message>
        <source>unknown port in %1 (port:1..4 or port:/dev/...)</source>
        <translation>puerto desconocido en %1 (port:1..4 o port:/dev/...)</translation>
    </message>
    <message>
        <source>unknown kind of file: %1 (use .dat, .def or .hex)</source>
        <translation>tipo de archivo desconocido: %1 (use .dat, .def o .hex)</translation>
    </message>
    <message>
        <source>the name %1 is not UTF-8 and cannot be used: rename the file (or link to it) with a UTF-8 name</source>
        <translation>el nombre %1 no es UTF-8 y no se puede usar: cambie el nombre del archivo (o cree un enlace) por uno UTF-8</translation>
    </message>
    <message>
        <source>IN and OUT are the same file (%1); nothing was written</source>
        <translation>IN y OUT son el mismo archivo (%1); no se escribió nada</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ninguna orden</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>orden desconocida %1</translation>
    </message>
    <message>
        <source>wrong number of file names</source>
        <translation>número de nombres de archivo incorrecto</translation>
    </message>
    <message>
        <source>--model is required</source>
        <translation>--model es obligatorio</translation>
    </message>
    <message>
        <source>unknown model %1 (MR7100A or MR5100A)</source>
        <translation>modelo desconocido %1 (MR7100A o MR5100A)</translation>
    </message>
    <message>
        <source>--port is required</source>
        <translation>--port es obligatorio</translation>
    </message>
    <message>
        <source>unknown port %1 (1..4 or a device path)</source>
        <translation>puerto desconocido %1 (1..4 o una ruta de dispositivo)</translation>
    </message>
    <message>
        <source>--dry-run lists what the write would change, for which it reads the radio first: it cannot go with --no-read-first</source>
        <translation>--dry-run lista lo que cambiaría la escritura, para lo cual lee primero la radio: no puede ir con --no-read-first</translation>
    </message>
    <message>
        <source>write refuses to change the radio&apos;s own MMSI unless --allow-mmsi-change is given.
Every read and write keeps a backup of the radio&apos;s memory in the backups folder of the
per-user data folder, the editor&apos;s too (~/.local/share/Quorlink, on Windows %LOCALAPPDATA%\Quorlink).
Ctrl+C cancels a transfer and ends any other command. Exit status: 0 done, 1 failed
(the reason is on standard error), 2 usage error; for diff 0 equal, 1 the two differ,
2 usage error or a side that cannot be loaded. --version prints the version.
</source>
        <translation>write se niega a cambiar el MMSI propio de la radio salvo que se indique --allow-mmsi-change.
Cada lectura y escritura guarda una copia de seguridad de la memoria de la radio en la carpeta backups de la
carpeta de datos del usuario, también las del editor (~/.local/share/Quorlink, en Windows %LOCALAPPDATA%\Quorlink).
Ctrl+C cancela una transferencia y termina cualquier otra orden. Estado de salida: 0 hecho, 1 fallo
(el motivo va a la salida de error estándar), 2 error de uso; para diff 0 iguales, 1 los dos difieren,
2 error de uso o un lado que no se puede cargar. --version muestra la versión.
</translation>
    </message>
</context>
<context>
    <name>CloneProtocolTexts</name>
    <message>
        <source>Model Check</source>
        <translation>Comprobación del modelo</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programar la radio</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>¡¡Error de comunicación!!</translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation>¡¡Error de nombre de modelo!!</translation>
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
        <translation>Comparar</translation>
    </message>
    <message>
        <source>No read of a radio with this model and user MMSI was kept.</source>
        <translation>No se guardó ninguna lectura de una radio con este modelo y MMSI del usuario.</translation>
    </message>
    <message>
        <source>the last read of this radio (%1)</source>
        <translation>la última lectura de esta radio (%1)</translation>
    </message>
    <message>
        <source>Old: %1    New: the editor&apos;s data</source>
        <translation>Antiguo: %1    Nuevo: los datos del editor</translation>
    </message>
</context>
<context>
    <name>ControlHints</name>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Arriba]/[Abajo]/[Izquierda]/[Derecha]:Cambia el elemento seleccionado.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espacio]:Activa o desactiva.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Marque [x]Activo/[]Inactivo.</translation>
    </message>
    <message>
        <source>[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End</source>
        <translation>[Arriba/Abajo]:1 paso, [Re Pág/Av Pág]:10 pasos, [Inicio/Fin]:Principio/Fin</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doble clic],[Intro]:Ir a la pantalla de ajustes.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>Un máximo de 12 caracteres</translation>
    </message>
    <message>
        <source>A maximum of 10 characters.</source>
        <translation>Un máximo de 10 caracteres.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 9 figures.</source>
        <translation>Solo números. Obligatorias 9 cifras.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Solo números. Obligatorias 10 cifras.</translation>
    </message>
    <message>
        <source>A Click Inicializes the number of User MMSI setting permission</source>
        <translation>Un clic pone a cero el número de permisos de ajuste del MMSI del usuario</translation>
    </message>
</context>
<context>
    <name>DirectoryCsvTexts</name>
    <message>
        <source>individual directory</source>
        <translation>directorio individual</translation>
    </message>
    <message>
        <source>group directory</source>
        <translation>directorio de grupo</translation>
    </message>
    <message>
        <source>a quote is opened and never closed</source>
        <translation>se abre una comilla que nunca se cierra</translation>
    </message>
    <message>
        <source>not the three fields kind,mmsi,name</source>
        <translation>no son los tres campos kind,mmsi,name</translation>
    </message>
    <message>
        <source>kind &quot;%1&quot; is neither individual nor group</source>
        <translation>el tipo &quot;%1&quot; no es individual ni group</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid MMSI for the %2</source>
        <translation>&quot;%1&quot; no es un MMSI válido para el %2</translation>
    </message>
    <message>
        <source>%1 is already entry %2 of the %3</source>
        <translation>%1 ya es la entrada %2 del %3</translation>
    </message>
    <message>
        <source>the %1 is full, %2 not added</source>
        <translation>el %1 está lleno, %2 no añadido</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; taken as &quot;%2&quot;</source>
        <translation>nombre &quot;%1&quot; tomado como &quot;%2&quot;</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; cut to &quot;%2&quot; (at most 10 characters)</source>
        <translation>nombre &quot;%1&quot; recortado a &quot;%2&quot; (como máximo 10 caracteres)</translation>
    </message>
    <message>
        <source>columns after kind,mmsi,name are ignored, here and below</source>
        <translation>las columnas tras kind,mmsi,name se ignoran, aquí y más abajo</translation>
    </message>
    <message>
        <source>Not a directory list: its first line does not hold the three fields kind, MMSI and name</source>
        <translation>No es una lista de directorio: su primera línea no contiene los tres campos tipo, MMSI y nombre</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>No entries added</source>
        <translation>No se añadió ninguna entrada</translation>
    </message>
    <message>
        <source>%1 entry added</source>
        <translation>%1 entrada añadida</translation>
    </message>
    <message>
        <source>%1 entries added</source>
        <translation>%1 entradas añadidas</translation>
    </message>
    <message>
        <source>%1 row refused</source>
        <translation>%1 fila rechazada</translation>
    </message>
    <message>
        <source>%1 rows refused</source>
        <translation>%1 filas rechazadas</translation>
    </message>
    <message>
        <source>%1 name changed</source>
        <translation>%1 nombre cambiado</translation>
    </message>
    <message>
        <source>%1 names changed</source>
        <translation>%1 nombres cambiados</translation>
    </message>
    <message>
        <source>%1 name cut</source>
        <translation>%1 nombre recortado</translation>
    </message>
    <message>
        <source>%1 names cut</source>
        <translation>%1 nombres recortados</translation>
    </message>
    <message>
        <source>Too large for a directory list</source>
        <translation>Demasiado grande para una lista de directorio</translation>
    </message>
</context>
<context>
    <name>DirectoryListCommands</name>
    <message>
        <source>%1; the first %2 of %3 are listed above</source>
        <translation>%1; arriba se listan las primeras %2 de %3</translation>
    </message>
    <message>
        <source>&amp;Import Directory...</source>
        <translation>Im&amp;portar directorio...</translation>
    </message>
    <message>
        <source>&amp;Export Directory...</source>
        <translation>&amp;Exportar directorio...</translation>
    </message>
    <message>
        <source>Import Directory</source>
        <translation>Importar directorio</translation>
    </message>
    <message>
        <source>Export Directory</source>
        <translation>Exportar directorio</translation>
    </message>
    <message>
        <source>Directory exported to %1</source>
        <translation>Directorio exportado a %1</translation>
    </message>
</context>
<context>
    <name>DirectoryTraits</name>
    <message>
        <source>Station Name</source>
        <translation>Nombre de estación</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>NOMBRE DE ESTACIÓN</translation>
    </message>
    <message>
        <source>Individual Directory MMSI</source>
        <translation>MMSI del directorio individual</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nombre de grupo</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>NOMBRE DE GRUPO</translation>
    </message>
    <message>
        <source>Group Directory MMSI</source>
        <translation>MMSI del directorio de grupo</translation>
    </message>
</context>
<context>
    <name>EditorMainTexts</name>
    <message>
        <source>quorlink: ignored: %1</source>
        <translation>quorlink: se ignora: %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Saved as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>Default file saved as %1</source>
        <translation>Archivo predeterminado guardado como %1</translation>
    </message>
    <message>
        <source>Image exported to %1</source>
        <translation>Imagen exportada a %1</translation>
    </message>
    <message>
        <source>%1 is no longer there; it was taken off the list of recent files.</source>
        <translation>%1 ya no existe; se ha quitado de la lista de archivos recientes.</translation>
    </message>
</context>
<context>
    <name>FileContextTexts</name>
    <message>
        <source>FileSave Error!!</source>
        <translation>¡¡Error al guardar el archivo!!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>¡¡Error al leer el archivo!!</translation>
    </message>
</context>
<context>
    <name>FileFaultTexts</name>
    <message>
        <source>no data-file sections found</source>
        <translation>no se encontraron secciones de archivo de datos</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Error de acceso al archivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>The file could not be written completely</source>
        <translation>El archivo no se pudo escribir completo</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 es de solo lectura</translation>
    </message>
    <message>
        <source>Permission denied: the link %1 in a folder all users share belongs to another user</source>
        <translation>Permiso denegado: el enlace %1 en una carpeta que comparten todos los usuarios pertenece a otro usuario</translation>
    </message>
    <message>
        <source>Its folder cannot be written, and its content could not be kept before writing over it: %1</source>
        <translation>No se puede escribir en su carpeta, y su contenido no se pudo guardar antes de sobrescribirlo: %1</translation>
    </message>
    <message>
        <source>%1; its previous content is kept in %2</source>
        <translation>%1; su contenido anterior se guarda en %2</translation>
    </message>
    <message>
        <source>The link cannot be followed</source>
        <translation>No se puede seguir el enlace</translation>
    </message>
    <message>
        <source>%1 is a name Windows keeps for a device</source>
        <translation>%1 es un nombre que Windows reserva para un dispositivo</translation>
    </message>
</context>
<context>
    <name>FileFilterTexts</name>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>Archivos dat</translation>
    </message>
    <message>
        <source>Radio images</source>
        <translation>Imágenes de radio</translation>
    </message>
    <message>
        <source>hex files</source>
        <translation>Archivos hex</translation>
    </message>
    <message>
        <source>csv files</source>
        <translation>Archivos csv</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Archivos de texto</translation>
    </message>
</context>
<context>
    <name>HexFileTexts</name>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation>¡¡Error de nombre de modelo!!</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
</context>
<context>
    <name>KeptCopiesTexts</name>
    <message>
        <source>No backup has been kept yet: the backups folder %1 does not exist.</source>
        <translation>Aún no se ha guardado ninguna copia de seguridad: la carpeta de copias %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a folder: no backup can be kept until it is moved away.</source>
        <translation>%1 no es una carpeta: no se puede guardar ninguna copia de seguridad hasta que se quite de ahí.</translation>
    </message>
    <message>
        <source>The backups folder %1 cannot be read.</source>
        <translation>No se puede leer la carpeta de copias de seguridad %1.</translation>
    </message>
</context>
<context>
    <name>KeptCopyWords</name>
    <message>
        <source>write complete</source>
        <translation>escritura completa</translation>
    </message>
    <message>
        <source>written, not verified</source>
        <translation>escrita, sin verificar</translation>
    </message>
    <message>
        <source>written, verify error</source>
        <translation>escrita, error de verificación</translation>
    </message>
    <message>
        <source>cancelled before writing</source>
        <translation>cancelada antes de escribir</translation>
    </message>
    <message>
        <source>failed before writing</source>
        <translation>fallo antes de escribir</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>interrumpida</translation>
    </message>
    <message>
        <source>before write</source>
        <translation>antes de escribir</translation>
    </message>
    <message>
        <source>written</source>
        <translation>escrita</translation>
    </message>
    <message>
        <source>read</source>
        <translation>leída</translation>
    </message>
    <message>
        <source>dropped edits (%1)</source>
        <translation>cambios descartados (%1)</translation>
    </message>
    <message>
        <source>not a radio image</source>
        <translation>no es una imagen de radio</translation>
    </message>
    <message>
        <source>radio image</source>
        <translation>imagen de radio</translation>
    </message>
    <message>
        <source>partly written</source>
        <translation>escrita en parte</translation>
    </message>
</context>
<context>
    <name>LanguageMenuTexts</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The new language takes effect when Quorlink starts again.</source>
        <translation>El nuevo idioma se aplicará cuando Quorlink se inicie de nuevo.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
</context>
<context>
    <name>NavigationTreeTexts</name>
    <message>
        <source>International</source>
        <translation>Internacional</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Activo]</translation>
    </message>
    <message>
        <source>Individual ID%1</source>
        <translation>ID individual %1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>ID de grupo %1</translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation>Canal programable</translation>
    </message>
    <message>
        <source>WX Channel</source>
        <translation>Canal WX</translation>
    </message>
    <message>
        <source>Exp Channel</source>
        <translation>Canal Exp</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Directorio de grupo</translation>
    </message>
</context>
<context>
    <name>NoRadioHelpTexts</name>
    <message>
        <source>The answers on %1 broke off or were garbled. Check that:</source>
        <translation>Las respuestas en %1 se cortaron o llegaron dañadas. Compruebe que:</translation>
    </message>
    <message>
        <source>No radio answered on %1. Check that:</source>
        <translation>Ninguna radio respondió en %1. Compruebe que:</translation>
    </message>
    <message>
        <source>- the radio is switched on and in its clone mode;</source>
        <translation>- la radio está encendida y en su modo de clonación;</translation>
    </message>
    <message>
        <source>- the cable is plugged in firmly, at the radio and at the computer;</source>
        <translation>- el cable está bien conectado, en la radio y en el ordenador;</translation>
    </message>
    <message>
        <source>- %1 is the cable&apos;s port. %2</source>
        <translation>- %1 es el puerto del cable. %2</translation>
    </message>
    <message>
        <source>%1 is a built-in serial port, with no USB id: the cable is rarely on it.</source>
        <translation>%1 es un puerto serie integrado, sin identificador USB: el cable rara vez está en él.</translation>
    </message>
</context>
<context>
    <name>OpenFailureTexts</name>
    <message>
        <source>Options &gt; SerialPort &gt; Device... (or quorlink-cli ports) lists the ports present.</source>
        <translation>Opciones &gt; Puerto serie &gt; Dispositivo... (o quorlink-cli ports) lista los puertos presentes.</translation>
    </message>
    <message>
        <source>%1 (no serial port)</source>
        <translation>%1 (sin puerto serie)</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to the group &quot;%2&quot; (owner %3, mode %4)</source>
        <translation>%1 pertenece al grupo &quot;%2&quot; (propietario %3, modo %4)</translation>
    </message>
    <message>
        <source> Joining a group is not the fix: install the udev rule 70-quorlink-serial.rules (it comes with the Debian package), which gives the cable to the user at the desktop, then plug the cable in again.</source>
        <translation> Unirse a un grupo no es la solución: instale la regla udev 70-quorlink-serial.rules (viene con el paquete Debian), que da el cable al usuario del escritorio, y vuelva a conectar el cable.</translation>
    </message>
    <message>
        <source>%1, which does not let its group read and write it.%2</source>
        <translation>%1, que no permite a su grupo leerlo ni escribirlo.%2</translation>
    </message>
    <message>
        <source>%1, a group meant for more than serial ports.%2</source>
        <translation>%1, un grupo pensado para algo más que puertos serie.%2</translation>
    </message>
    <message>
        <source>%1. You joined that group after you logged in: log out and in again.</source>
        <translation>%1. Se unió a ese grupo después de iniciar sesión: cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>%1, and you are not a member of it. Fix: sudo usermod -aG %2 $USER, then log out and in again.</source>
        <translation>%1, y usted no es miembro de él. Solución: sudo usermod -aG %2 $USER, y luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>%1, and you are a member of it, yet it will not open for you.%2</source>
        <translation>%1, y usted es miembro de él, pero aun así no se abre para usted.%2</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in but has no serial port: the braille display service brltty has claimed it. Unless you use a braille display, run: sudo systemctl mask brltty-udev.service brltty.service (or sudo apt remove brltty), then unplug the cable and plug it in again.</source>
        <translation>El adaptador serie USB %1 está conectado pero no tiene puerto serie: lo ha tomado el servicio de pantallas braille brltty. Salvo que use una pantalla braille, ejecute: sudo systemctl mask brltty-udev.service brltty.service (o sudo apt remove brltty), y luego desconecte el cable y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>No serial port is present for %1. Plug the cable in, or choose its port: %2</source>
        <translation>No hay ningún puerto serie para %1. Conecte el cable, o elija su puerto: %2</translation>
    </message>
    <message>
        <source>The cable is unplugged: %1 is there only while it is plugged in. Plug it in and try again.</source>
        <translation>El cable está desconectado: %1 solo existe mientras está conectado. Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>There is no device %1. Plug the cable in, or choose its port: %2</source>
        <translation>No existe el dispositivo %1. Conecte el cable, o elija su puerto: %2</translation>
    </message>
    <message>
        <source>ModemManager (process %1) is probing %2 for a modem. Wait a few seconds and try again. To stop it for good, install the udev rule of the Debian package, or run: sudo systemctl stop ModemManager</source>
        <translation>ModemManager (proceso %1) está sondeando %2 en busca de un módem. Espere unos segundos e inténtelo de nuevo. Para detenerlo definitivamente, instale la regla udev del paquete Debian, o ejecute: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3). Close that program and try again.</source>
        <translation>%1 está en uso por %2 (proceso %3). Cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close it and try again.</source>
        <translation>%1 está en uso por otro programa. Ciérrelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>There is no port %1: the cable is unplugged or its driver is not installed. Device Manager shows the cable under Ports (COM &amp; LPT) with its COM number when it is plugged in and its driver works. %2</source>
        <translation>No existe el puerto %1: el cable está desconectado o su controlador no está instalado. El Administrador de dispositivos muestra el cable en Puertos (COM y LPT) con su número COM cuando está conectado y su controlador funciona. %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program (Windows lets one program at a time open a port). Close it and try again.</source>
        <translation>%1 está en uso por otro programa (Windows deja abrir un puerto a un solo programa a la vez). Ciérrelo e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>OwnMmsiGuardTexts</name>
    <message>
        <source>no MMSI at all</source>
        <translation>ningún MMSI</translation>
    </message>
    <message>
        <source>The radio&apos;s own MMSI is %1; this write would change it to %2.

Many radios accept a new own MMSI only a few times; after that only a dealer can reset it.

Press OK to write anyway, Cancel to write nothing.</source>
        <translation>El MMSI propio de la radio es %1; esta escritura lo cambiaría a %2.

Muchas radios aceptan un MMSI propio nuevo solo unas pocas veces; después solo un distribuidor puede restablecerlo.

Pulse Aceptar para escribir de todos modos, Cancelar para no escribir nada.</translation>
    </message>
</context>
<context>
    <name>PortNamesTexts</name>
    <message>
        <source>no serial port present</source>
        <translation>no hay ningún puerto serie</translation>
    </message>
    <message>
        <source>%1 (not plugged in)</source>
        <translation>%1 (no conectado)</translation>
    </message>
</context>
<context>
    <name>PortSystemTexts</name>
    <message>
        <source>PORT is 1..4 (COM1..COM4 as the editor counts them) or a device path such as /dev/ttyUSB0
or /dev/serial/by-id/usb-...
</source>
        <translation>PORT es 1..4 (COM1..COM4 según los cuenta el editor) o una ruta de dispositivo como /dev/ttyUSB0
o /dev/serial/by-id/usb-...
</translation>
    </message>
    <message>
        <source>PORT is 1..4 (COM1..COM4) or any other COM port, such as COM7 for a USB cable
(quorlink-cli ports lists them).
</source>
        <translation>PORT es 1..4 (COM1..COM4) o cualquier otro puerto COM, como COM7 para un cable USB
(quorlink-cli ports los lista).
</translation>
    </message>
</context>
<context>
    <name>PromptTexts</name>
    <message>
        <source>No help viewer</source>
        <translation>No hay visor de ayuda</translation>
    </message>
    <message>
        <source>No user guide</source>
        <translation>No hay guía del usuario</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>No se puede mostrar el contenido de la ayuda. No hay ninguna ayuda asociada a este proyecto.</translation>
    </message>
</context>
<context>
    <name>QtSerialPortTexts</name>
    <message>
        <source>the port is in use by another program</source>
        <translation>el puerto está en uso por otro programa</translation>
    </message>
    <message>
        <source>%1 is not a serial port (%2)</source>
        <translation>%1 no es un puerto serie (%2)</translation>
    </message>
    <message>
        <source>Another program is using the port and took the radio&apos;s answer (%1). Close it and try again.</source>
        <translation>Otro programa está usando el puerto y se quedó con la respuesta de la radio (%1). Ciérrelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The cable was unplugged: %1 went away (%2). Plug it in and try again.</source>
        <translation>El cable se desconectó: %1 desapareció (%2). Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The serial device went away (%1)</source>
        <translation>El dispositivo serie desapareció (%1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Tx activa</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Solo baja potencia</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Aumento de potencia</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Memoria de exploración</translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation>Memoria VS</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Exploración</translation>
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
        <translation>Atenuador</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Diferencia horaria</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Pitido de teclas</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>Alerta WX</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Tipo de exploración</translation>
    </message>
    <message>
        <source>Voice Scrambler</source>
        <translation>Codificador de voz</translation>
    </message>
    <message>
        <source>True MAG</source>
        <translation>Verdadero/MAG</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Respuesta individual</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>ACK individual</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Timbre individual</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>Respuesta a petición POS</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>Exploración DSC</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI del usuario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>International</source>
        <translation>Internacional</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>%1 A-Ch</source>
        <translation>%1 A-Ch</translation>
    </message>
    <message>
        <source>%1 B-Ch</source>
        <translation>%1 B-Ch</translation>
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
        <translation>ID individual %1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>ID de grupo %1</translation>
    </message>
    <message>
        <source>byte 0x%1</source>
        <translation>byte 0x%1</translation>
    </message>
    <message>
        <source>bytes 0x%1-0x%2</source>
        <translation>bytes 0x%1-0x%2</translation>
    </message>
    <message>
        <source>%1 differ; Program to Radio does not write them</source>
        <translation>%1 difieren; Programar la radio no los escribe</translation>
    </message>
    <message>
        <source>%1 differs; Program to Radio does not write it</source>
        <translation>%1 difiere; Programar la radio no lo escribe</translation>
    </message>
    <message>
        <source>%1 differ; the editor does not show them</source>
        <translation>%1 difieren; el editor no los muestra</translation>
    </message>
    <message>
        <source>%1 differs; the editor does not show it</source>
        <translation>%1 difiere; el editor no lo muestra</translation>
    </message>
    <message>
        <source>%1: %2 %3 -&gt; %4</source>
        <translation>%1: %2 %3 -&gt; %4</translation>
    </message>
    <message>
        <source>Radio Setup</source>
        <translation>Configuración de la radio</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>Configuración DSC</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 diferencia</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 diferencias</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>%1 CH%2 name</source>
        <translation>nombre de %1 CH%2</translation>
    </message>
    <message>
        <source>%1 CH%2 settings</source>
        <translation>ajustes de %1 CH%2</translation>
    </message>
    <message>
        <source>%1 slot %2 name</source>
        <translation>nombre de %1, posición de memoria %2</translation>
    </message>
    <message>
        <source>%1 slot %2 settings</source>
        <translation>ajustes de %1, posición de memoria %2</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>nombre de %1</translation>
    </message>
    <message>
        <source>WX slot %1 name</source>
        <translation>nombre de WX, posición de memoria %1</translation>
    </message>
    <message>
        <source>EXP channel %1 name</source>
        <translation>nombre del canal EXP %1</translation>
    </message>
    <message>
        <source>EXP channel %1 settings</source>
        <translation>ajustes del canal EXP %1</translation>
    </message>
    <message>
        <source>%1 directory %2 MMSI</source>
        <translation>MMSI de la entrada %2 del directorio %1</translation>
    </message>
    <message>
        <source>%1 directory %2 name</source>
        <translation>nombre de la entrada %2 del directorio %1</translation>
    </message>
    <message>
        <source>radio&apos;s own area</source>
        <translation>zona propia de la radio</translation>
    </message>
    <message>
        <source>model code</source>
        <translation>código de modelo</translation>
    </message>
    <message>
        <source>ATIS switches</source>
        <translation>interruptores ATIS</translation>
    </message>
    <message>
        <source>scan type, WX alert, dimmer, key beep, contrast</source>
        <translation>tipo de exploración, alerta WX, atenuador, pitido de teclas, contraste</translation>
    </message>
    <message>
        <source>true/magnetic, time offset</source>
        <translation>verdadero/magnético, diferencia horaria</translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation>ajustes DSC</translation>
    </message>
    <message>
        <source>A/B channels</source>
        <translation>canales A/B</translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation>codificador de voz</translation>
    </message>
    <message>
        <source>USA Enable bitmap</source>
        <translation>Mapa de bits Activo USA</translation>
    </message>
    <message>
        <source>INT Enable bitmap</source>
        <translation>Mapa de bits Activo INT</translation>
    </message>
    <message>
        <source>CAN Enable bitmap</source>
        <translation>Mapa de bits Activo CAN</translation>
    </message>
    <message>
        <source>WX Enable bitmap</source>
        <translation>Mapa de bits Activo WX</translation>
    </message>
    <message>
        <source>EXP Enable bitmap</source>
        <translation>Mapa de bits Activo EXP</translation>
    </message>
    <message>
        <source>USA Scan bitmap</source>
        <translation>Mapa de bits de exploración USA</translation>
    </message>
    <message>
        <source>INT Scan bitmap</source>
        <translation>Mapa de bits de exploración INT</translation>
    </message>
    <message>
        <source>CAN Scan bitmap</source>
        <translation>Mapa de bits de exploración CAN</translation>
    </message>
    <message>
        <source>WX Scan bitmap</source>
        <translation>Mapa de bits de exploración WX</translation>
    </message>
    <message>
        <source>EXP Scan bitmap</source>
        <translation>Mapa de bits de exploración EXP</translation>
    </message>
    <message>
        <source>user MMSI</source>
        <translation>MMSI del usuario</translation>
    </message>
    <message>
        <source>user MMSI count</source>
        <translation>contador de MMSI del usuario</translation>
    </message>
    <message>
        <source>ATIS number</source>
        <translation>número ATIS</translation>
    </message>
    <message>
        <source>individual</source>
        <translation>individual</translation>
    </message>
    <message>
        <source>group</source>
        <translation>de grupo</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>MID %1 is not allocated to any country</source>
        <translation>El MID %1 no está asignado a ningún país</translation>
    </message>
    <message>
        <source>Starts with 0: a group number, not a ship&apos;s own MMSI</source>
        <translation>Empieza por 0: un número de grupo, no el MMSI propio de un barco</translation>
    </message>
    <message>
        <source>Starts with 00: a coast station&apos;s number, not a ship&apos;s own MMSI</source>
        <translation>Empieza por 00: el número de una estación costera, no el MMSI propio de un barco</translation>
    </message>
    <message>
        <source>Starts with 99: an aid to navigation, not a ship&apos;s own MMSI</source>
        <translation>Empieza por 99: una ayuda a la navegación, no el MMSI propio de un barco</translation>
    </message>
    <message>
        <source>Starts with 970: an AIS-SART, not a ship&apos;s own MMSI</source>
        <translation>Empieza por 970: un AIS-SART, no el MMSI propio de un barco</translation>
    </message>
    <message>
        <source>Starts with 972: a man-overboard device, not a ship&apos;s own MMSI</source>
        <translation>Empieza por 972: un dispositivo de hombre al agua, no el MMSI propio de un barco</translation>
    </message>
    <message>
        <source>Starts with 974: an EPIRB-AIS, not a ship&apos;s own MMSI</source>
        <translation>Empieza por 974: un EPIRB-AIS, no el MMSI propio de un barco</translation>
    </message>
    <message>
        <source>Group numbers start with 0 and a MID</source>
        <translation>Los números de grupo empiezan por 0 y un MID</translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation>Estación de barco</translation>
    </message>
    <message>
        <source>Group of stations</source>
        <translation>Grupo de estaciones</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Estación costera</translation>
    </message>
    <message>
        <source>Handheld with DSC</source>
        <translation>Portátil con DSC</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>Aeronave SAR</translation>
    </message>
    <message>
        <source>Aid to navigation</source>
        <translation>Ayuda a la navegación</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Embarcación de un buque nodriza</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man-overboard device</source>
        <translation>Dispositivo de hombre al agua</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>Digits only</source>
        <translation>Solo cifras</translation>
    </message>
    <message>
        <source>%1 of %2 digits</source>
        <translation>%1 de %2 cifras</translation>
    </message>
    <message>
        <source>Starts with %1: not a kind of MMSI in use</source>
        <translation>Empieza por %1: no es un tipo de MMSI en uso</translation>
    </message>
    <message>
        <source>Starts with 0: a group number; it belongs in the group directory</source>
        <translation>Empieza por 0: un número de grupo; va en el directorio de grupo</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Ninguno)</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>15 times</source>
        <translation>15 veces</translation>
    </message>
    <message>
        <source>10 times</source>
        <translation>10 veces</translation>
    </message>
    <message>
        <source>5 times</source>
        <translation>5 veces</translation>
    </message>
</context>
<context>
    <name>RecoverDialogTexts</name>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI del usuario</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Nothing has been kept yet.</source>
        <translation>Aún no se ha guardado nada.</translation>
    </message>
    <message>
        <source>Backups of transfers and copies of dropped edits, newest first:</source>
        <translation>Copias de seguridad de transferencias y copias de cambios descartados, la más reciente primero:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
</context>
<context>
    <name>ReportPdfTexts</name>
    <message>
        <source>Could not write %1</source>
        <translation>No se pudo escribir %1</translation>
    </message>
</context>
<context>
    <name>SafetyCommands</name>
    <message>
        <source>Re&amp;cover...</source>
        <translation>&amp;Recuperar...</translation>
    </message>
</context>
<context>
    <name>SerialLinkTexts</name>
    <message>
        <source>No serial port for %1</source>
        <translation>No hay puerto serie para %1</translation>
    </message>
    <message>
        <source>The serial port did not take the bytes</source>
        <translation>El puerto serie no aceptó los bytes</translation>
    </message>
</context>
<context>
    <name>SettingsRows</name>
    <message>
        <source>Radio Setup</source>
        <translation>Configuración de la radio</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>Configuración DSC</translation>
    </message>
    <message>
        <source>Contrast Level</source>
        <translation>Nivel de contraste</translation>
    </message>
    <message>
        <source>Dimmer Status</source>
        <translation>Estado del atenuador</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Diferencia horaria</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Pitido de teclas</translation>
    </message>
    <message>
        <source>[On]</source>
        <translation>[Activado]</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>Alerta WX</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Tipo de exploración</translation>
    </message>
    <message>
        <source>Voice Scrambler</source>
        <translation>Codificador de voz</translation>
    </message>
    <message>
        <source>True MAG</source>
        <translation>Verdadero/MAG</translation>
    </message>
    <message>
        <source>[Magnetic On]</source>
        <translation>[Magnético activado]</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Respuesta individual</translation>
    </message>
    <message>
        <source>[Auto]</source>
        <translation>[Auto]</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>ACK individual</translation>
    </message>
    <message>
        <source>[Able to Comply]</source>
        <translation>[Puede cumplir]</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Timbre individual</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>Respuesta a petición POS</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>Exploración DSC</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI del usuario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contador</translation>
    </message>
</context>
<context>
    <name>StampedFileTexts</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>too many files in one second in %1</source>
        <translation>demasiados archivos en un segundo en %1</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Puerto serie</translation>
    </message>
    <message>
        <source>&amp;Device...</source>
        <translation>&amp;Dispositivo...</translation>
    </message>
    <message>
        <source>&amp;Verify After Writing</source>
        <translation>&amp;Verificar tras escribir</translation>
    </message>
    <message>
        <source>Show Changes Before &amp;Writing</source>
        <translation>&amp;Mostrar cambios antes de escribir</translation>
    </message>
    <message>
        <source>Read from the radio on COM%1</source>
        <translation>Leer de la radio en COM%1</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>COM%1 now means %2.</source>
        <translation>COM%1 es ahora %2.</translation>
    </message>
    <message>
        <source>%1

Write without it?</source>
        <translation>%1

¿Escribir sin ella?</translation>
    </message>
</context>
<context>
    <name>TransferRunTexts</name>
    <message>
        <source>Complete!!</source>
        <translation>¡¡Completado!!</translation>
    </message>
    <message>
        <source>
To put back what it held before, program
%1</source>
        <translation>
Para restaurar lo que tenía antes, programe
%1</translation>
    </message>
    <message>
        <source>
What it held before this write was itself a partly written memory, left by an earlier write cut short (%1). </source>
        <translation>
Lo que tenía antes de esta escritura era ya una memoria escrita en parte, dejada por una escritura anterior interrumpida (%1). </translation>
    </message>
    <message>
        <source>No backup of it whole is kept.</source>
        <translation>No se guarda ninguna copia de seguridad completa de ella.</translation>
    </message>
    <message>
        <source>To put back what it held when it was last whole, program
%1</source>
        <translation>Para restaurar lo que tenía la última vez que estuvo completa, programe
%1</translation>
    </message>
    <message>
        <source>program it again before use.</source>
        <translation>vuelva a programarla antes de usarla.</translation>
    </message>
    <message>
        <source>program it again before use, e.g. from the backup of this write,
%1</source>
        <translation>vuelva a programarla antes de usarla, p. ej. desde la copia de seguridad de esta escritura,
%1</translation>
    </message>
    <message>
        <source>The write went through, but it was not verified: the radio may not hold what was written. Compare it with the data, or %1</source>
        <translation>La escritura se completó, pero no se verificó: puede que la radio no contenga lo escrito. Compárela con los datos, o %1</translation>
    </message>
    <message>
        <source>The radio now holds a partly written memory: %1</source>
        <translation>La radio contiene ahora una memoria escrita en parte: %1</translation>
    </message>
    <message>
        <source>Reading the radio</source>
        <translation>Leyendo la radio</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar datos</translation>
    </message>
</context>
<context>
    <name>TransferSafetyTexts</name>
    <message>
        <source>The backup of this read</source>
        <translation>La copia de seguridad de esta lectura</translation>
    </message>
    <message>
        <source>The before-write backup</source>
        <translation>La copia de seguridad previa a la escritura</translation>
    </message>
    <message>
        <source>The backup of this write</source>
        <translation>La copia de seguridad de esta escritura</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be saved in %2: %3.

Without it, what the radio holds now is kept nowhere once it is written.</source>
        <translation>No se pudo guardar %1 en %2: %3.

Sin ella, lo que contiene ahora la radio no quedará guardado en ningún sitio una vez escrita.</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 No se escribió nada.</translation>
    </message>
    <message>
        <source>How this write ended could not be noted beside its backups: %1</source>
        <translation>No se pudo anotar junto a sus copias de seguridad cómo terminó esta escritura: %1</translation>
    </message>
</context>
<context>
    <name>WholeFileTexts</name>
    <message>
        <source>%1 was written over in place, as its folder cannot be written; its previous content is kept in %2</source>
        <translation>%1 se sobrescribió en su sitio, ya que no se puede escribir en su carpeta; su contenido anterior se guarda en %2</translation>
    </message>
</context>
<context>
    <name>WidgetPromptTexts</name>
    <message>
        <source>Stop Writing</source>
        <translation>Detener la escritura</translation>
    </message>
    <message>
        <source>Keep Writing</source>
        <translation>Seguir escribiendo</translation>
    </message>
    <message>
        <source>The user guide README.md is not installed.</source>
        <translation>La guía del usuario README.md no está instalada.</translation>
    </message>
    <message>
        <source>Help file %1 not found.</source>
        <translation>No se encontró el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>No hay ningún programa configurado para abrir %1.</translation>
    </message>
</context>
<context>
    <name>Win32SerialPortTexts</name>
    <message>
        <source>The cable was unplugged: %1 went away (%2). Plug it in and try again.</source>
        <translation>El cable se desconectó: %1 desapareció (%2). Conéctelo e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>WriteVerificationTexts</name>
    <message>
        <source>Verify Error!!
%1 byte in the radio is not what was written:</source>
        <translation>¡¡Error de verificación!!
%1 byte de la radio no es lo que se escribió:</translation>
    </message>
    <message>
        <source>Verify Error!!
%1 bytes in the radio are not what was written:</source>
        <translation>¡¡Error de verificación!!
%1 bytes de la radio no son lo que se escribió:</translation>
    </message>
    <message>
        <source>
and %1 more</source>
        <translation>
y %1 más</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar datos</translation>
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
        <translation>Internacional</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a region and its list</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>A-Ch</source>
        <translation>A-Ch</translation>
    </message>
    <message>
        <source>B-Ch</source>
        <translation>B-Ch</translation>
    </message>
    <message>
        <source>P-Ch</source>
        <translation>P-Ch</translation>
    </message>
    <message>
        <source>[None]</source>
        <translation>[Ninguno]</translation>
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
        <translation>Lee, edita y escribe la memoria
de las radios MR7100A y MR5100A.
Conecte el cable de programación antes
de leer o programar una radio.
Guarde una copia de los datos de la radio
en un archivo antes de programarla.
Úselo bajo su propia responsabilidad.</translation>
    </message>
    <message>
        <source>Version Infomation</source>
        <translation>Información de versión</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>quorlink::ChannelEditor</name>
    <message>
        <source>Channel Number</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Frecuencia Rx</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Frecuencia Tx</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Tx activa</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Solo baja potencia</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Aumento de potencia</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Memoria de exploración</translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation>Memoria VS</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nombre CH</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a channel and what changed</comment>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>position</source>
        <translation>posición</translation>
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
        <translation>BAJA</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>AUM</translation>
    </message>
    <message>
        <source>DUP</source>
        <translation>DÚP</translation>
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
        <translation>ACTIVO</translation>
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
        <translation>Nombre CH</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Activo]</translation>
    </message>
</context>
<context>
    <name>quorlink::CompareWindow</name>
    <message>
        <source>%1 (the editor does not show them)</source>
        <translation>%1 (el editor no los muestra)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 diferencia</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 diferencias</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Compare the editor&apos;s data with:</source>
        <translation>Comparar los datos del editor con:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Archivo...</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Last read of this radio</source>
        <translation>Ú&amp;ltima lectura de esta radio</translation>
    </message>
    <message>
        <source>No read of a radio with this model and user MMSI was kept.</source>
        <translation>No se guardó ninguna lectura de una radio con este modelo y MMSI del usuario.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Old: the radio    New: the editor&apos;s data</source>
        <translation>Antiguo: la radio    Nuevo: los datos del editor</translation>
    </message>
    <message>
        <source>The radio already holds these data.</source>
        <translation>La radio ya contiene estos datos.</translation>
    </message>
    <message>
        <source>Program to Radio changes these in the radio: %1</source>
        <translation>Programar la radio cambia esto en la radio: %1</translation>
    </message>
    <message>
        <source>Write &amp;Anyway</source>
        <translation>Escribir &amp;de todos modos</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Antiguo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>FileSave Error!!

%1</source>
        <translation>¡¡Error al guardar el archivo!!

%1</translation>
    </message>
</context>
<context>
    <name>quorlink::DirectoryEntryPage</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>%1 MMSI</source>
        <translation>MMSI de %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Añadir %1</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>nombre de %1</translation>
    </message>
</context>
<context>
    <name>quorlink::DirectoryListPage</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
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
        <translation>Copia de recuperación</translation>
    </message>
    <message>
        <source>The edits not yet saved could not be kept as a recovery copy:
%1

Press OK to go on and drop them, Cancel to keep them.</source>
        <translation>Los cambios aún no guardados no se pudieron guardar como copia de recuperación:
%1

Pulse Aceptar para continuar y descartarlos, Cancelar para conservarlos.</translation>
    </message>
</context>
<context>
    <name>quorlink::HelpWindow</name>
    <message>
        <source>Quorlink User Guide</source>
        <translation>Guía del usuario de Quorlink</translation>
    </message>
</context>
<context>
    <name>quorlink::ListMessageBox</name>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Saves the whole list as a text file</source>
        <translation>Guarda la lista completa como archivo de texto</translation>
    </message>
    <message>
        <source>Puts the whole list on the clipboard</source>
        <translation>Pone la lista completa en el portapapeles</translation>
    </message>
    <message>
        <source>FileSave Error!!

%1</source>
        <translation>¡¡Error al guardar el archivo!!

%1</translation>
    </message>
    <message>
        <source>The whole list was saved as %1.</source>
        <translation>La lista completa se guardó como %1.</translation>
    </message>
    <message>
        <source>The whole list is on the clipboard.</source>
        <translation>La lista completa está en el portapapeles.</translation>
    </message>
</context>
<context>
    <name>quorlink::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Guardar como pre&amp;determinado</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Imprimir en arc&amp;hivo</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Co&amp;mparar con...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modelo</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transferencia</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programar la radio</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Leer de la radio</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About QOR Version</source>
        <translation>&amp;Acerca de la versión de QOR</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Guardar como predeterminado</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programar la radio</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>Radio memory</source>
        <translation>Memoria de la radio</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Modified  %1</source>
        <translation>Modificado  %1</translation>
    </message>
    <message>
        <source>Do yo make new QOR Data for %1?</source>
        <translation>¿Crear datos QOR nuevos para %1?</translation>
    </message>
</context>
<context>
    <name>quorlink::MmsiField</name>
    <message>
        <source>A group MMSI has 8 digits after its leading 0.</source>
        <translation>Un MMSI de grupo tiene 8 cifras tras su 0 inicial.</translation>
    </message>
    <message>
        <source>An MMSI has %1 digits.</source>
        <translation>Un MMSI tiene %1 cifras.</translation>
    </message>
    <message>
        <source>Data Error!!

%1</source>
        <translation>¡¡Error de datos!!

%1</translation>
    </message>
</context>
<context>
    <name>quorlink::PortDialog</name>
    <message>
        <source>Serial Port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Serial ports present now (the list follows cables plugged in or out):</source>
        <translation>Puertos serie presentes ahora (la lista sigue los cables que se conectan o desconectan):</translation>
    </message>
    <message>
        <source>&amp;Find my cable</source>
        <translation>&amp;Buscar mi cable</translation>
    </message>
    <message>
        <source>Device for COM%1 (left empty, COM%1 follows the list above):</source>
        <translation>Dispositivo para COM%1 (si se deja vacío, COM%1 sigue la lista de arriba):</translation>
    </message>
    <message>
        <source>Unplug the programming cable from the computer, then press OK.</source>
        <translation>Desconecte el cable de programación del ordenador y pulse Aceptar.</translation>
    </message>
    <message>
        <source>Plug the cable in again, wait two seconds, then press OK.</source>
        <translation>Vuelva a conectar el cable, espere dos segundos y pulse Aceptar.</translation>
    </message>
    <message>
        <source>Your cable is %1 %2. Press OK to use it for COM%3.</source>
        <translation>Su cable es %1 %2. Pulse Aceptar para usarlo como COM%3.</translation>
    </message>
    <message>
        <source>No port appeared. Plug the cable in firmly, or try another USB socket; quorlink-cli doctor says what stops a port.</source>
        <translation>No apareció ningún puerto. Conecte bien el cable o pruebe otra toma USB; quorlink-cli doctor indica qué impide usar un puerto.</translation>
    </message>
    <message>
        <source>Several ports appeared (%1). Unplug the other adapters and try again, or choose your cable from the list.</source>
        <translation>Aparecieron varios puertos (%1). Desconecte los demás adaptadores e inténtelo de nuevo, o elija su cable en la lista.</translation>
    </message>
</context>
<context>
    <name>quorlink::ReportWindow</name>
    <message>
        <source>Print to File</source>
        <translation>Imprimir en archivo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Text report</source>
        <translation>Informe de texto</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Creando la imagen de texto. Espere, por favor...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Text files(*.txt)|*.txt|All files(*.*)|*.*</source>
        <translation>Archivos de texto(*.txt)|*.txt|Todos los archivos(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>quorlink::SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>quorlink::TransferDialog</name>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>1.Connect the QOR Cable.</source>
        <translation>1.Conecte el cable QOR.</translation>
    </message>
    <message>
        <source>2.Communication starts when you select [OK].</source>
        <translation>2.La comunicación empieza al seleccionar [Aceptar].</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Progreso de la transferencia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Estado de la transferencia</translation>
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
        <translation>Esperando a la radio en %1...</translation>
    </message>
    <message>
        <source>Stop writing? The radio will hold a partly written memory.</source>
        <translation>¿Detener la escritura? La radio quedará con una memoria escrita en parte.</translation>
    </message>
</context>
<context>
    <name>quorlink::WxPage</name>
    <message>
        <source>%1 %2</source>
        <comment>a weather channel and what changed</comment>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Exploración</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nombre CH</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
</context>
</TS>
