<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Agenda Individual</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Agenda de Grupos</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI do Usuário</translation>
    </message>
    <message>
        <source>Bytes the editor does not show</source>
        <translation>Bytes que o editor não mostra</translation>
    </message>
    <message>
        <source>Program to Radio changes these in the radio: %1 of %2 changes ticked</source>
        <translation>Programar no Rádio altera isto no rádio: %1 de %2 alterações marcadas</translation>
    </message>
</context>
<context>
    <name>CliArgumentTexts</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 foi dado duas vezes</translation>
    </message>
</context>
<context>
    <name>CliDirectoryTexts</name>
    <message>
        <source>%1 was not saved</source>
        <translation>%1 não foi salvo</translation>
    </message>
</context>
<context>
    <name>CliFileTexts</name>
    <message>
        <source>The output could not be written completely</source>
        <translation>A saída não pôde ser gravada por completo</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>saída padrão: %1</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Erro ao Salvar Arquivo!!</translation>
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
        <translation>Perguntando ao rádio em %1 o seu código de modelo...</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falhou: %2</translation>
    </message>
    <message>
        <source>A radio answered on %1, but with the model code %2 (%3 at the end of its memory), which is neither an MR7100A&apos;s nor an MR5100A&apos;s.</source>
        <translation>Um rádio respondeu em %1, mas com o código de modelo %2 (%3 no fim da sua memória), que não é o de um MR7100A nem o de um MR5100A.</translation>
    </message>
    <message>
        <source>An %1 answered on %2 (model code %3).</source>
        <translation>Um %1 respondeu em %2 (código de modelo %3).</translation>
    </message>
    <message>
        <source>No serial port is present.</source>
        <translation>Nenhuma porta serial está presente.</translation>
    </message>
    <message>
        <source>%1 opens: the port is ready. Nothing was sent to the radio.</source>
        <translation>%1 abre: a porta está pronta. Nada foi enviado ao rádio.</translation>
    </message>
    <message>
        <source>%1 opens: the port is ready.</source>
        <translation>%1 abre: a porta está pronta.</translation>
    </message>
    <message>
        <source>Note: ModemManager (process %1) runs and may probe %2 each time the cable is plugged in. The udev rule of the Debian package keeps it away.</source>
        <translation>Observação: o ModemManager (processo %1) está em execução e pode sondar %2 cada vez que o cabo é conectado. A regra udev do pacote Debian o mantém afastado.</translation>
    </message>
</context>
<context>
    <name>CliPrintTexts</name>
    <message>
        <source>printing needs the program started with the print command</source>
        <translation>a impressão exige o programa iniciado com o comando print</translation>
    </message>
    <message>
        <source>The printed report could not be drawn</source>
        <translation>O relatório impresso não pôde ser desenhado</translation>
    </message>
</context>
<context>
    <name>CliRadioTexts</name>
    <message>
        <source>Read from Radio</source>
        <translation>Ler do Rádio</translation>
    </message>
    <message>
        <source>What was read is kept in the backup %1; quorlink-cli convert --model %2 %1 OUT makes the file from it.</source>
        <translation>O que foi lido está guardado no backup %1; quorlink-cli convert --model %2 %1 OUT cria o arquivo a partir dele.</translation>
    </message>
    <message>
        <source>No backup of this read could be kept either: read the radio again.</source>
        <translation>Também não foi possível guardar um backup desta leitura: leia o rádio novamente.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lendo</translation>
    </message>
    <message>
        <source>%1 Nothing was written; give --allow-mmsi-change to write anyway.</source>
        <translation>%1 Nada foi gravado; use --allow-mmsi-change para gravar mesmo assim.</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Gravando</translation>
    </message>
    <message>
        <source>Clearing</source>
        <translation>Apagando</translation>
    </message>
</context>
<context>
    <name>CliUsageTexts</name>
    <message>
        <source>Writes a fresh data set of MODEL to OUT.</source>
        <translation>Grava um conjunto de dados novo de MODEL em OUT.</translation>
    </message>
    <message>
        <source>Loads IN and saves it as OUT.</source>
        <translation>Carrega IN e o salva como OUT.</translation>
    </message>
    <message>
        <source>Writes the text report of IN to OUT, or to standard output (no OUT, or -).</source>
        <translation>Grava o relatório em texto de IN em OUT, ou na saída padrão (sem OUT, ou -).</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s memory and saves it as OUT. A failed or cancelled read writes nothing.</source>
        <translation>Lê a memória do rádio e a salva como OUT. Uma leitura que falha ou é cancelada não grava nada.</translation>
    </message>
    <message>
        <source>Reads the radio first (kept as a before-write backup) and lists what the write changes, as diff
does; then programs the radio with IN (a data file or a .hex backup), reads the written bytes
back and compares them. --dry-run stops after the list and writes nothing; --no-read-first
skips the first read and the list (so it cannot go with --dry-run); --no-verify skips the read-back.
--only AREAS sends only the changes in those areas of the memory, --keep AREAS all but those
(comma-separated; a wrong name lists them); the rest stays as the radio holds it, e.g. --keep
user-mmsi leaves the radio&apos;s own number. Both need the first read.</source>
        <translation>Lê o rádio primeiro (guardado como backup antes da gravação) e lista o que a gravação altera, como o diff
faz; depois programa o rádio com IN (um arquivo de dados ou um backup .hex), lê de volta os bytes
gravados e os compara. --dry-run para após a lista e não grava nada; --no-read-first
pula a primeira leitura e a lista (por isso não combina com --dry-run); --no-verify pula a releitura.
--only AREAS envia só as alterações nessas áreas da memória, --keep AREAS todas menos essas
(separadas por vírgula; um nome errado as lista); o resto fica como o rádio o guarda, p. ex. --keep
user-mmsi mantém o número próprio do rádio. Ambas precisam da primeira leitura.</translation>
    </message>
    <message>
        <source>Writes the printed report of IN as a PDF file (- for standard output), without a printer.</source>
        <translation>Grava o relatório impresso de IN como arquivo PDF (- para a saída padrão), sem impressora.</translation>
    </message>
    <message>
        <source>Sets the radio&apos;s count of user MMSI settings back to 0.</source>
        <translation>Volta a 0 a contagem de configurações do MMSI do usuário no rádio.</translation>
    </message>
    <message>
        <source>Lists what differs from A to B, one difference a line, then the count; --brief prints the count only.
A and B are data files, .hex images, or port:PORT to read the radio on PORT (nothing is saved).
Exit status: 0 equal, 1 different, 2 usage error or trouble.</source>
        <translation>Lista o que difere de A para B, uma diferença por linha, e depois a contagem; --brief imprime só a contagem.
A e B são arquivos de dados, imagens .hex, ou port:PORT para ler o rádio em PORT (nada é salvo).
Status de saída: 0 iguais, 1 diferentes, 2 erro de uso ou problema.</translation>
    </message>
    <message>
        <source>Lists the backups and recovery copies kept in the data folder, newest first, one a line:
path, date and time, kind, model, user MMSI, what became of the write it was kept for, and
&quot;partly written&quot; when read from a radio an earlier write left partly written (tab-separated,
- where there is nothing to say). Backups are judged by content: other files are &quot;not a radio image&quot;.</source>
        <translation>Lista os backups e as cópias de recuperação guardados na pasta de dados, do mais novo ao mais antigo, um por linha:
