// SPDX-License-Identifier: GPL-3.0-or-later
#include "directory_csv.h"

#include "codecs.h"
#include "csv_records.h"
#include "file_fault.h"
#include "latin1.h"
#include "mmsi.h"
#include "model.h"
#include "record_movers.h"
#include "terminal_text.h"
#include "whole_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace quorlink {

namespace {

constexpr qint64 kLargestList = 1 << 20;
const char* const kHeader[] = {"kind", "mmsi", "name"};
const char kSeparators[] = {',', ';', '\t'};
// What a spreadsheet would run as a formula when it opens the list.
const QString kFormulaStarts = QStringLiteral("=+-@");
// Kept inside the cell, it makes a spreadsheet show the rest as text.
constexpr QChar kTextMark = QLatin1Char('\'');

// Windows-1252 where it differs from Latin-1; the five codes it leaves
// free stay as they are.
const char16_t kWindows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct DirectoryCsvTexts {
    Q_DECLARE_TR_FUNCTIONS(DirectoryCsvTexts)
};

struct KindName {
    DirectoryKind kind;
    const char* csv;   // the kind column
    const char* text;  // in reports, translated when shown
};
const KindName kKinds[] = {
    {DirectoryKind::Individual, "individual", QT_TRANSLATE_NOOP("DirectoryCsvTexts", "individual directory")},
    {DirectoryKind::Group, "group", QT_TRANSLATE_NOOP("DirectoryCsvTexts", "group directory")}};

QString ListName(const KindName& kind) { return QCoreApplication::translate("DirectoryCsvTexts", kind.text); }

QString Field(const std::string& utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).trimmed(); }

// Letters that do not come apart into a base letter and a mark.
QString Spelled(QChar c)
{
    switch (c.toUpper().unicode()) {
    case 0x00DF: case 0x1E9E: return QStringLiteral("SS");
    case 0x00C6: return QStringLiteral("AE");
    case 0x0152: return QStringLiteral("OE");
    case 0x00D8: return QStringLiteral("O");
    case 0x0110: case 0x00D0: return QStringLiteral("D");
    case 0x0141: return QStringLiteral("L");
    case 0x00DE: return QStringLiteral("TH");
    default: return QString(c.toUpper());
    }
}

// The number as the entry page would take it.
std::optional<std::string> StoredNumber(DirectoryKind kind, const QString& number)
{
    return StoredDirectoryMmsi(kind, ToStdString(number));
}

bool IsHeader(const CsvRecord& record)
{
    if (record.fields.size() < 3)
        return false;
    for (int i = 0; i < 3; ++i)
        if (Field(record.fields[static_cast<std::size_t>(i)]).toLower() != QLatin1String(kHeader[i]))
            return false;
    return true;
}

bool IsDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// How a list begins: the separator of its first line that is not blank,
// and whether that line is a header.
struct ListStart {
    char separator;
    bool header;
};

// A first line whose MMSI field is digits is a row: the list has no header.
// Any other first line of three fields is a header, whatever its words
// ("Typ;MMSI;Name"); "kind,mmsi,name" decides the separator first. None when
// the line has fewer than three fields under every separator.
std::optional<ListStart> ReadListStart(std::string_view text)
{
    const std::size_t start = std::min(text.find_first_not_of("\r\n"), text.size());
    const std::string_view first = text.substr(start, text.find('\n', start) - start);
    std::optional<ListStart> otherWords;
    for (char separator : kSeparators) {
        const std::vector<CsvRecord> line = ParseCsv(first, false, separator);
        if (line.empty() || line.front().fields.size() < 3)
            continue;
        if (IsHeader(line.front()))
            return ListStart{separator, true};
        if (IsDigits(Field(line.front().fields[1])))
            return ListStart{separator, false};
        if (!otherWords)
            otherWords = ListStart{separator, true};
    }
    return otherWords;
}

// "1 row", "2 rows": one and many are marked in DirectoryCsvTexts.
QString Counted(int count, const char* one, const char* many)
{
    return QCoreApplication::translate("DirectoryCsvTexts", count == 1 ? one : many).arg(count);
}

