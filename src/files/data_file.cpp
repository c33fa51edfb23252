#include "data_file.h"

#include "busy_scope.h"
#include "file_fault.h"
#include "ini_reader.h"
#include "latin1.h"
#include "model.h"
#include "value_conversion.h"
#include "whole_file.h"

#include <QDir>
#include <QFile>

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

// Builds the file line by line.
class Writer {
public:
    void Section(const QByteArray& name) { Line("[" + name + "]"); }
    void Number(const char* key, int value) { Line(QByteArray(key) + "=" + QByteArray::number(value)); }
    void Flag(const char* key, bool value) { Line(QByteArray(key) + "=" + (value ? "1" : "0")); }
    void Text(const char* key, const std::string& value)
    {
        Line(QByteArray(key) + "=#" + QByteArray::fromStdString(value));
    }
    void Bare(const char* key, const std::string& value) { Line(QByteArray(key) + "=" + QByteArray::fromStdString(value)); }
    QByteArray bytes;

private:
    void Line(const QByteArray& line) { bytes += line + "\r\n"; }
};

void WriteSettings(Writer& w, const Model& model)
{
    const CommonSettings& s = model.Settings;
    w.Section("SETCOM");
    w.Number("Contrast", s.Contrast);
    w.Number("Dimmer", s.Dimmer);
    w.Number("Scrambler", s.Scrambler);
    w.Flag("KeyBeep", s.KeyBeep);
    w.Flag("TrueMag", s.TrueMag);
    if (HasAtis(model)) {
        w.Flag("AtisOnOffUSA", s.AtisOnOffUSA);
        w.Flag("AtisOnOffInternational", s.AtisOnOffInternational);
        w.Flag("AtisOnOffCanada", s.AtisOnOffCanada);
        w.Text("AtisNo", s.AtisNo);
    }
    w.Number("ScanType", s.ScanType);
    w.Number("Ind", s.Ind);
    w.Flag("IndReply", s.IndReply);
    w.Flag("IndACK", s.IndACK);
    w.Flag("POSRR", s.POSRR);
    w.Flag("DscScan", s.DscScan);
    w.Flag("WxAlert", s.WxAlert);
    w.Number("OffsetTime", s.OffsetTime - 24);
    w.Text("UserMmsid", s.UserMmsid);
}

void WriteChannel(Writer& w, const ChannelRecord& r, bool wx)
{
    if (wx) {
        w.Flag("Enable", r.Enable);
        w.Flag("ScanMemory", r.ScanMemory);
        w.Text("ChTag", r.ChTag);
        return;
    }
    w.Number("Position", r.Position);
    w.Flag("Enable", r.Enable);
    w.Flag("LowPower", r.LowPower);
    w.Flag("PowUp", r.PowUp);
    w.Flag("Duplex", r.Duplex);
    w.Flag("TxEnable", r.TxEnable);
    w.Flag("DispayA", r.DispayA);
    w.Flag("ScanMemory", r.ScanMemory);
    w.Flag("VsMemory", r.VsMemory);
    w.Text("ChTag", r.ChTag);
}