caminho, data e hora, tipo, modelo, MMSI do usuário, o que aconteceu com a gravação para a qual foi guardado, e
&quot;gravado em parte&quot; quando lido de um rádio que uma gravação anterior deixou gravado em parte (separados por tabulação,
- onde não há nada a dizer). Os backups são avaliados pelo conteúdo: outros arquivos são &quot;não é imagem de rádio&quot;.</translation>
    </message>
    <message>
        <source>Lists the serial ports present and which COMn each one is.</source>
        <translation>Lista as portas seriais presentes e qual COMn é cada uma.</translation>
    </message>
    <message>
        <source>Opens PORT (or the editor&apos;s port) without talking to the radio and says what stops it.
--probe then asks the radio for its model code and says whether one answered, and which model.</source>
        <translation>Abre PORT (ou a porta do editor) sem falar com o rádio e diz o que a impede.
--probe depois pede ao rádio o seu código de modelo e diz se algum respondeu, e qual modelo.</translation>
    </message>
    <message>
        <source>Writes both directories of IN to OUT.csv as rows kind,mmsi,name (UTF-8).</source>
        <translation>Grava as duas agendas de IN em OUT.csv como linhas kind,mmsi,name (UTF-8).</translation>
    </message>
    <message>
        <source>Adds the rows of LIST.csv to the free directory entries of IN and saves the result as OUT.
Used entries are never changed; every row not taken is listed with its line and reason.
When no entry is added, OUT is not saved and the exit status is 1.</source>
        <translation>Adiciona as linhas de LIST.csv às entradas livres da agenda de IN e salva o resultado como OUT.
Entradas usadas nunca são alteradas; cada linha não aceita é listada com a sua linha e o motivo.
Quando nenhuma entrada é adicionada, OUT não é salvo e o status de saída é 1.</translation>
    </message>
    <message>
        <source>MODEL is MR7100A or MR5100A (any case). Files: .dat and .def are data files,
.hex is the raw memory image; a report OUT may have any name, - is standard output.
</source>
        <translation>MODEL é MR7100A ou MR5100A (maiúsculas ou minúsculas). Arquivos: .dat e .def são arquivos de dados,
.hex é a imagem bruta da memória; um relatório OUT pode ter qualquer nome, - é a saída padrão.
</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 goes with %2 only</source>
        <translation>%1 só combina com %2</translation>
    </message>
    <message>
        <source>--only and --keep cannot go together</source>
        <translation>--only e --keep não podem ser usados juntos</translation>
    </message>
    <message>
        <source>%1 keeps the rest as the radio holds it, for which it reads the radio first: it cannot go with --no-read-first</source>
        <translation>%1 mantém o resto como o rádio o guarda, e para isso lê o rádio primeiro: não combina com --no-read-first</translation>
    </message>
    <message>
        <source>%1: unknown area in %2 (areas: %3)</source>
        <translation>%1: área desconhecida em %2 (áreas: %3)</translation>
    </message>
    <message>
        <source>the directory list is a .csv file: %1</source>
        <translation>a lista da agenda é um arquivo .csv: %1</translation>
    </message>
    <message>
        <source>the printed report goes to a .pdf file: %1</source>
        <translation>o relatório impresso vai para um arquivo .pdf: %1</translation>
    </message>
    <message>
        <source>unknown port in %1 (port:1..4 or port:/dev/...)</source>
        <translation>porta desconhecida em %1 (port:1..4 ou port:/dev/...)</translation>
    </message>
    <message>
        <source>unknown kind of file: %1 (use .dat, .def or .hex)</source>
        <translation>tipo de arquivo desconhecido: %1 (use .dat, .def ou .hex)</translation>
    </message>
    <message>
        <source>the name %1 is not UTF-8 and cannot be used: rename the file (or link to it) with a UTF-8 name</source>
        <translation>o nome %1 não está em UTF-8 e não pode ser usado: renomeie o arquivo (ou crie um link para ele) com um nome em UTF-8</translation>
    </message>
    <message>
        <source>IN and OUT are the same file (%1); nothing was written</source>
        <translation>IN e OUT são o mesmo arquivo (%1); nada foi gravado</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando dado</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconhecido %1</translation>
    </message>
    <message>
        <source>wrong number of file names</source>
        <translation>número errado de nomes de arquivo</translation>
    </message>
    <message>
        <source>--model is required</source>
        <translation>--model é obrigatório</translation>
    </message>
    <message>
        <source>unknown model %1 (MR7100A or MR5100A)</source>
        <translation>modelo desconhecido %1 (MR7100A ou MR5100A)</translation>
    </message>
    <message>
        <source>--port is required</source>
        <translation>--port é obrigatório</translation>
    </message>
    <message>
        <source>unknown port %1 (1..4 or a device path)</source>
        <translation>porta desconhecida %1 (1..4 ou um caminho de dispositivo)</translation>
    </message>
    <message>
        <source>--dry-run lists what the write would change, for which it reads the radio first: it cannot go with --no-read-first</source>
        <translation>--dry-run lista o que a gravação alteraria, e para isso lê o rádio primeiro: não combina com --no-read-first</translation>
    </message>
    <message>
        <source>write refuses to change the radio&apos;s own MMSI unless --allow-mmsi-change is given.
Every read and write keeps a backup of the radio&apos;s memory in the backups folder of the
per-user data folder, the editor&apos;s too (~/.local/share/Quorlink, on Windows %LOCALAPPDATA%\Quorlink).
Ctrl+C cancels a transfer and ends any other command. Exit status: 0 done, 1 failed
(the reason is on standard error), 2 usage error; for diff 0 equal, 1 the two differ,
2 usage error or a side that cannot be loaded. --version prints the version.
</source>
        <translation>write se recusa a alterar o MMSI próprio do rádio, a menos que --allow-mmsi-change seja dado.
Cada leitura e gravação guarda um backup da memória do rádio na pasta backups da
pasta de dados do usuário, também as do editor (~/.local/share/Quorlink, no Windows %LOCALAPPDATA%\Quorlink).
Ctrl+C cancela uma transferência e encerra qualquer outro comando. Status de saída: 0 concluído, 1 falhou
(o motivo está na saída de erro padrão), 2 erro de uso; para diff 0 iguais, 1 os dois diferem,
2 erro de uso ou um lado que não pode ser carregado. --version mostra a versão.
</translation>
    </message>
</context>
<context>
    <name>CloneProtocolTexts</name>
    <message>
        <source>Model Check</source>
        <translation>Verificação do Modelo</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Ler do Rádio</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programar no Rádio</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Apagar Dados</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Erro de Comunicação!!</translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation>Erro no Nome do Modelo !!</translation>
    </message>
</context>
<context>
    <name>CompareCommands</name>
    <message>
        <source>the radio</source>
        <translation>o rádio</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>No read of a radio with this model and user MMSI was kept.</source>
        <translation>Nenhuma leitura de um rádio com este modelo e MMSI do usuário foi guardada.</translation>
    </message>
    <message>
        <source>the last read of this radio (%1)</source>
        <translation>a última leitura deste rádio (%1)</translation>
    </message>
    <message>
        <source>Old: %1    New: the editor&apos;s data</source>
        <translation>Antigo: %1    Novo: os dados do editor</translation>
    </message>