// The list as UTF-8: as it should be, else as Windows spreadsheets save
// "CSV" by default.
QByteArray AsUtf8(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);  // the mark some spreadsheets put before UTF-8
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);
    if (!utf8.hasError())
        return bytes;
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252[byte - 0x80]) : QChar(byte);
    }
    return text.toUtf8();
}

QString MarkedAsText(const QString& name)
{
    return !name.isEmpty() && kFormulaStarts.contains(name[0]) ? kTextMark + name : name;
}

// Takes off exactly the mark MarkedAsText adds, so a list goes out and
// comes back unchanged.
QString Unmarked(const QString& name)
{
    return name.size() > 1 && name[0] == kTextMark && kFormulaStarts.contains(name[1]) ? name.mid(1) : name;
}

class Importer {
public:
    Importer(Model& model, DirectoryImport& result) : model_(model), result_(result) {}

    void Row(const CsvRecord& record)
    {
        line_ = record.line;
        const std::vector<std::string>& f = record.fields;
        if (record.unclosed)
            return Report(RowProblem::BadRow, DirectoryCsvTexts::tr("a quote is opened and never closed"));
        NoteExtraColumns(record);
        if (f.size() < 3)
            return Report(RowProblem::BadRow, DirectoryCsvTexts::tr("not the three fields kind,mmsi,name"));
        const QString kindText = Field(f[0]).toLower();
        const KindName* kind = nullptr;
        for (const KindName& k : kKinds)
            if (kindText == QLatin1String(k.csv))
                kind = &k;
        if (kind == nullptr)
            return Report(RowProblem::BadKind,
                          DirectoryCsvTexts::tr("kind \"%1\" is neither individual nor group").arg(kindText));
        const QString number = Field(f[1]);
        const std::optional<std::string> stored = StoredNumber(kind->kind, number);
        if (!stored)
            return Report(RowProblem::BadNumber, DirectoryCsvTexts::tr("\"%1\" is not a valid MMSI for the %2")
                                                     .arg(number, ListName(*kind)));
        Directory& directory = model_.DirectoryOf(kind->kind);
        const int used = CountUsedEntries(directory);
        for (int i = 1; i <= used; ++i)
            if (directory.at(i).Mmsid == *stored)
                return Report(RowProblem::Duplicate, DirectoryCsvTexts::tr("%1 is already entry %2 of the %3")
                                                         .arg(number).arg(i).arg(ListName(*kind)));
        if (used == directory.size())
            return Report(RowProblem::ListFull, DirectoryCsvTexts::tr("the %1 is full, %2 not added")
                                                    .arg(ListName(*kind), number));
        const QString given = Unmarked(Field(f[2]));
        const QString folded = FoldName(given);
        const QString name = folded.left(kDirectoryNameLength).trimmed();
        directory.at(used + 1) = DirectoryEntry{true, ToStdString(name), *stored};
        ++result_.added;
        // The name box upper-cases as one types; any other change is news.
        if (folded != given.toUpper())
            Report(RowProblem::NameChanged, DirectoryCsvTexts::tr("name \"%1\" taken as \"%2\"").arg(given, name));
        else if (name != folded)
            Report(RowProblem::NameCut,
                   DirectoryCsvTexts::tr("name \"%1\" cut to \"%2\" (at most 10 characters)").arg(folded, name));
    }

    // Notes and the like beside the three columns are left out, said once.
    void NoteExtraColumns(const CsvRecord& record)
    {
        if (record.fields.size() <= 3 || extraNoted_)
            return;
        extraNoted_ = true;
        result_.rows.push_back({record.line, RowProblem::ExtraColumns,
                                DirectoryCsvTexts::tr("columns after kind,mmsi,name are ignored, here and below")});
    }

private:
    void Report(RowProblem problem, const QString& text) { result_.rows.push_back({line_, problem, text}); }

    Model& model_;
    DirectoryImport& result_;
    int line_ = 0;
    bool extraNoted_ = false;
};

}  // namespace

QString FoldName(const QString& name)
{
    QString folded;
    for (QChar c : name.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark())
            continue;  // the accent of a letter that came apart
        for (QChar s : Spelled(c)) {
            const bool fits = s.unicode() < 128 && IsNameChar(static_cast<char>(s.unicode()));
            folded += fits ? s : QLatin1Char(' ');
        }
    }
    return folded.simplified();
}