// Reads one key into a field, leaving the field alone when the text does not convert.
class Reader {
public:
    Reader(const IniLookup& file, QByteArray section) : file_(file), section_(std::move(section)) {}
    QString Raw(const char* key) const { return ReadIniValue(file_, section_, key); }
    void Number(const char* key, std::int16_t& field) const { Set(field, ToShort(Raw(key))); }
    void Flag(const char* key, bool& field) const { Set(field, ToFlag(Raw(key))); }
    void Text(const char* key, std::string& field) const { field = ToStdString(Raw(key)); }

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

void ReadSettings(const IniLookup& file, Model& model)
{
    CommonSettings& s = model.Settings;
    const Reader r(file, "SETCOM");
    r.Number("Contrast", s.Contrast);
    r.Number("Dimmer", s.Dimmer);
    r.Number("Scrambler", s.Scrambler);
    r.Flag("KeyBeep", s.KeyBeep);
    r.Flag("TrueMAG", s.TrueMag);
    if (HasAtis(model)) {
        r.Flag("AtisOnOffUSA", s.AtisOnOffUSA);
        r.Flag("AtisOnOffInternational", s.AtisOnOffInternational);
        r.Flag("AtisOnOffCanada", s.AtisOnOffCanada);
        r.Text("AtisNo", s.AtisNo);
    }
    r.Number("ScanType", s.ScanType);
    r.Number("Ind", s.Ind);
    r.Flag("IndReply", s.IndReply);
    r.Flag("IndACK", s.IndACK);
    r.Flag("POSRR", s.POSRR);
    r.Flag("DscScan", s.DscScan);
    r.Flag("WxAlert", s.WxAlert);
    if (const auto offset = OffsetTimeFromFile(r.Raw("OffsetTime")))
        s.OffsetTime = *offset;
    r.Text("UserMmsid", s.UserMmsid);
}

void ReadChannel(const Reader& r, ChannelRecord& record, bool wx)
{
    if (!wx) {
        r.Number("Position", record.Position);
        r.Flag("LowPower", record.LowPower);
        r.Flag("PowUp", record.PowUp);
        r.Flag("Duplex", record.Duplex);
        r.Flag("TxEnable", record.TxEnable);
        r.Flag("DispayA", record.DispayA);
        r.Flag("VsMemory", record.VsMemory);
    }
    r.Flag("Enable", record.Enable);
    r.Flag("ScanMemory", record.ScanMemory);
    r.Text("ChTag", record.ChTag);
}

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

void Report(Model& model, const FileContext& context, const char* source, const Fault& fault,
            const char* message)
{
    model.ErrorFlag = true;
    ReportFileFault(model, context, source, fault, message);
}

Fault Save(Model& model, const QString& path, const FileContext& context, DataFileScope scope,
           const char* source)
{
    model.ErrorFlag = false;
    Fault fault;
    {
        const BusyScope busy(model);
        fault = WriteWholeFile(path, FormatDataFile(model, scope));
        Pause(context.pauseMs);
    }
    if (fault)
        Report(model, context, source, fault, "FileSave Error!!");
    return fault;
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
        return FileFault(QFileDevice::ReadError, QStringLiteral("no data-file sections found"), path);
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
    WriteSettings(w, model);
    w.Section("CHCOM");
    for (int i = 0; i < SpecialChannels::kCount; ++i)
        w.Number(SpecialChannels::kKeys[i], model.Special.values[static_cast<std::size_t>(i)]);
    if (scope == DataFileScope::DefaultOnly)
        return w.bytes;

    for (const ChannelGroup& group : kChannelGroups) {
        const ChannelList& list = RecordsOf(model, group.id);
        for (std::size_t i = 0; i < list.size(); ++i) {
            w.Section(Numbered(group.prefix, group.firstIndex + static_cast<int>(i)));
            WriteChannel(w, list[i], group.wx());
        }
    }
    for (const DirectoryGroup& group : kDirectoryGroups) {
        const Directory& directory = model.DirectoryOf(group.kind);
        for (int i = 1; i <= directory.size(); ++i) {
            w.Section(Numbered(group.prefix, i));
            w.Flag("Enable", directory.at(i).Enable);
            w.Text("TagName", directory.at(i).TagName);
            w.Bare("Mmsid", directory.at(i).Mmsid);
        }
    }
    return w.bytes;
}

void ApplyDataFile(const IniLookup& file, Model& model)
{
    ReadSettings(file, model);
    const Reader special(file, "CHCOM");
    for (int i = 0; i < SpecialChannels::kCount; ++i)
        special.Number(SpecialChannels::kKeys[i], model.Special.values[static_cast<std::size_t>(i)]);
    for (const ChannelGroup& group : kChannelGroups) {
        ChannelList& list = RecordsOf(model, group.id);
        for (std::size_t i = 0; i < list.size(); ++i)
            ReadChannel(Reader(file, Numbered(group.prefix, group.firstIndex + static_cast<int>(i))),
                        list[i], group.wx());
    }
    for (const DirectoryGroup& group : kDirectoryGroups) {
        Directory& directory = model.DirectoryOf(group.kind);
        for (int i = 1; i <= directory.size(); ++i) {
            const Reader r(file, Numbered(group.prefix, i));
            r.Flag("Enable", directory.at(i).Enable);
            r.Text("TagName", directory.at(i).TagName);
            r.Text("Mmsid", directory.at(i).Mmsid);
        }
    }
}

Fault SaveFileAs(Model& model, const QString& path, const FileContext& context)
{
    return Save(model, path, context, DataFileScope::Whole, "frmMain.SaveFileAs");
}

Fault SaveFileAsDefault(Model& model, const QString& path, const FileContext& context)
{
    return Save(model, path, context, DataFileScope::DefaultOnly, "frmMain.SaveFileAsDefault");
}

Fault FileRead2(Model& model, const QString& path, const FileContext& context)
{
    model.ErrorFlag = false;
    Fault fault;
    {
        const BusyScope busy(model);
        QFile file;
        IniLookup lookup;
        fault = ReadDataFile(file, path, lookup);
        if (!fault)
            ApplyDataFile(lookup, model);
        Pause(context.pauseMs);
    }
    if (fault)
        Report(model, context, "frmMain.FileRead2", fault, "FileRead Error!!");
    return fault;
}

QString DefaultFilePath(const QString& folder, const Model& model)
{
    return QDir(folder).filePath(ToQString(model.ModelName()) + QStringLiteral(".def"));
}

}  // namespace quorlink