</context>
<context>
    <name>ControlHints</name>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Cima]/[Baixo]/[Esquerda]/[Direita]:Muda o item selecionado.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espaço]:Ativa ou desativa.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Marque [x] Ativar / [] Desativar.</translation>
    </message>
    <message>
        <source>[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End</source>
        <translation>[Cima/Baixo]:1 passo, [Page Up/Page Down]:10 passos, [Home/End]:Início/Fim</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Duplo clique],[Enter]:Vai para a tela de configuração.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>No máximo 12 caracteres</translation>
    </message>
    <message>
        <source>A maximum of 10 characters.</source>
        <translation>No máximo 10 caracteres.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 9 figures.</source>
        <translation>Só números. Exatamente 9 dígitos.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Só números. Exatamente 10 dígitos.</translation>
    </message>
    <message>
        <source>A Click Inicializes the number of User MMSI setting permission</source>
        <translation>Um clique zera a contagem de permissões de configuração do MMSI do usuário</translation>
    </message>
</context>
<context>
    <name>DirectoryCsvTexts</name>
    <message>
        <source>individual directory</source>
        <translation>agenda individual</translation>
    </message>
    <message>
        <source>group directory</source>
        <translation>agenda de grupos</translation>
    </message>
    <message>
        <source>a quote is opened and never closed</source>
        <translation>uma aspa é aberta e nunca fechada</translation>
    </message>
    <message>
        <source>not the three fields kind,mmsi,name</source>
        <translation>não são os três campos kind,mmsi,name</translation>
    </message>
    <message>
        <source>kind &quot;%1&quot; is neither individual nor group</source>
        <translation>o tipo &quot;%1&quot; não é individual nem group</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid MMSI for the %2</source>
        <translation>&quot;%1&quot; não é um MMSI válido para a %2</translation>
    </message>
    <message>
        <source>%1 is already entry %2 of the %3</source>
        <translation>%1 já é a entrada %2 da %3</translation>
    </message>
    <message>
        <source>the %1 is full, %2 not added</source>
        <translation>a %1 está cheia, %2 não adicionado</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; taken as &quot;%2&quot;</source>
        <translation>nome &quot;%1&quot; aceito como &quot;%2&quot;</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; cut to &quot;%2&quot; (at most 10 characters)</source>
        <translation>nome &quot;%1&quot; cortado para &quot;%2&quot; (no máximo 10 caracteres)</translation>
    </message>
    <message>
        <source>columns after kind,mmsi,name are ignored, here and below</source>
        <translation>colunas após kind,mmsi,name são ignoradas, aqui e abaixo</translation>
    </message>
    <message>
        <source>Not a directory list: its first line does not hold the three fields kind, MMSI and name</source>
        <translation>Não é uma lista de agenda: a primeira linha não contém os três campos kind, MMSI e name</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>No entries added</source>
        <translation>Nenhuma entrada adicionada</translation>
    </message>
    <message>
        <source>%1 entry added</source>
        <translation>%1 entrada adicionada</translation>
    </message>
    <message>
        <source>%1 entries added</source>
        <translation>%1 entradas adicionadas</translation>
    </message>
    <message>
        <source>%1 row refused</source>
        <translation>%1 linha recusada</translation>
    </message>
    <message>
        <source>%1 rows refused</source>
        <translation>%1 linhas recusadas</translation>
    </message>
    <message>
        <source>%1 name changed</source>
        <translation>%1 nome alterado</translation>
    </message>
    <message>
        <source>%1 names changed</source>
        <translation>%1 nomes alterados</translation>
    </message>
    <message>
        <source>%1 name cut</source>
        <translation>%1 nome cortado</translation>
    </message>
    <message>
        <source>%1 names cut</source>
        <translation>%1 nomes cortados</translation>
    </message>
    <message>
        <source>Too large for a directory list</source>
        <translation>Grande demais para uma lista de agenda</translation>
    </message>
</context>
<context>
    <name>DirectoryListCommands</name>
    <message>
        <source>%1; the first %2 of %3 are listed above</source>
        <translation>%1; as primeiras %2 de %3 estão listadas acima</translation>
    </message>
    <message>
        <source>&amp;Import Directory...</source>
        <translation>Im&amp;portar Agenda...</translation>
    </message>
    <message>
        <source>&amp;Export Directory...</source>
        <translation>&amp;Exportar Agenda...</translation>
    </message>
    <message>
        <source>Import Directory</source>
        <translation>Importar Agenda</translation>
    </message>
    <message>
        <source>Export Directory</source>
        <translation>Exportar Agenda</translation>
    </message>
    <message>
        <source>Directory exported to %1</source>
        <translation>Agenda exportada para %1</translation>
    </message>
</context>
<context>
    <name>DirectoryTraits</name>
    <message>
        <source>Station Name</source>
        <translation>Nome da Estação</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>NOME DA ESTAÇÃO</translation>
    </message>
    <message>
        <source>Individual Directory MMSI</source>
        <translation>MMSI da Agenda Individual</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nome do Grupo</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>NOME DO GRUPO</translation>
    </message>
    <message>
        <source>Group Directory MMSI</source>
        <translation>MMSI da Agenda de Grupos</translation>
    </message>
</context>
<context>
    <name>EditorMainTexts</name>
    <message>
        <source>quorlink: ignored: %1</source>
        <translation>quorlink: ignorado: %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Saved as %1</source>
        <translation>Salvo como %1</translation>
    </message>
    <message>
        <source>Default file saved as %1</source>
        <translation>Arquivo padrão salvo como %1</translation>
    </message>
    <message>
        <source>Image exported to %1</source>
        <translation>Imagem exportada para %1</translation>
    </message>
    <message>
        <source>%1 is no longer there; it was taken off the list of recent files.</source>
        <translation>%1 não existe mais; foi retirado da lista de arquivos recentes.</translation>
    </message>
</context>
<context>
    <name>FileContextTexts</name>
    <message>
        <source>FileSave Error!!</source>
        <translation>Erro ao Salvar Arquivo!!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Erro de Leitura do Arquivo!!</translation>
    </message>
</context>
<context>
    <name>FileFaultTexts</name>
    <message>
        <source>no data-file sections found</source>
        <translation>nenhuma seção de arquivo de dados encontrada</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Erro de acesso ao arquivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>É uma pasta</translation>
    </message>
    <message>
        <source>The file could not be written completely</source>
        <translation>O arquivo não pôde ser gravado por completo</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 é somente leitura</translation>
    </message>
    <message>
        <source>Permission denied: the link %1 in a folder all users share belongs to another user</source>
        <translation>Permissão negada: o link %1 numa pasta compartilhada por todos os usuários pertence a outro usuário</translation>
    </message>
    <message>
        <source>Its folder cannot be written, and its content could not be kept before writing over it: %1</source>
        <translation>A pasta do arquivo não pode ser gravada, e o conteúdo dele não pôde ser guardado antes de sobrescrevê-lo: %1</translation>
    </message>
    <message>
        <source>%1; its previous content is kept in %2</source>
        <translation>%1; o conteúdo anterior está guardado em %2</translation>
    </message>
    <message>
        <source>The link cannot be followed</source>
        <translation>O link não pode ser seguido</translation>
    </message>
    <message>
        <source>%1 is a name Windows keeps for a device</source>
        <translation>%1 é um nome que o Windows reserva para um dispositivo</translation>
    </message>
