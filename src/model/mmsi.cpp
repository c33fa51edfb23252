// SPDX-License-Identifier: GPL-3.0-or-later
#include "mmsi.h"

#include "csv_records.h"

#include <algorithm>

namespace quorlink {

namespace {

constexpr std::size_t kMmsiDigits = 9;
constexpr std::size_t kGroupTyped = 8;
const char* const kDot = " \xC2\xB7 ";  // a middle dot between kind and country

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

std::string KindAndCountry(const MmsiClass& c)
{
    std::string text = MmsiKindName(c.kind);
    if (c.country)
        text += kDot + c.country->name;
    return text;
}

std::string NotAllocated(int mid)
{
    const std::string number = std::to_string(mid);
    return "MID " + std::string(3 - number.size(), '0') + number + " is not allocated to any country";
}

// A warning for numbers that cannot be the radio's own, with the digits
// that give them away.
std::optional<std::string> NotOwn(MmsiKind kind)
{
    switch (kind) {
    case MmsiKind::Group: return "Starts with 0: a group number, not a ship's own MMSI";
    case MmsiKind::Coast: return "Starts with 00: a coast station's number, not a ship's own MMSI";
    case MmsiKind::AidToNavigation: return "Starts with 99: an aid to navigation, not a ship's own MMSI";
    case MmsiKind::AisSart: return "Starts with 970: an AIS-SART, not a ship's own MMSI";
    case MmsiKind::ManOverboard: return "Starts with 972: a man-overboard device, not a ship's own MMSI";
    case MmsiKind::EpirbAis: return "Starts with 974: an EPIRB-AIS, not a ship's own MMSI";
    default: return std::nullopt;
    }
}

MmsiNote Warning(std::string text) { return {std::move(text), true}; }

MmsiNote GroupNote(const std::string& full, const MidTable& table)
{
    const MmsiClass c = ClassifyMmsi(full, table);
    if (c.kind != MmsiKind::Group || full[1] < '2' || full[1] > '7')
        return Warning("Group numbers start with 0 and a MID");
    if (!c.country)
        return Warning(NotAllocated(c.mid));
    return {KindAndCountry(c), false};
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
    case MmsiKind::Ship: return "Ship station";
    case MmsiKind::Group: return "Group of stations";
    case MmsiKind::Coast: return "Coast station";
    case MmsiKind::Handheld: return "Handheld with DSC";
    case MmsiKind::SarAircraft: return "SAR aircraft";
    case MmsiKind::AidToNavigation: return "Aid to navigation";
    case MmsiKind::ParentShipCraft: return "Craft of a parent ship";
    case MmsiKind::AisSart: return "AIS-SART";
    case MmsiKind::ManOverboard: return "Man-overboard device";
    case MmsiKind::EpirbAis: return "EPIRB-AIS";
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
        return Warning("Digits only");
    const std::size_t wanted = use == MmsiUse::Group ? kGroupTyped : kMmsiDigits;
    if (typed.size() != wanted)
        return {std::to_string(typed.size()) + " of " + std::to_string(wanted) + " digits", typed.size() > wanted};
    if (use == MmsiUse::Group)
        return GroupNote("0" + std::string(typed), table);
    const MmsiClass c = ClassifyMmsi(typed, table);
    if (c.kind == MmsiKind::Unknown)
        return Warning("Starts with " + Upto(typed, UnknownPrefixLength(typed)) + ": not a kind of MMSI in use");
    if (use == MmsiUse::Own) {
        if (std::optional<std::string> warning = NotOwn(c.kind))
            return Warning(*warning);
    } else if (c.kind == MmsiKind::Group) {
        return Warning("Starts with 0: a group number; it belongs in the group directory");
    }
    if (c.mid >= 0 && !c.country)
        return Warning(NotAllocated(c.mid));
    return {KindAndCountry(c), false};
}

std::optional<std::string> StoredDirectoryMmsi(DirectoryKind kind, std::string_view nineDigits)
{
    if (nineDigits.size() != kMmsiDigits || !AllDigits(nineDigits))
        return std::nullopt;
    if (kind == DirectoryKind::Group && nineDigits[0] != '0')
        return std::nullopt;
    return std::string(nineDigits) + "0";
}

std::string ShownMmsi(const std::string& stored)
{
    if (stored.size() == kMmsiDigits + 1 && stored.back() == '0')
        return stored.substr(0, kMmsiDigits);
    return stored;
}

}  // namespace quorlink
