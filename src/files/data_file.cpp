// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_file.h"

#include "file_fault.h"
#include "ini_reader.h"
#include "latin1.h"
#include "model.h"
#include "value_conversion.h"
#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <variant>

namespace quorlink {

namespace {

constexpr const char* kAtisVariant = "RV48E";

bool HasAtis(const Model& model) { return model.VariantCode == kAtisVariant; }

// One group of channel sections: its name prefix and the index of its first record.
enum class ChannelGroupId { Usa, Int, Can, Wx, Exp };
struct ChannelGroup {
    ChannelGroupId id;
    const char* prefix;
    int firstIndex;
    bool wx() const { return id == ChannelGroupId::Wx; }  // Enable, ScanMemory, ChTag only
};

const ChannelGroup kChannelGroups[] = {
    {ChannelGroupId::Usa, "CHUSA", 0}, {ChannelGroupId::Int, "CHINT", 0},
    {ChannelGroupId::Can, "CHCAN", 0}, {ChannelGroupId::Wx, "CHWX", 0},
    {ChannelGroupId::Exp, "CHEXP", 1},
};

template <class M>  // Model or const Model
auto& RecordsOf(M& model, ChannelGroupId id)
{
    switch (id) {
    case ChannelGroupId::Usa: return model.UsaChannels;
    case ChannelGroupId::Int: return model.IntChannels;
    case ChannelGroupId::Can: return model.CanChannels;
    case ChannelGroupId::Wx: return model.WxChannels;
    case ChannelGroupId::Exp: break;
    }
    return model.ExpChannels.items();
}

struct DirectoryGroup {
    const char* prefix;
    DirectoryKind kind;
};
const DirectoryGroup kDirectoryGroups[] = {{"CHMMSID", DirectoryKind::Individual},
                                           {"CHGRPID", DirectoryKind::Group}};

// How a value differs from the plain form of its type (numbers in decimal,
// flags as 1 or 0, text after a "#").
enum class Form {
    Plain,
    Offset,  // the file holds the stored number minus 24
    Bare,    // text without the "#"
};

// Which sections of a kind hold a key.
enum class Holder { Always, AtisVariant, NotWx };

struct SectionKind {
    bool atis = false;
    bool wx = false;
    bool Holds(Holder holder) const
    {
        return holder == Holder::Always || (holder == Holder::AtisVariant && atis) ||
               (holder == Holder::NotWx && !wx);
    }
};

// One key of a record's section, in writing order. The reader looks each key
// up by name without regard to case, so "TrueMAG" in a file is TrueMag.
template <class R>
struct Field {
    const char* key;
    std::variant<std::int16_t R::*, bool R::*, std::string R::*> member;
    Form form = Form::Plain;
    Holder holder = Holder::Always;
};

using S = CommonSettings;
const Field<S> kSettingsFields[] = {
    {"Contrast", &S::Contrast},
    {"Dimmer", &S::Dimmer},
    {"Scrambler", &S::Scrambler},
    {"KeyBeep", &S::KeyBeep},
    {"TrueMag", &S::TrueMag},
    {"AtisOnOffUSA", &S::AtisOnOffUSA, Form::Plain, Holder::AtisVariant},
    {"AtisOnOffInternational", &S::AtisOnOffInternational, Form::Plain, Holder::AtisVariant},
    {"AtisOnOffCanada", &S::AtisOnOffCanada, Form::Plain, Holder::AtisVariant},
    {"AtisNo", &S::AtisNo, Form::Plain, Holder::AtisVariant},
    {"ScanType", &S::ScanType},
    {"Ind", &S::Ind},
    {"IndReply", &S::IndReply},
    {"IndACK", &S::IndACK},
    {"POSRR", &S::POSRR},
    {"DscScan", &S::DscScan},
    {"WxAlert", &S::WxAlert},
    {"OffsetTime", &S::OffsetTime, Form::Offset},
    {"UserMmsid", &S::UserMmsid},
};

using C = ChannelRecord;
const Field<C> kChannelFields[] = {
    {"Position", &C::Position, Form::Plain, Holder::NotWx},
    {"Enable", &C::Enable},
    {"LowPower", &C::LowPower, Form::Plain, Holder::NotWx},
    {"PowUp", &C::PowUp, Form::Plain, Holder::NotWx},
    {"Duplex", &C::Duplex, Form::Plain, Holder::NotWx},
    {"TxEnable", &C::TxEnable, Form::Plain, Holder::NotWx},
    {"DispayA", &C::DispayA, Form::Plain, Holder::NotWx},
    {"ScanMemory", &C::ScanMemory},
    {"VsMemory", &C::VsMemory, Form::Plain, Holder::NotWx},
    {"ChTag", &C::ChTag},
};

using D = DirectoryEntry;
const Field<D> kDirectoryFields[] = {
    {"Enable", &D::Enable},
    {"TagName", &D::TagName},
    {"Mmsid", &D::Mmsid, Form::Bare},
};

constexpr int kOffsetInFile = 24;

// Calls take(field, member pointer) for each field that sections of this kind hold.
template <class R, std::size_t N, class Take>
void ForFields(const Field<R> (&fields)[N], SectionKind kind, Take take)
{
    for (const Field<R>& field : fields)
        if (kind.Holds(field.holder))
            std::visit([&](auto member) { take(field, member); }, field.member);
}

// Builds the file line by line.
class Writer {
public:
    void Section(const QByteArray& name) { Line("[" + name + "]"); }
    void Number(const char* key, int value) { Line(QByteArray(key) + "=" + QByteArray::number(value)); }
    void Text(const char* key, const std::string& value)
    {
        Line(QByteArray(key) + "=#" + QByteArray::fromStdString(value));
    }
    void Value(const char* key, std::int16_t value, Form form)
    {
        Number(key, form == Form::Offset ? value - kOffsetInFile : value);
    }
    void Value(const char* key, bool value, Form) { Line(QByteArray(key) + "=" + (value ? "1" : "0")); }
    void Value(const char* key, const std::string& value, Form form)
    {
        if (form == Form::Bare)
            Line(QByteArray(key) + "=" + QByteArray::fromStdString(value));
        else
            Text(key, value);
    }
    template <class R, std::size_t N>
    void Record(const Field<R> (&fields)[N], const R& record, SectionKind kind = {})
    {
        ForFields(fields, kind, [&](const Field<R>& f, auto member) { Value(f.key, record.*member, f.form); });
    }
    QByteArray bytes;

private:
    void Line(const QByteArray& line) { bytes += line + "\r\n"; }
};

// Reads one key into a field, leaving the field alone when the text does not convert.
class Reader {
public:
    Reader(const IniLookup& file, QByteArray section) : file_(file), section_(std::move(section)) {}
    QString Raw(const char* key) const { return ReadIniValue(file_, section_, key); }
    void Value(const char* key, std::int16_t& field, Form form) const
    {
        Set(field, form == Form::Offset ? OffsetTimeFromFile(Raw(key)) : ToShort(Raw(key)));
    }
    void Value(const char* key, bool& field, Form) const { Set(field, ToFlag(Raw(key))); }
    void Value(const char* key, std::string& field, Form) const { field = ToStdString(Raw(key)); }
    template <class R, std::size_t N>
    void Record(const Field<R> (&fields)[N], R& record, SectionKind kind = {}) const
    {
        ForFields(fields, kind, [&](const Field<R>& f, auto member) { Value(f.key, record.*member, f.form); });
    }

private:
    template <class T>
    static void Set(T& field, const std::optional<T>& value)
    {
        if (value)
            field = *value;
    }
    const IniLookup& file_;
    QByteArray section_;
};

QByteArray Numbered(const char* prefix, int index) { return QByteArray(prefix) + QByteArray::number(index); }

bool IsDataFileSection(const QByteArray& lowerName)
{
    if (lowerName == "setcom" || lowerName == "chcom")
        return true;
    for (const char* prefix : {"chusa", "chint", "chcan", "chwx", "chexp", "chmmsid", "chgrpid"})
        if (lowerName.startsWith(prefix))
            return true;
    return false;
}

Outcome Save(Model& model, const QString& path, const FileContext& context, DataFileScope scope,
             const char* source)
{
    Outcome saved = SaveWholeFile(context, path, FormatDataFile(model, scope));
    Pause(context.pauseMs);
    return EndFileCommand(model, context, std::move(saved), source,
                          QT_TRANSLATE_NOOP("FileContextTexts", "FileSave Error!!"));
}

// A file holding none of the sections ApplyDataFile reads is something else
// (an empty file, a picture, UTF-16 text); taken as a data file it would
// blank every name and MMSI.
Fault ReadDataFile(QFile& file, const QString& path, IniLookup& lookup)
{
    if (Fault fault = OpenRegularFile(file, path))
        return fault;
    if (!lookup.Load(file, IsDataFileSection))
        return FileFault(file.error(), file.errorString(), path);
    if (lookup.IsEmpty())
        return FileFault(QFileDevice::ReadError,
                         QLatin1String(QT_TRANSLATE_NOOP("FileFaultTexts", "no data-file sections found")), path);
    return {};
}

}  // namespace

QByteArray FormatDataFile(const Model& model, DataFileScope scope)
{
    Writer w;
    w.Section("MAIN");
    w.Text("MODEL", model.ModelName());
    w.Text("TYPE", "QOR");
    w.Text("VERSION", "1.00");
    w.Number("MODELTYPE", 0);
    w.Section("SETCOM");
    w.Record(kSettingsFields, model.Settings, SectionKind{HasAtis(model), false});
    w.Section("CHCOM");
    for (int i = 0; i < SpecialChannels::kCount; ++i)
        w.Number(SpecialChannels::kKeys[i], model.Special.values[static_cast<std::size_t>(i)]);
    if (scope == DataFileScope::DefaultOnly)
        return w.bytes;

    for (const ChannelGroup& group : kChannelGroups) {
        const ChannelList& list = RecordsOf(model, group.id);
        for (std::size_t i = 0; i < list.size(); ++i) {
            w.Section(Numbered(group.prefix, group.firstIndex + static_cast<int>(i)));
            w.Record(kChannelFields, list[i], SectionKind{false, group.wx()});
        }
    }
    for (const DirectoryGroup& group : kDirectoryGroups) {
        const Directory& directory = model.DirectoryOf(group.kind);
        for (int i = 1; i <= directory.size(); ++i) {
            w.Section(Numbered(group.prefix, i));
            w.Record(kDirectoryFields, directory.at(i));
        }
    }
    return w.bytes;
}

void ApplyDataFile(const IniLookup& file, Model& model)
{
    Reader(file, "SETCOM").Record(kSettingsFields, model.Settings, SectionKind{HasAtis(model), false});
    const Reader special(file, "CHCOM");
    for (int i = 0; i < SpecialChannels::kCount; ++i)
        special.Value(SpecialChannels::kKeys[i], model.Special.values[static_cast<std::size_t>(i)], Form::Plain);
    for (const ChannelGroup& group : kChannelGroups) {
        ChannelList& list = RecordsOf(model, group.id);
        for (std::size_t i = 0; i < list.size(); ++i)
            Reader(file, Numbered(group.prefix, group.firstIndex + static_cast<int>(i)))
                .Record(kChannelFields, list[i], SectionKind{false, group.wx()});
    }
    for (const DirectoryGroup& group : kDirectoryGroups) {
        Directory& directory = model.DirectoryOf(group.kind);
        for (int i = 1; i <= directory.size(); ++i)
            Reader(file, Numbered(group.prefix, i)).Record(kDirectoryFields, directory.at(i));
    }
}

Outcome SaveFileAs(Model& model, const QString& path, const FileContext& context)
{
    return Save(model, path, context, DataFileScope::Whole, "frmMain.SaveFileAs");
}

Outcome SaveFileAsDefault(Model& model, const QString& path, const FileContext& context)
{
    return Save(model, path, context, DataFileScope::DefaultOnly, "frmMain.SaveFileAsDefault");
}

Outcome FileRead2(Model& model, const QString& path, const FileContext& context)
{
    Fault fault;
    {
        QFile file;
        IniLookup lookup;
        fault = ReadDataFile(file, path, lookup);
        if (!fault)
            ApplyDataFile(lookup, model);
        Pause(context.pauseMs);
    }
    return EndFileCommand(model, context, fault ? Outcome::Failed(fault) : Outcome::Done(), "frmMain.FileRead2",
                          QT_TRANSLATE_NOOP("FileContextTexts", "FileRead Error!!"));
}

QString DefaultFilePath(const QString& folder, const Model& model)
{
    return QDir(folder).filePath(ToQString(model.ModelName()) + QStringLiteral(".def"));
}

}  // namespace quorlink