</context>
<context>
    <name>FileFilterTexts</name>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>Arquivos dat</translation>
    </message>
    <message>
        <source>Radio images</source>
        <translation>Imagens de rádio</translation>
    </message>
    <message>
        <source>hex files</source>
        <translation>Arquivos hex</translation>
    </message>
    <message>
        <source>csv files</source>
        <translation>Arquivos csv</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Arquivos de texto</translation>
    </message>
</context>
<context>
    <name>HexFileTexts</name>
    <message>
        <source>Read from Radio</source>
        <translation>Ler do Rádio</translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation>Erro no Nome do Modelo !!</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
</context>
<context>
    <name>KeptCopiesTexts</name>
    <message>
        <source>No backup has been kept yet: the backups folder %1 does not exist.</source>
        <translation>Nenhum backup foi guardado ainda: a pasta de backups %1 não existe.</translation>
    </message>
    <message>
        <source>%1 is not a folder: no backup can be kept until it is moved away.</source>
        <translation>%1 não é uma pasta: nenhum backup pode ser guardado até que seja removido dali.</translation>
    </message>
    <message>
        <source>The backups folder %1 cannot be read.</source>
        <translation>A pasta de backups %1 não pode ser lida.</translation>
    </message>
</context>
<context>
    <name>KeptCopyWords</name>
    <message>
        <source>write complete</source>
        <translation>gravação concluída</translation>
    </message>
    <message>
        <source>written, not verified</source>
        <translation>gravado, não verificado</translation>
    </message>
    <message>
        <source>written, verify error</source>
        <translation>gravado, erro de verificação</translation>
    </message>
    <message>
        <source>cancelled before writing</source>
        <translation>cancelado antes de gravar</translation>
    </message>
    <message>
        <source>failed before writing</source>
        <translation>falhou antes de gravar</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>before write</source>
        <translation>antes da gravação</translation>
    </message>
    <message>
        <source>written</source>
        <translation>gravado</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lido</translation>
    </message>
    <message>
        <source>dropped edits (%1)</source>
        <translation>edições descartadas (%1)</translation>
    </message>
    <message>
        <source>not a radio image</source>
        <translation>não é imagem de rádio</translation>
    </message>
    <message>
        <source>radio image</source>
        <translation>imagem de rádio</translation>
    </message>
    <message>
        <source>partly written</source>
        <translation>gravado em parte</translation>
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
        <translation>O novo idioma vale a partir da próxima vez que o Quorlink for iniciado.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Padrão do sistema</translation>
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
        <translation>[Ativado]</translation>
    </message>
    <message>
        <source>Individual ID%1</source>
        <translation>ID Individual %1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>ID de Grupo %1</translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation>Canal Programável</translation>
    </message>
    <message>
        <source>WX Channel</source>
        <translation>Canal WX</translation>
    </message>
    <message>
        <source>Exp Channel</source>
        <translation>Canal EXP</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Agenda Individual</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Agenda de Grupos</translation>
    </message>
</context>
<context>
    <name>NoRadioHelpTexts</name>
    <message>
        <source>The answers on %1 broke off or were garbled. Check that:</source>
        <translation>As respostas em %1 foram interrompidas ou vieram truncadas. Verifique se:</translation>
    </message>
    <message>
        <source>No radio answered on %1. Check that:</source>
        <translation>Nenhum rádio respondeu em %1. Verifique se:</translation>
    </message>
    <message>
        <source>- the radio is switched on and in its clone mode;</source>
        <translation>- o rádio está ligado e no modo de clonagem;</translation>
    </message>
    <message>
        <source>- the cable is plugged in firmly, at the radio and at the computer;</source>
        <translation>- o cabo está bem conectado, no rádio e no computador;</translation>
    </message>
    <message>
        <source>- %1 is the cable&apos;s port. %2</source>
        <translation>- %1 é a porta do cabo. %2</translation>
    </message>
    <message>
        <source>%1 is a built-in serial port, with no USB id: the cable is rarely on it.</source>
        <translation>%1 é uma porta serial embutida, sem ID USB: o cabo raramente está nela.</translation>
    </message>
</context>
<context>
    <name>OpenFailureTexts</name>
    <message>
        <source>Options &gt; SerialPort &gt; Device... (or quorlink-cli ports) lists the ports present.</source>
        <translation>Opções &gt; Porta Serial &gt; Dispositivo... (ou quorlink-cli ports) lista as portas presentes.</translation>
    </message>
    <message>
        <source>%1 (no serial port)</source>
        <translation>%1 (nenhuma porta serial)</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 não pôde ser aberta: %2</translation>
    </message>
    <message>
        <source>%1 belongs to the group &quot;%2&quot; (owner %3, mode %4)</source>
        <translation>%1 pertence ao grupo &quot;%2&quot; (dono %3, modo %4)</translation>
    </message>
    <message>
        <source> Joining a group is not the fix: install the udev rule 70-quorlink-serial.rules (it comes with the Debian package), which gives the cable to the user at the desktop, then plug the cable in again.</source>
        <translation> Entrar num grupo não é a solução: instale a regra udev 70-quorlink-serial.rules (vem com o pacote Debian), que entrega o cabo ao usuário da sessão, e depois conecte o cabo novamente.</translation>
    </message>
    <message>
        <source>%1, which does not let its group read and write it.%2</source>
        <translation>%1, que não permite ao seu grupo ler e gravar nela.%2</translation>
    </message>
    <message>
        <source>%1, a group meant for more than serial ports.%2</source>
        <translation>%1, um grupo destinado a mais do que portas seriais.%2</translation>
    </message>
    <message>
        <source>%1. You joined that group after you logged in: log out and in again.</source>
        <translation>%1. Você entrou nesse grupo depois de fazer login: saia da sessão e entre novamente.</translation>
    </message>
    <message>
        <source>%1, and you are not a member of it. Fix: sudo usermod -aG %2 $USER, then log out and in again.</source>
        <translation>%1, e você não é membro dele. Solução: sudo usermod -aG %2 $USER, depois saia da sessão e entre novamente.</translation>
    </message>
    <message>
        <source>%1, and you are a member of it, yet it will not open for you.%2</source>
        <translation>%1, e você é membro dele, mas mesmo assim ela não abre para você.%2</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in but has no serial port: the braille display service brltty has claimed it. Unless you use a braille display, run: sudo systemctl mask brltty-udev.service brltty.service (or sudo apt remove brltty), then unplug the cable and plug it in again.</source>
        <translation>O adaptador serial USB %1 está conectado, mas não tem porta serial: o serviço de linha braille brltty o tomou. A menos que use uma linha braille, execute: sudo systemctl mask brltty-udev.service brltty.service (ou sudo apt remove brltty), depois desconecte o cabo e conecte-o novamente.</translation>
    </message>
    <message>
        <source>No serial port is present for %1. Plug the cable in, or choose its port: %2</source>
        <translation>Nenhuma porta serial está presente para %1. Conecte o cabo ou escolha a porta dele: %2</translation>
    </message>
    <message>
        <source>The cable is unplugged: %1 is there only while it is plugged in. Plug it in and try again.</source>
        <translation>O cabo está desconectado: %1 só existe enquanto ele está conectado. Conecte-o e tente novamente.</translation>
    </message>
    <message>
        <source>There is no device %1. Plug the cable in, or choose its port: %2</source>
        <translation>Não existe o dispositivo %1. Conecte o cabo ou escolha a porta dele: %2</translation>
    </message>
    <message>
        <source>ModemManager (process %1) is probing %2 for a modem. Wait a few seconds and try again. To stop it for good, install the udev rule of the Debian package, or run: sudo systemctl stop ModemManager</source>
        <translation>O ModemManager (processo %1) está sondando %2 em busca de um modem. Aguarde alguns segundos e tente novamente. Para pará-lo de vez, instale a regra udev do pacote Debian ou execute: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3). Close that program and try again.</source>
        <translation>%1 está em uso por %2 (processo %3). Feche esse programa e tente novamente.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close it and try again.</source>
        <translation>%1 está em uso por outro programa. Feche-o e tente novamente.</translation>
    </message>
    <message>
        <source>There is no port %1: the cable is unplugged or its driver is not installed. Device Manager shows the cable under Ports (COM &amp; LPT) with its COM number when it is plugged in and its driver works. %2</source>
        <translation>Não existe a porta %1: o cabo está desconectado ou o driver dele não está instalado. O Gerenciador de Dispositivos mostra o cabo em Portas (COM e LPT) com o seu número COM quando ele está conectado e o driver funciona. %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program (Windows lets one program at a time open a port). Close it and try again.</source>
        <translation>%1 está em uso por outro programa (o Windows deixa só um programa por vez abrir uma porta). Feche-o e tente novamente.</translation>
    </message>
