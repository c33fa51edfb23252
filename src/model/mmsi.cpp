// SPDX-License-Identifier: GPL-3.0-or-later
#include "mmsi.h"

#include "csv_records.h"
#include "translatable.h"

#include <algorithm>

namespace quorlink {

namespace {

constexpr std::size_t kMmsiDigits = 9;
constexpr std::size_t kGroupTyped = 8;

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ThreeDigits(std::string_view text, std::size_t at)
{
    return (text[at] - '0') * 100 + (text[at + 1] - '0') * 10 + (text[at + 2] - '0');
}

// The leading digits of each form and where its MID starts (none: -1),
// longest prefixes first so that 111 wins over a ship's 1.., 970 over 9...
struct Form {
    const char* prefix;
    MmsiKind kind;
    int midAt;
};
const Form kForms[] = {
    {"970", MmsiKind::AisSart, -1}, {"972", MmsiKind::ManOverboard, -1}, {"974", MmsiKind::EpirbAis, -1},
    {"111", MmsiKind::SarAircraft, 3}, {"00", MmsiKind::Coast, 2},  {"98", MmsiKind::ParentShipCraft, 2},
    {"99", MmsiKind::AidToNavigation, 2}, {"0", MmsiKind::Group, 1}, {"8", MmsiKind::Handheld, 1},
    {"2", MmsiKind::Ship, 0}, {"3", MmsiKind::Ship, 0}, {"4", MmsiKind::Ship, 0},
    {"5", MmsiKind::Ship, 0}, {"6", MmsiKind::Ship, 0}, {"7", MmsiKind::Ship, 0},
};

std::string Upto(std::string_view digits, std::size_t n) { return std::string(digits.substr(0, n)); }

// As many leading digits as it takes to tell the number from the known forms.
std::size_t UnknownPrefixLength(std::string_view digits)
{
    if (digits.substr(0, 2) == "97" || digits.substr(0, 2) == "11")
        return 3;
    return digits[0] == '9' ? 2 : 1;
}

MmsiNote Note(bool warning, const char* text, std::vector<std::string> args = {})
{
    TextTemplate words{text, std::move(args)};
    std::string filled = Filled(words);
    return {std::move(filled), warning, std::move(words)};
}

MmsiNote Warning(const char* text, std::vector<std::string> args = {})
{
    return Note(true, text, std::move(args));
}

MmsiNote KindAndCountry(const MmsiClass& c)
{
    if (!c.country)
        return Note(false, "%1", {MmsiKindName(c.kind)});
    // A middle dot between kind and country.
    return Note(false, QT_TRANSLATE_NOOP("Records", "%1 \xC2\xB7 %2"), {MmsiKindName(c.kind), c.country->name});
}

MmsiNote NotAllocated(int mid)
{
    const std::string number = std::to_string(mid);
    return Warning(QT_TRANSLATE_NOOP("Records", "MID %1 is not allocated to any country"),
                   {std::string(3 - number.size(), '0') + number});
}

// A warning for numbers that cannot be the radio's own, with the digits
// that give them away.
const char* NotOwn(MmsiKind kind)
{
    switch (kind) {
    case MmsiKind::Group: return QT_TRANSLATE_NOOP("Records", "Starts with 0: a group number, not a ship's own MMSI");
    case MmsiKind::Coast:
        return QT_TRANSLATE_NOOP("Records", "Starts with 00: a coast station's number, not a ship's own MMSI");
    case MmsiKind::AidToNavigation:
        return QT_TRANSLATE_NOOP("Records", "Starts with 99: an aid to navigation, not a ship's own MMSI");
    case MmsiKind::AisSart: return QT_TRANSLATE_NOOP("Records", "Starts with 970: an AIS-SART, not a ship's own MMSI");
    case MmsiKind::ManOverboard:
        return QT_TRANSLATE_NOOP("Records", "Starts with 972: a man-overboard device, not a ship's own MMSI");
    case MmsiKind::EpirbAis:
        return QT_TRANSLATE_NOOP("Records", "Starts with 974: an EPIRB-AIS, not a ship's own MMSI");
    default: return nullptr;
    }
}

MmsiNote GroupNote(const std::string& full, const MidTable& table)
{
    const MmsiClass c = ClassifyMmsi(full, table);
    if (c.kind != MmsiKind::Group || full[1] < '2' || full[1] > '7')
        return Warning(QT_TRANSLATE_NOOP("Records", "Group numbers start with 0 and a MID"));
    if (!c.country)
        return NotAllocated(c.mid);
    return KindAndCountry(c);
}

}  // namespace

MidTable MidTable::FromCsv(std::string_view text, std::string* error)
{
    MidTable table;
    const std::vector<CsvRecord> records = ParseCsv(text, true);
    for (std::size_t i = 1; i < records.size(); ++i) {  // records[0] is the header
        const CsvRecord& r = records[i];
        if (r.fields.size() != 3 || r.fields[0].size() != 3 || !AllDigits(r.fields[0]) || r.fields[2].empty()) {
            if (error)
                *error = "line " + std::to_string(r.line) + " is not mid,iso,country";
            return {};
        }
        table.countries_[ThreeDigits(r.fields[0], 0)] = {r.fields[1], r.fields[2]};
    }
    return table;
}

const MidCountry* MidTable::Find(int mid) const
{
    const auto it = countries_.find(mid);
    return it == countries_.end() ? nullptr : &it->second;
}

MmsiClass ClassifyMmsi(std::string_view digits, const MidTable& table)
{
    MmsiClass result;
    if (digits.size() != kMmsiDigits || !AllDigits(digits))
        return result;
    result.kind = MmsiKind::Unknown;
    for (const Form& form : kForms) {
        if (digits.substr(0, std::char_traits<char>::length(form.prefix)) != form.prefix)
            continue;
        result.kind = form.kind;
        if (form.midAt >= 0) {
            result.mid = ThreeDigits(digits, static_cast<std::size_t>(form.midAt));
            result.country = table.Find(result.mid);
        }
        break;
    }
    return result;
}

const char* MmsiKindName(MmsiKind kind)
{
    switch (kind) {
    case MmsiKind::Ship: return QT_TRANSLATE_NOOP("Records", "Ship station");
    case MmsiKind::Group: return QT_TRANSLATE_NOOP("Records", "Group of stations");
    case MmsiKind::Coast: return QT_TRANSLATE_NOOP("Records", "Coast station");
    case MmsiKind::Handheld: return QT_TRANSLATE_NOOP("Records", "Handheld with DSC");
    case MmsiKind::SarAircraft: return QT_TRANSLATE_NOOP("Records", "SAR aircraft");
    case MmsiKind::AidToNavigation: return QT_TRANSLATE_NOOP("Records", "Aid to navigation");
    case MmsiKind::ParentShipCraft: return QT_TRANSLATE_NOOP("Records", "Craft of a parent ship");
    case MmsiKind::AisSart: return QT_TRANSLATE_NOOP("Records", "AIS-SART");
    case MmsiKind::ManOverboard: return QT_TRANSLATE_NOOP("Records", "Man-overboard device");
    case MmsiKind::EpirbAis: return QT_TRANSLATE_NOOP("Records", "EPIRB-AIS");
    case MmsiKind::NotAnMmsi:
    case MmsiKind::Unknown: break;
    }
    return "";
}

MmsiNote NoteForMmsi(std::string_view typed, MmsiUse use, const MidTable& table)
{
    if (typed.empty())
        return {};
    if (!AllDigits(typed))
        return Warning(QT_TRANSLATE_NOOP("Records", "Digits only"));
    const std::size_t wanted = use == MmsiUse::Group ? kGroupTyped : kMmsiDigits;
    if (typed.size() != wanted)
        return Note(typed.size() > wanted, QT_TRANSLATE_NOOP("Records", "%1 of %2 digits"),
                    {std::to_string(typed.size()), std::to_string(wanted)});
    if (use == MmsiUse::Group)
        return GroupNote(ShownMmsi(*StoredMmsi(typed, use)), table);
    const MmsiClass c = ClassifyMmsi(typed, table);
    if (c.kind == MmsiKind::Unknown)
        return Warning(QT_TRANSLATE_NOOP("Records", "Starts with %1: not a kind of MMSI in use"),
                       {Upto(typed, UnknownPrefixLength(typed))});
    if (use == MmsiUse::Own) {
        if (const char* warning = NotOwn(c.kind))
            return Warning(warning);
    } else if (c.kind == MmsiKind::Group) {
        return Warning(
            QT_TRANSLATE_NOOP("Records", "Starts with 0: a group number; it belongs in the group directory"));
    }
    if (c.mid >= 0 && !c.country)
        return NotAllocated(c.mid);
    return KindAndCountry(c);
}

int TypedMmsiDigits(MmsiUse use) { return static_cast<int>(use == MmsiUse::Group ? kGroupTyped : kMmsiDigits); }

std::optional<std::string> StoredMmsi(std::string_view typed, MmsiUse use)
{
    const std::string lead = use == MmsiUse::Group ? "0" : "";
    if (typed.empty())
        return lead;
    if (typed.size() != static_cast<std::size_t>(TypedMmsiDigits(use)) || !AllDigits(typed))
        return std::nullopt;
    return lead + std::string(typed) + "0";
}

std::string ShownMmsi(const std::string& stored)
{
    if (stored.size() == kMmsiDigits + 1 && stored.back() == '0')
        return stored.substr(0, kMmsiDigits);
    return stored;
}

std::string ShownMmsi(const std::string& stored, MmsiUse use)
{
    std::string shown = ShownMmsi(stored);
    if (use == MmsiUse::Group && !shown.empty())
        shown.erase(0, 1);
    return shown.substr(0, static_cast<std::size_t>(TypedMmsiDigits(use)));
}

std::optional<std::string> StoredDirectoryMmsi(DirectoryKind kind, std::string_view digits)
{
    const MmsiUse use = kind == DirectoryKind::Group ? MmsiUse::Group : MmsiUse::Individual;
    if (use == MmsiUse::Group && digits.size() == kMmsiDigits) {
        if (digits[0] != '0')
            return std::nullopt;
        digits.remove_prefix(1);
    }
    if (digits.empty())
        return std::nullopt;
    return StoredMmsi(digits, use);
}

}  // namespace quorlink