QByteArray FormatDirectoryCsv(const Model& model)
{
    QByteArray csv = "kind,mmsi,name\r\n";
    for (const KindName& kind : kKinds) {
        const Directory& directory = model.DirectoryOf(kind.kind);
        for (int i = 1; i <= CountUsedEntries(directory); ++i) {
            const DirectoryEntry& entry = directory.at(i);
            const std::string number = ShownMmsi(entry.Mmsid);
            csv += QByteArray(kind.csv) + ',' + QByteArray::fromStdString(CsvField(number)) + ',' +
                   QByteArray::fromStdString(CsvField(MarkedAsText(ToQString(entry.TagName)).toUtf8().toStdString())) + "\r\n";
        }
    }
    return csv;
}

Fault ImportDirectoryCsv(Model& model, const QByteArray& csv, DirectoryImport& result)
{
    result = {};
    const QByteArray text = AsUtf8(csv);
    const std::string_view view(text.constData(), std::size_t(text.size()));
    const std::optional<ListStart> start = ReadListStart(view);
    if (!start)
        return Fault{13, DirectoryCsvTexts::tr("Not a directory list: its first line does not hold the three fields "
                                               "kind, MMSI and name").toStdString()};
    const std::vector<CsvRecord> records = ParseCsv(view, false, start->separator);
    Importer importer(model, result);
    if (start->header)
        importer.NoteExtraColumns(records.front());
    for (std::size_t i = start->header ? 1 : 0; i < records.size(); ++i)
        importer.Row(records[i]);
    return {};
}

QString DescribeRow(const RowReport& row)
{
    return DirectoryCsvTexts::tr("line %1: %2").arg(row.line).arg(EscapeControlsOnOneLine(row.detail));
}

bool IsRefused(RowProblem problem)
{
    return problem != RowProblem::NameCut && problem != RowProblem::NameChanged &&
           problem != RowProblem::ExtraColumns;
}

QString AddedText(const DirectoryImport& result)
{
    return result.added == 0 ? DirectoryCsvTexts::tr("No entries added")
                             : Counted(result.added, QT_TRANSLATE_NOOP("DirectoryCsvTexts", "%1 entry added"),
                                       QT_TRANSLATE_NOOP("DirectoryCsvTexts", "%1 entries added"));
}

QString ReportCounts(const DirectoryImport& result)
{
    const auto count = [&](auto take) {
        return int(std::count_if(result.rows.begin(), result.rows.end(), [&](const RowReport& row) { return take(row.problem); }));
    };
    const int refused = count(IsRefused);
    const int changed = count([](RowProblem problem) { return problem == RowProblem::NameChanged; });
    const int cut = count([](RowProblem problem) { return problem == RowProblem::NameCut; });
    QStringList counts;
    if (refused > 0)
        counts << Counted(refused, QT_TRANSLATE_NOOP("DirectoryCsvTexts", "%1 row refused"),
                          QT_TRANSLATE_NOOP("DirectoryCsvTexts", "%1 rows refused"));
    if (changed > 0)
        counts << Counted(changed, QT_TRANSLATE_NOOP("DirectoryCsvTexts", "%1 name changed"),
                          QT_TRANSLATE_NOOP("DirectoryCsvTexts", "%1 names changed"));
    if (cut > 0)
        counts << Counted(cut, QT_TRANSLATE_NOOP("DirectoryCsvTexts", "%1 name cut"),
                          QT_TRANSLATE_NOOP("DirectoryCsvTexts", "%1 names cut"));
    return counts.join(QStringLiteral(", "));
}

Fault ImportDirectoryFile(Model& model, const QString& path, DirectoryImport& result)
{
    result = {};
    QFile file;
    if (Fault fault = OpenRegularFile(file, path))
        return fault;
    const QByteArray bytes = file.read(kLargestList + 1);
    if (file.error() != QFileDevice::NoError)
        return FileFault(file.error(), file.errorString(), path);
    if (bytes.size() > kLargestList)
        return FileFault(QFileDevice::ReadError, DirectoryCsvTexts::tr("Too large for a directory list"), path);
    return ImportDirectoryCsv(model, bytes, result);
}

Fault ExportDirectoryFile(const Model& model, const QString& path)
{
    return WriteWholeFile(path, FormatDirectoryCsv(model));
}

}  // namespace quorlink