</context>
<context>
    <name>OwnMmsiGuardTexts</name>
    <message>
        <source>no MMSI at all</source>
        <translation>nenhum MMSI</translation>
    </message>
    <message>
        <source>The radio&apos;s own MMSI is %1; this write would change it to %2.

Many radios accept a new own MMSI only a few times; after that only a dealer can reset it.

Press OK to write anyway, Cancel to write nothing.</source>
        <translation>O MMSI próprio do rádio é %1; esta gravação o mudaria para %2.

Muitos rádios aceitam um novo MMSI próprio só poucas vezes; depois disso só um revendedor pode zerá-lo.

Pressione OK para gravar mesmo assim, Cancelar para não gravar nada.</translation>
    </message>
</context>
<context>
    <name>PortNamesTexts</name>
    <message>
        <source>no serial port present</source>
        <translation>nenhuma porta serial presente</translation>
    </message>
    <message>
        <source>%1 (not plugged in)</source>
        <translation>%1 (não conectado)</translation>
    </message>
</context>
<context>
    <name>PortSystemTexts</name>
    <message>
        <source>PORT is 1..4 (COM1..COM4 as the editor counts them) or a device path such as /dev/ttyUSB0
or /dev/serial/by-id/usb-...
</source>
        <translation>PORT é 1..4 (COM1..COM4 na contagem do editor) ou um caminho de dispositivo como /dev/ttyUSB0
ou /dev/serial/by-id/usb-...
</translation>
    </message>
    <message>
        <source>PORT is 1..4 (COM1..COM4) or any other COM port, such as COM7 for a USB cable
(quorlink-cli ports lists them).
</source>
        <translation>PORT é 1..4 (COM1..COM4) ou qualquer outra porta COM, como COM7 para um cabo USB
(quorlink-cli ports as lista).
</translation>
    </message>
</context>
<context>
    <name>PromptTexts</name>
    <message>
        <source>No help viewer</source>
        <translation>Nenhum visualizador de ajuda</translation>
    </message>
    <message>
        <source>No user guide</source>
        <translation>Nenhum guia do usuário</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Não é possível exibir o Conteúdo da Ajuda. Não há Ajuda associada a este projeto.</translation>
    </message>
