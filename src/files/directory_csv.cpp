// SPDX-License-Identifier: GPL-3.0-or-later
#include "directory_csv.h"

#include "codecs.h"
#include "csv_records.h"
#include "file_fault.h"
#include "latin1.h"
#include "mmsi.h"
#include "model.h"
#include "record_movers.h"
#include "whole_file.h"

#include <QFile>
#include <QFileInfo>

namespace quorlink {

namespace {

constexpr qint64 kLargestList = 1 << 20;
constexpr int kGroupTyped = 8;
const char* const kHeader[] = {"kind", "mmsi", "name"};

struct KindName {
    DirectoryKind kind;
    const char* csv;   // the kind column
    const char* text;  // in reports
};
const KindName kKinds[] = {{DirectoryKind::Individual, "individual", "individual directory"},
                           {DirectoryKind::Group, "group", "group directory"}};

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

// The number as the entry page would take it: nine digits, and for a group
// also the eight digits after the fixed 0, as spreadsheets that drop a
// leading zero leave them.
std::optional<std::string> StoredNumber(DirectoryKind kind, const QString& number)
{
    const QString nine =
        kind == DirectoryKind::Group && number.size() == kGroupTyped ? QLatin1Char('0') + number : number;
    return StoredDirectoryMmsi(kind, ToStdString(nine));
}

class Importer {
public:
    Importer(Model& model, DirectoryImport& result) : model_(model), result_(result) {}

    void Row(const CsvRecord& record)
    {
        line_ = record.line;
        const std::vector<std::string>& f = record.fields;
        if (f.size() < 2 || f.size() > 3)
            return Report(RowProblem::BadRow, QStringLiteral("not the three fields kind,mmsi,name"));
        const QString kindText = Field(f[0]).toLower();
        const KindName* kind = nullptr;
        for (const KindName& k : kKinds)
            if (kindText == QLatin1String(k.csv))
                kind = &k;
        if (kind == nullptr)
            return Report(RowProblem::BadKind,
                          QStringLiteral("kind \"%1\" is neither individual nor group").arg(kindText));
        const QString number = Field(f[1]);
        const std::optional<std::string> stored = StoredNumber(kind->kind, number);
        if (!stored)
            return Report(RowProblem::BadNumber, QStringLiteral("\"%1\" is not a valid MMSI for the %2")
                                                     .arg(number, QLatin1String(kind->text)));
        Directory& directory = model_.DirectoryOf(kind->kind);
        const int used = CountUsedEntries(directory);
        for (int i = 1; i <= used; ++i)
            if (directory.at(i).Mmsid == *stored)
                return Report(RowProblem::Duplicate, QStringLiteral("%1 is already entry %2 of the %3")
                                                         .arg(number).arg(i).arg(QLatin1String(kind->text)));
        if (used == directory.size())
            return Report(RowProblem::ListFull, QStringLiteral("the %1 is full, %2 not added")
                                                    .arg(QLatin1String(kind->text), number));
        const QString folded = FoldName(f.size() > 2 ? Field(f[2]) : QString());
        const QString name = folded.left(kDirectoryNameLength).trimmed();
        directory.at(used + 1) = DirectoryEntry{true, ToStdString(name), *stored};
        ++result_.added;
        if (name != folded)
            Report(RowProblem::NameCut,
                   QStringLiteral("name \"%1\" cut to \"%2\" (at most 10 characters)").arg(folded, name));
    }

private:
    void Report(RowProblem problem, const QString& text) { result_.rows.push_back({line_, problem, text}); }

    Model& model_;
    DirectoryImport& result_;
    int line_ = 0;
};

bool IsHeader(const CsvRecord& record)
{
    if (record.fields.size() != 3)
        return false;
    for (int i = 0; i < 3; ++i)
        if (Field(record.fields[static_cast<std::size_t>(i)]).toLower() != QLatin1String(kHeader[i]))
            return false;
    return true;
}

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
            // Stored with a tenth digit the radio ignores; the list shows the nine that count.
            const std::string number = entry.Mmsid.size() == 10 ? entry.Mmsid.substr(0, 9) : entry.Mmsid;
            csv += QByteArray(kind.csv) + ',' + QByteArray::fromStdString(CsvField(number)) + ',' +
                   QByteArray::fromStdString(CsvField(ToQString(entry.TagName).toUtf8().toStdString())) + "\r\n";
        }
    }
    return csv;
}

Fault ImportDirectoryCsv(Model& model, const QByteArray& csv, DirectoryImport& result)
{
    result = {};
    QByteArray text = csv;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);  // the mark some spreadsheets put before UTF-8
    const std::vector<CsvRecord> records = ParseCsv(std::string_view(text.constData(), std::size_t(text.size())));
    if (records.empty() || !IsHeader(records.front()))
        return Fault{13, "Not a directory list: its first line must be kind,mmsi,name"};
    Importer importer(model, result);
    for (std::size_t i = 1; i < records.size(); ++i)
        importer.Row(records[i]);
    return {};
}

QString DescribeRow(const RowReport& row) { return QStringLiteral("line %1: %2").arg(row.line).arg(row.detail); }

Fault ImportDirectoryFile(Model& model, const QString& path, DirectoryImport& result)
{
    result = {};
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return FileFault(QFileDevice::OpenError, QStringLiteral("Not a regular file"), path);
    if (info.size() > kLargestList)
        return FileFault(QFileDevice::ReadError, QStringLiteral("Too large for a directory list"), path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileFault(file);
    const QByteArray bytes = file.read(kLargestList + 1);
    if (file.error() != QFileDevice::NoError)
        return FileFault(file);
    return ImportDirectoryCsv(model, bytes, result);
}

Fault ExportDirectoryFile(const Model& model, const QString& path)
{
    return WriteWholeFile(path, FormatDirectoryCsv(model));
}

}  // namespace quorlink