</context>
<context>
    <name>QtSerialPortTexts</name>
    <message>
        <source>the port is in use by another program</source>
        <translation>a porta está em uso por outro programa</translation>
    </message>
    <message>
        <source>%1 is not a serial port (%2)</source>
        <translation>%1 não é uma porta serial (%2)</translation>
    </message>
    <message>
        <source>Another program is using the port and took the radio&apos;s answer (%1). Close it and try again.</source>
        <translation>Outro programa está usando a porta e tomou a resposta do rádio (%1). Feche-o e tente novamente.</translation>
    </message>
    <message>
        <source>The cable was unplugged: %1 went away (%2). Plug it in and try again.</source>
        <translation>O cabo foi desconectado: %1 sumiu (%2). Conecte-o e tente novamente.</translation>
    </message>
    <message>
        <source>The serial device went away (%1)</source>
        <translation>O dispositivo serial sumiu (%1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>(empty)</source>
        <translation>(vazio)</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>TX Ativado</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Só Baixa Potência</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Aumento de Potência</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Memória de Varredura</translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation>Memória VS</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Varredura</translation>
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
        <translation>Dimmer</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Fuso Horário</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Bipe das Teclas</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>Alerta WX</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Tipo de Varredura</translation>
    </message>
    <message>
        <source>Voice Scrambler</source>
        <translation>Embaralhador de Voz</translation>
    </message>
    <message>
        <source>True MAG</source>
        <translation>Verdadeiro/MAG</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Resposta Individual</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>ACK Individual</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Toque Individual</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>Resposta a Pedido de POS</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>Varredura DSC</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI do Usuário</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contagem</translation>
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
        <translation>%1 Canal A</translation>
    </message>
    <message>
        <source>%1 B-Ch</source>
        <translation>%1 Canal B</translation>
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
        <translation>ID Individual %1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>ID de Grupo %1</translation>
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
        <translation>%1 diferem; Programar no Rádio não os grava</translation>
    </message>
    <message>
        <source>%1 differs; Program to Radio does not write it</source>
        <translation>%1 difere; Programar no Rádio não o grava</translation>
    </message>
    <message>
        <source>%1 differ; the editor does not show them</source>
        <translation>%1 diferem; o editor não os mostra</translation>
    </message>
    <message>
        <source>%1 differs; the editor does not show it</source>
        <translation>%1 difere; o editor não o mostra</translation>
    </message>
    <message>
        <source>%1: %2 %3 -&gt; %4</source>
        <translation>%1: %2 %3 -&gt; %4</translation>
    </message>
    <message>
        <source>Radio Setup</source>
        <translation>Config. do Rádio</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>Config. DSC</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 diferença</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 diferenças</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>%1 CH%2 name</source>
        <translation>nome de %1 CH%2</translation>
    </message>
    <message>
        <source>%1 CH%2 settings</source>
        <translation>configurações de %1 CH%2</translation>
    </message>
    <message>
        <source>%1 slot %2 name</source>
        <translation>nome de %1 nº %2</translation>
    </message>
    <message>
        <source>%1 slot %2 settings</source>
        <translation>configurações de %1 nº %2</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>nome de %1</translation>
    </message>
    <message>
        <source>WX slot %1 name</source>
        <translation>nome de WX nº %1</translation>
    </message>
    <message>
        <source>EXP channel %1 name</source>
        <translation>nome do canal EXP %1</translation>
    </message>
    <message>
        <source>EXP channel %1 settings</source>
        <translation>configurações do canal EXP %1</translation>
    </message>
    <message>
        <source>%1 directory %2 MMSI</source>
        <translation>MMSI da entrada %2 da agenda %1</translation>
    </message>
    <message>
        <source>%1 directory %2 name</source>
        <translation>nome da entrada %2 da agenda %1</translation>
    </message>
    <message>
        <source>radio&apos;s own area</source>
        <translation>área própria do rádio</translation>
    </message>
    <message>
        <source>model code</source>
        <translation>código do modelo</translation>
    </message>
    <message>
        <source>ATIS switches</source>
        <translation>chaves ATIS</translation>
    </message>
    <message>
        <source>scan type, WX alert, dimmer, key beep, contrast</source>
        <translation>tipo de varredura, alerta WX, dimmer, bipe das teclas, contraste</translation>
    </message>
    <message>
        <source>true/magnetic, time offset</source>
        <translation>verdadeiro/magnético, fuso horário</translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation>configurações DSC</translation>
    </message>
    <message>
        <source>A/B channels</source>
        <translation>canais A/B</translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation>embaralhador</translation>
    </message>
    <message>
        <source>USA Enable bitmap</source>
        <translation>mapa de bits Ativado USA</translation>
    </message>
    <message>
        <source>INT Enable bitmap</source>
        <translation>mapa de bits Ativado INT</translation>
    </message>
    <message>
        <source>CAN Enable bitmap</source>
        <translation>mapa de bits Ativado CAN</translation>
    </message>
    <message>
        <source>WX Enable bitmap</source>
        <translation>mapa de bits Ativado WX</translation>
    </message>
    <message>
        <source>EXP Enable bitmap</source>
        <translation>mapa de bits Ativado EXP</translation>
    </message>
    <message>
        <source>USA Scan bitmap</source>
        <translation>mapa de bits Varredura USA</translation>
    </message>
    <message>
        <source>INT Scan bitmap</source>
        <translation>mapa de bits Varredura INT</translation>
    </message>
    <message>
        <source>CAN Scan bitmap</source>
        <translation>mapa de bits Varredura CAN</translation>
    </message>
    <message>
        <source>WX Scan bitmap</source>
        <translation>mapa de bits Varredura WX</translation>
    </message>
    <message>
        <source>EXP Scan bitmap</source>
        <translation>mapa de bits Varredura EXP</translation>
    </message>
    <message>
        <source>user MMSI</source>
        <translation>MMSI do usuário</translation>
    </message>
    <message>
        <source>user MMSI count</source>
        <translation>contagem do MMSI do usuário</translation>
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
        <translation>grupo</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>MID %1 is not allocated to any country</source>
        <translation>O MID %1 não está atribuído a nenhum país</translation>
    </message>
    <message>
        <source>Starts with 0: a group number, not a ship&apos;s own MMSI</source>
        <translation>Começa com 0: um número de grupo, não o MMSI próprio de um navio</translation>
    </message>
    <message>
        <source>Starts with 00: a coast station&apos;s number, not a ship&apos;s own MMSI</source>
        <translation>Começa com 00: o número de uma estação costeira, não o MMSI próprio de um navio</translation>
    </message>
    <message>
        <source>Starts with 99: an aid to navigation, not a ship&apos;s own MMSI</source>
        <translation>Começa com 99: um auxílio à navegação, não o MMSI próprio de um navio</translation>
    </message>
    <message>
        <source>Starts with 970: an AIS-SART, not a ship&apos;s own MMSI</source>
        <translation>Começa com 970: um AIS-SART, não o MMSI próprio de um navio</translation>
    </message>
    <message>
        <source>Starts with 972: a man-overboard device, not a ship&apos;s own MMSI</source>
        <translation>Começa com 972: um dispositivo de homem ao mar, não o MMSI próprio de um navio</translation>
    </message>
    <message>
        <source>Starts with 974: an EPIRB-AIS, not a ship&apos;s own MMSI</source>
        <translation>Começa com 974: um EPIRB-AIS, não o MMSI próprio de um navio</translation>
    </message>
    <message>
        <source>Group numbers start with 0 and a MID</source>
        <translation>Números de grupo começam com 0 e um MID</translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation>Estação de navio</translation>
    </message>
    <message>
        <source>Group of stations</source>
        <translation>Grupo de estações</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Estação costeira</translation>
    </message>
    <message>
        <source>Handheld with DSC</source>
        <translation>Portátil com DSC</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>Aeronave SAR</translation>
    </message>
    <message>
        <source>Aid to navigation</source>
        <translation>Auxílio à navegação</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Embarcação de um navio-mãe</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man-overboard device</source>
        <translation>Dispositivo de homem ao mar</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>Digits only</source>
        <translation>Só dígitos</translation>
    </message>
    <message>
        <source>%1 of %2 digits</source>
        <translation>%1 de %2 dígitos</translation>
    </message>
    <message>
        <source>Starts with %1: not a kind of MMSI in use</source>
        <translation>Começa com %1: não é um tipo de MMSI em uso</translation>
    </message>
    <message>
        <source>Starts with 0: a group number; it belongs in the group directory</source>
        <translation>Começa com 0: um número de grupo; ele pertence à agenda de grupos</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Nenhum)</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridade</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>15 times</source>
        <translation>15 vezes</translation>
    </message>
    <message>
        <source>10 times</source>
        <translation>10 vezes</translation>
    </message>
    <message>
        <source>5 times</source>
        <translation>5 vezes</translation>
    </message>
</context>
<context>
    <name>RecoverDialogTexts</name>
    <message>
        <source>Date and time</source>
        <translation>Data e hora</translation>
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
        <translation>MMSI do Usuário</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Nothing has been kept yet.</source>
        <translation>Nada foi guardado ainda.</translation>
    </message>
    <message>
        <source>Backups of transfers and copies of dropped edits, newest first:</source>
        <translation>Backups de transferências e cópias de edições descartadas, do mais novo ao mais antigo:</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>The report could not be printed.</source>
        <translation>O relatório não pôde ser impresso.</translation>
    </message>
</context>
<context>
    <name>ReportPdfTexts</name>
    <message>
        <source>Could not write %1</source>
        <translation>Não foi possível gravar %1</translation>
    </message>
</context>
<context>
    <name>SafetyCommands</name>
    <message>
        <source>Re&amp;cover...</source>
        <translation>Rec&amp;uperar...</translation>
    </message>
</context>
<context>
    <name>SerialLinkTexts</name>
    <message>
        <source>No serial port for %1</source>
        <translation>Nenhuma porta serial para %1</translation>
    </message>
    <message>
        <source>The serial port did not take the bytes</source>
        <translation>A porta serial não aceitou os bytes</translation>
    </message>
</context>
<context>
    <name>SettingsRows</name>
    <message>
        <source>Radio Setup</source>
        <translation>Config. do Rádio</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>Config. DSC</translation>
    </message>
    <message>
        <source>Contrast Level</source>
        <translation>Nível de Contraste</translation>
    </message>
    <message>
        <source>Dimmer Status</source>
        <translation>Nível do Dimmer</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Fuso Horário</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Bipe das Teclas</translation>
    </message>
    <message>
        <source>[On]</source>
        <translation>[Ligado]</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>Alerta WX</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Tipo de Varredura</translation>
    </message>
    <message>
        <source>Voice Scrambler</source>
        <translation>Embaralhador de Voz</translation>
    </message>
    <message>
        <source>True MAG</source>
        <translation>Verdadeiro/MAG</translation>
    </message>
    <message>
        <source>[Magnetic On]</source>
        <translation>[Magnético Ligado]</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Resposta Individual</translation>
    </message>
    <message>
        <source>[Auto]</source>
        <translation>[Auto]</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>ACK Individual</translation>
    </message>
    <message>
        <source>[Able to Comply]</source>
        <translation>[Pode Atender]</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Toque Individual</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>Resposta a Pedido de POS</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>Varredura DSC</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI do Usuário</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contagem</translation>
    </message>
</context>
<context>
    <name>StampedFileTexts</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>too many files in one second in %1</source>
        <translation>arquivos demais em um segundo em %1</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Porta Serial</translation>
    </message>
    <message>
        <source>&amp;Device...</source>
        <translation>&amp;Dispositivo...</translation>
    </message>
    <message>
        <source>&amp;Verify After Writing</source>
        <translation>&amp;Verificar Após Gravar</translation>
    </message>
    <message>
        <source>Show Changes Before &amp;Writing</source>
        <translation>Mostrar Alterações Antes de &amp;Gravar</translation>
    </message>
    <message>
        <source>Read from the radio on COM%1</source>
        <translation>Ler do rádio na COM%1</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Porta Serial</translation>
    </message>
    <message>
        <source>COM%1 now means %2.</source>
        <translation>COM%1 agora significa %2.</translation>
    </message>
    <message>
        <source>%1

Write without it?</source>
        <translation>%1

Gravar sem isso?</translation>
    </message>
</context>
<context>
    <name>TransferRunTexts</name>
    <message>
        <source>Complete!!</source>
        <translation>Concluído!!</translation>
    </message>
    <message>
        <source>
To put back what it held before, program
%1</source>
        <translation>
Para restaurar o que ele tinha antes, programe
%1</translation>
    </message>
    <message>
        <source>
What it held before this write was itself a partly written memory, left by an earlier write cut short (%1). </source>
        <translation>
O que ele tinha antes desta gravação já era uma memória gravada em parte, deixada por uma gravação anterior interrompida (%1). </translation>
    </message>
    <message>
        <source>No backup of it whole is kept.</source>
        <translation>Não há backup dela inteira.</translation>
    </message>
    <message>
        <source>To put back what it held when it was last whole, program
%1</source>
        <translation>Para restaurar o que ele tinha da última vez que estava inteira, programe
%1</translation>
    </message>
    <message>
        <source>program it again before use.</source>
        <translation>programe-o novamente antes de usar.</translation>
    </message>
    <message>
        <source>program it again before use, e.g. from the backup of this write,
%1</source>
        <translation>programe-o novamente antes de usar, p. ex. a partir do backup desta gravação,
%1</translation>
    </message>
    <message>
        <source>The write went through, but it was not verified: the radio may not hold what was written. Compare it with the data, or %1</source>
        <translation>A gravação foi feita, mas não foi verificada: o rádio pode não conter o que foi gravado. Compare-o com os dados, ou %1</translation>
    </message>
    <message>
        <source>The radio now holds a partly written memory: %1</source>
        <translation>O rádio agora contém uma memória gravada em parte: %1</translation>
    </message>
    <message>
        <source>Reading the radio</source>
        <translation>Lendo o rádio</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Gravando</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Ler do Rádio</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Apagar Dados</translation>
    </message>
</context>
<context>
    <name>TransferSafetyTexts</name>
    <message>
        <source>The backup of this read</source>
        <translation>O backup desta leitura</translation>
    </message>
    <message>
        <source>The before-write backup</source>
        <translation>O backup antes da gravação</translation>
    </message>
    <message>
        <source>The backup of this write</source>
        <translation>O backup desta gravação</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 não pôde ser salvo: %2</translation>
    </message>
    <message>
        <source>%1 could not be saved in %2: %3.

Without it, what the radio holds now is kept nowhere once it is written.</source>
        <translation>%1 não pôde ser salvo em %2: %3.

Sem ele, o que o rádio contém agora não fica guardado em lugar nenhum depois de gravado.</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Nada foi gravado.</translation>
    </message>
    <message>
        <source>How this write ended could not be noted beside its backups: %1</source>
        <translation>Não foi possível anotar junto aos backups como esta gravação terminou: %1</translation>
    </message>
</context>
<context>
    <name>WholeFileTexts</name>
    <message>
        <source>%1 was written over in place, as its folder cannot be written; its previous content is kept in %2</source>
        <translation>%1 foi sobrescrito no lugar, pois a pasta dele não pode ser gravada; o conteúdo anterior está guardado em %2</translation>
    </message>
</context>
<context>
    <name>WidgetPromptTexts</name>
    <message>
        <source>Stop Writing</source>
        <translation>Parar a Gravação</translation>
    </message>
    <message>
        <source>Keep Writing</source>
        <translation>Continuar Gravando</translation>
    </message>
    <message>
        <source>The user guide README.md is not installed.</source>
        <translation>O guia do usuário README.md não está instalado.</translation>
    </message>
    <message>
        <source>Help file %1 not found.</source>
        <translation>Arquivo de ajuda %1 não encontrado.</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>Nenhum programa está configurado para abrir %1.</translation>
    </message>
</context>
<context>
    <name>Win32SerialPortTexts</name>
    <message>
        <source>The cable was unplugged: %1 went away (%2). Plug it in and try again.</source>
        <translation>O cabo foi desconectado: %1 sumiu (%2). Conecte-o e tente novamente.</translation>
    </message>
</context>
<context>
    <name>WriteVerificationTexts</name>
    <message>
        <source>Verify Error!!
%1 byte in the radio is not what was written:</source>
        <translation>Erro de Verificação!!
%1 byte no rádio não é o que foi gravado:</translation>
    </message>
    <message>
        <source>Verify Error!!
%1 bytes in the radio are not what was written:</source>
        <translation>Erro de Verificação!!
%1 bytes no rádio não são o que foi gravado:</translation>
    </message>
    <message>
        <source>
and %1 more</source>
        <translation>
e mais %1</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Apagar Dados</translation>
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
        <translation>[Nenhum]</translation>
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
        <translation>Lê, edita e grava a memória
dos rádios MR7100A e MR5100A.
Conecte o cabo de programação antes
de ler ou programar um rádio.
Guarde uma cópia dos dados do rádio
num arquivo antes de programá-lo.
Use por sua conta e risco.</translation>
    </message>
    <message>
        <source>Version Infomation</source>
        <translation>Informações da Versão</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
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
        <translation>Número do Canal</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Frequência RX</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Frequência TX</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>TX Ativado</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Só Baixa Potência</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Aumento de Potência</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Memória de Varredura</translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation>Memória VS</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nome do CH</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a channel and what changed</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>position</source>
        <translation>posição</translation>
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
        <translation>BAIXA</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>ALTA</translation>
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
        <translation>ATIVO</translation>
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
        <translation>Nome do CH</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Ativado]</translation>
    </message>
</context>
<context>
    <name>quorlink::CompareWindow</name>
    <message>
        <source>%1 (the editor does not show them)</source>
        <translation>%1 (o editor não os mostra)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 diferença</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 diferenças</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar Com</translation>
    </message>
    <message>
        <source>Compare the editor&apos;s data with:</source>
        <translation>Comparar os dados do editor com:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Arquivo...</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Rádio</translation>
    </message>
    <message>
        <source>&amp;Last read of this radio</source>
        <translation>Ú&amp;ltima leitura deste rádio</translation>
    </message>
    <message>
        <source>No read of a radio with this model and user MMSI was kept.</source>
        <translation>Nenhuma leitura de um rádio com este modelo e MMSI do usuário foi guardada.</translation>
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
        <translation>Salvar &amp;Como...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Old: the radio    New: the editor&apos;s data</source>
        <translation>Antigo: o rádio    Novo: os dados do editor</translation>
    </message>
    <message>
        <source>The radio already holds these data.</source>
        <translation>O rádio já contém estes dados.</translation>
    </message>
    <message>
        <source>Program to Radio changes these in the radio: %1</source>
        <translation>Programar no Rádio altera isto no rádio: %1</translation>
    </message>
    <message>
        <source>Write &amp;Anyway</source>
        <translation>Gravar &amp;Mesmo Assim</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Gravar</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Antigo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>FileSave Error!!

%1</source>
        <translation>Erro ao Salvar Arquivo!!

%1</translation>
    </message>
</context>
<context>
    <name>quorlink::DirectoryEntryPage</name>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
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
        <translation>Adicionar %1</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Excluir %1</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>nome de %1</translation>
    </message>
</context>
<context>
    <name>quorlink::DirectoryListPage</name>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
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
        <translation>Cópia de Recuperação</translation>
    </message>
    <message>
        <source>The edits not yet saved could not be kept as a recovery copy:
%1

Press OK to go on and drop them, Cancel to keep them.</source>
        <translation>As edições ainda não salvas não puderam ser guardadas como cópia de recuperação:
%1

Pressione OK para continuar e descartá-las, Cancelar para mantê-las.</translation>
    </message>
</context>
<context>
    <name>quorlink::HelpWindow</name>
    <message>
        <source>Quorlink User Guide</source>
        <translation>Guia do Usuário do Quorlink</translation>
    </message>
</context>
<context>
    <name>quorlink::ListMessageBox</name>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Salvar Como...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Saves the whole list as a text file</source>
        <translation>Salva a lista inteira como arquivo de texto</translation>
    </message>
    <message>
        <source>Puts the whole list on the clipboard</source>
        <translation>Coloca a lista inteira na área de transferência</translation>
    </message>
    <message>
        <source>FileSave Error!!

%1</source>
        <translation>Erro ao Salvar Arquivo!!

%1</translation>
    </message>
    <message>
        <source>The whole list was saved as %1.</source>
        <translation>A lista inteira foi salva como %1.</translation>
    </message>
    <message>
        <source>The whole list is on the clipboard.</source>
        <translation>A lista inteira está na área de transferência.</translation>
    </message>
</context>
<context>
    <name>quorlink::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;Como...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Salvar como Pa&amp;drão</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Imprimir em Arqui&amp;vo</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Co&amp;mparar Com...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modelo</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transferir</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programar no Rádio</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Ler do Rádio</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About QOR Version</source>
        <translation>&amp;Sobre a Versão do QOR</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Salvar como Padrão</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programar no Rádio</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Ler do Rádio</translation>
    </message>
    <message>
        <source>Radio memory</source>
        <translation>Memória do rádio</translation>
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
        <translation>Criar novos dados QOR para %1?</translation>
    </message>
</context>
<context>
    <name>quorlink::MmsiField</name>
    <message>
        <source>A group MMSI has 8 digits after its leading 0.</source>
        <translation>Um MMSI de grupo tem 8 dígitos após o 0 inicial.</translation>
    </message>
    <message>
        <source>An MMSI has %1 digits.</source>
        <translation>Um MMSI tem %1 dígitos.</translation>
    </message>
    <message>
        <source>Data Error!!

%1</source>
        <translation>Erro de Dados!!

%1</translation>
    </message>
</context>
<context>
    <name>quorlink::PortDialog</name>
    <message>
        <source>Serial Port</source>
        <translation>Porta Serial</translation>
    </message>
    <message>
        <source>Serial ports present now (the list follows cables plugged in or out):</source>
        <translation>Portas seriais presentes agora (a lista acompanha os cabos conectados ou desconectados):</translation>
    </message>
    <message>
        <source>&amp;Find my cable</source>
        <translation>&amp;Localizar meu cabo</translation>
    </message>
    <message>
        <source>Device for COM%1 (left empty, COM%1 follows the list above):</source>
        <translation>Dispositivo para COM%1 (se vazio, COM%1 segue a lista acima):</translation>
    </message>
    <message>
        <source>Unplug the programming cable from the computer, then press OK.</source>
        <translation>Desconecte o cabo de programação do computador e pressione OK.</translation>
    </message>
    <message>
        <source>Plug the cable in again, wait two seconds, then press OK.</source>
        <translation>Conecte o cabo novamente, aguarde dois segundos e pressione OK.</translation>
    </message>
    <message>
        <source>Your cable is %1 %2. Press OK to use it for COM%3.</source>
        <translation>Seu cabo é %1 %2. Pressione OK para usá-lo como COM%3.</translation>
    </message>
    <message>
        <source>No port appeared. Plug the cable in firmly, or try another USB socket; quorlink-cli doctor says what stops a port.</source>
        <translation>Nenhuma porta apareceu. Conecte bem o cabo ou tente outra entrada USB; quorlink-cli doctor diz o que impede uma porta.</translation>
    </message>
    <message>
        <source>Several ports appeared (%1). Unplug the other adapters and try again, or choose your cable from the list.</source>
        <translation>Várias portas apareceram (%1). Desconecte os outros adaptadores e tente novamente, ou escolha o seu cabo na lista.</translation>
    </message>
</context>
<context>
    <name>quorlink::ReportWindow</name>
    <message>
        <source>Print to File</source>
        <translation>Imprimir em Arquivo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salvar Como...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Text report</source>
        <translation>Relatório em texto</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Criando a imagem em texto. Aguarde...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text files(*.txt)|*.txt|All files(*.*)|*.*</source>
        <translation>Arquivos de texto(*.txt)|*.txt|Todos os arquivos(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>quorlink::SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Apagar</translation>
    </message>
</context>
<context>
    <name>quorlink::TransferDialog</name>
    <message>
        <source>Read from Radio</source>
        <translation>Ler do Rádio</translation>
    </message>
    <message>
        <source>1.Connect the QOR Cable.</source>
        <translation>1.Conecte o Cabo QOR.</translation>
    </message>
    <message>
        <source>2.Communication starts when you select [OK].</source>
        <translation>2.A comunicação começa quando você seleciona [OK].</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Progresso da transferência</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Status da transferência</translation>
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
        <translation>Aguardando o rádio em %1...</translation>
    </message>
    <message>
        <source>Stop writing? The radio will hold a partly written memory.</source>
        <translation>Parar a gravação? O rádio ficará com uma memória gravada em parte.</translation>
    </message>
</context>
<context>
    <name>quorlink::WxPage</name>
    <message>
        <source>%1 %2</source>
        <comment>a weather channel and what changed</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Varredura</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nome do CH</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
</context>
</TS>
