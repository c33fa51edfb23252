// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the five channel plans, as constant data, and the builders
// that put them into the tables.
#include "plan.h"

namespace quorlink {

namespace {

struct ProgrammableRow {
    int entry;
    const char* label;
    double tx, rx, duplexRx;
    bool duplex, lowPower;
    const char* tag;
    bool available;
};

struct WxRow {
    int entry;
    const char* label;
    double frequency;
    const char* tag;
};

// UsaPlan: entry, label, TX, RX, duplex RX, duplex, low power, default name, available
const ProgrammableRow kUsaRows[] = {
    {1, "01A", 156.050, 156.050, 0, false, false, "VTS", true},
    {2, "02", 0, 0, 0, false, false, "", false},
    {3, "03A", 156.150, 156.150, 0, false, false, "", true},
    {4, "04", 0, 0, 0, false, false, "", false},
    {5, "05A", 156.250, 156.250, 0, false, false, "VTS", true},
    {6, "06", 156.300, 156.300, 0, false, false, "SAFETY", true},
    {7, "07A", 156.350, 156.350, 0, false, false, "COMMERCIAL", true},
    {8, "08", 156.400, 156.400, 0, false, false, "COMMERCIAL", true},
    {9, "09", 156.450, 156.450, 0, false, false, "CALLING", true},
    {10, "10", 156.500, 156.500, 0, false, false, "COMMERCIAL", true},
    {11, "11", 156.550, 156.550, 0, false, false, "VTS", true},
    {12, "12", 156.600, 156.600, 0, false, false, "VTS", true},
    {13, "13", 156.650, 156.650, 0, false, true, "BRG/BRG", true},
    {14, "14", 156.700, 156.700, 0, false, false, "VTS", true},
    {15, "15", 0, 156.750, 0, false, false, "COMMERCIAL", true},
    {16, "16", 156.800, 156.800, 0, false, false, "DISTRESS", true},
    {17, "17", 156.850, 156.850, 0, false, true, "SAR", true},
    {18, "18A", 156.900, 156.900, 0, false, false, "COMMERCIAL", true},
    {19, "19A", 156.950, 156.950, 0, false, false, "COMMERCIAL", true},
    {20, "20", 157.000, 157.000, 161.600, true, false, "PORT OPR", true},
    {21, "20A", 157.000, 157.000, 0, false, false, "PORT OPR", true},
    {22, "21A", 157.050, 157.050, 0, false, false, "CCG", true},
    {23, "22A", 157.100, 157.100, 0, false, false, "USCG", true},
    {24, "23A", 157.150, 157.150, 0, false, false, "USCG", true},
    {25, "24", 157.200, 157.200, 161.800, true, false, "TELEPHONE", true},
    {26, "25", 157.250, 157.250, 161.850, true, false, "TELEPHONE", true},
    {27, "26", 157.300, 157.300, 161.900, true, false, "TELEPHONE", true},
    {28, "27", 157.350, 157.350, 161.950, true, false, "TELEPHONE", true},
    {29, "28", 157.400, 157.400, 162.000, true, false, "TELEPHONE", true},
    {30, "60", 0, 0, 0, false, false, "", false},
    {31, "61A", 156.075, 156.075, 0, false, false, "CCG", true},
    {32, "62", 0, 0, 0, false, false, "", false},
    {33, "63A", 156.175, 156.175, 0, false, false, "VTS", true},
    {34, "64A", 156.225, 156.225, 0, false, false, "COMMERCIAL", true},
    {35, "65A", 156.275, 156.275, 0, false, false, "PORT OPR", true},
    {36, "66A", 156.325, 156.325, 0, false, false, "PORT OPR", true},
    {37, "67", 156.375, 156.375, 0, false, true, "BRG/BRG", true},
    {38, "68", 156.425, 156.425, 0, false, false, "SHIP/SHIP", true},
    {39, "69", 156.475, 156.475, 0, false, false, "PLEASURE", true},
    {40, "70", 0, 156.525, 0, false, false, "DSC", true},
    {41, "71", 156.575, 156.575, 0, false, false, "PLEASURE", true},
    {42, "72", 156.625, 156.625, 0, false, false, "SHIP/SHIP", true},
    {43, "73", 156.675, 156.675, 0, false, false, "PORT OPR", true},
    {44, "74", 156.725, 156.725, 0, false, false, "PORT OPR", true},
    {45, "75", 156.775, 156.775, 0, false, false, "PORT OPR", true},
    {46, "76", 156.825, 156.825, 0, false, false, "PORT OPR", true},
    {47, "77", 156.875, 156.875, 0, false, true, "PORT OPR", true},
    {48, "78A", 156.925, 156.925, 0, false, false, "SHIP/SHIP", true},
    {49, "79A", 156.975, 156.975, 0, false, false, "SHIP/SHIP", true},
    {50, "80A", 157.025, 157.025, 0, false, false, "SHIP/SHIP", true},
    {51, "81A", 157.075, 157.075, 0, false, false, "CCG", true},
    {52, "82A", 157.125, 157.125, 0, false, false, "CCG", true},
    {53, "83A", 157.175, 157.175, 0, false, false, "USGCG", true},
    {54, "84", 157.225, 157.225, 161.825, true, false, "TELEPHONE", true},
    {55, "84A", 157.225, 157.225, 0, false, false, "", false},
    {56, "85", 157.275, 157.275, 161.875, true, false, "TELEPHONE", true},
    {57, "85A", 157.275, 157.275, 0, false, false, "", false},
    {58, "86", 157.325, 157.325, 161.925, true, false, "TELEPHONE", true},
    {59, "86A", 157.325, 157.325, 0, false, false, "", false},
    {60, "87", 157.375, 157.375, 161.975, true, false, "TELEPHONE", true},
    {61, "87A", 157.375, 157.375, 0, false, false, "", false},
    {62, "88", 157.425, 157.425, 162.025, true, false, "TELEPHONE", true},
    {63, "88A", 157.425, 157.425, 0, false, false, "COMMERCIAL", true},
};

// IntPlan: entry, label, TX, RX, duplex RX, duplex, low power, default name, available
const ProgrammableRow kIntRows[] = {
    {1, "01", 156.050, 156.050, 160.650, true, false, "TELEPHONE", true},
    {2, "02", 156.100, 156.100, 160.700, true, false, "TELEPHONE", true},
    {3, "03", 156.150, 156.150, 160.750, true, false, "TELEPHONE", true},
    {4, "04", 156.200, 156.200, 160.800, true, false, "INTL", true},
    {5, "05", 156.250, 156.250, 160.850, true, false, "INTL", true},
    {6, "06", 156.300, 156.300, 0, false, false, "SAFETY", true},
    {7, "07", 156.350, 156.350, 160.950, true, false, "INTL", true},
    {8, "08", 156.400, 156.400, 0, false, false, "COMMERCIAL", true},
    {9, "09", 156.450, 156.450, 0, false, false, "CALLING", true},
    {10, "10", 156.500, 156.500, 0, false, false, "COMMERCIAL", true},
    {11, "11", 156.550, 156.550, 0, false, false, "VTS", true},
    {12, "12", 156.600, 156.600, 0, false, false, "VTS", true},
    {13, "13", 156.650, 156.650, 0, false, false, "BRG/BRG", true},
    {14, "14", 156.700, 156.700, 0, false, false, "VTS", true},
    {15, "15", 156.750, 156.750, 0, false, true, "COMMERCIAL", true},
    {16, "16", 156.800, 156.800, 0, false, false, "DISTRESS", true},
    {17, "17", 156.850, 156.850, 0, false, true, "SAR", true},
    {18, "18", 156.900, 156.900, 161.500, true, false, "INTL", true},
    {19, "19", 156.950, 156.950, 161.550, true, false, "INTL", true},
    {20, "20", 157.000, 157.000, 161.600, true, false, "PORT OPR", true},
    {21, "21", 157.050, 157.050, 161.650, true, false, "INTL", true},
    {22, "22", 157.100, 157.100, 161.700, true, false, "INTL", true},
    {23, "23", 157.150, 157.150, 161.750, true, false, "INTL", true},
    {24, "24", 157.200, 157.200, 161.800, true, false, "TELEPHONE", true},
    {25, "25", 157.250, 157.250, 161.850, true, false, "TELEPHONE", true},
    {26, "26", 157.300, 157.300, 161.900, true, false, "TELEPHONE", true},
    {27, "27", 157.350, 157.350, 161.950, true, false, "TELEPHONE", true},
    {28, "28", 157.400, 157.400, 162.000, true, true, "TELEPHONE", true},
    {29, "60", 156.025, 156.025, 160.625, true, false, "TELEPHONE", true},
    {30, "61", 156.075, 156.075, 160.675, true, false, "INTL", true},
    {31, "62", 156.125, 156.125, 160.725, true, false, "INTL", true},
    {32, "63", 156.175, 156.175, 160.775, true, false, "INTL", true},
    {33, "64", 156.225, 156.225, 160.825, true, false, "TELEPHONE", true},
    {34, "65", 156.275, 156.275, 160.875, true, false, "INTL", true},
    {35, "65A", 156.275, 156.275, 0, false, false, "", false},
    {36, "66", 156.325, 156.325, 160.925, true, false, "INTL", true},
    {37, "66A", 156.325, 156.325, 0, false, false, "", false},
    {38, "67", 156.375, 156.375, 0, false, false, "BRG/BRG", true},
    {39, "68", 156.425, 156.425, 0, false, false, "SHIP-SHIP", true},
    {40, "69", 156.475, 156.475, 0, false, false, "PLEASURE", true},
    {41, "70", 0, 156.525, 0, false, false, "DSC", true},
    {42, "71", 156.575, 156.575, 0, false, false, "PLEASURE", true},
    {43, "72", 156.625, 156.625, 0, false, false, "SHIP-SHIP", true},
    {44, "73", 156.675, 156.675, 0, false, false, "PORT OPR", true},
    {45, "74", 156.725, 156.725, 0, false, false, "PORT OPR", true},
    {46, "75", 156.775, 156.775, 0, false, false, "", false},
    {47, "76", 156.825, 156.825, 0, false, false, "", false},
    {48, "77", 156.875, 156.875, 0, false, false, "PORT OPR", true},
    {49, "78", 156.925, 156.925, 161.525, true, false, "INTL", true},
    {50, "79", 156.975, 156.975, 161.575, true, false, "INTL", true},
    {51, "80", 157.025, 157.025, 161.625, true, false, "INTL", true},
    {52, "81", 157.075, 157.075, 161.675, true, false, "INTL", true},
    {53, "82", 157.125, 157.125, 161.725, true, false, "INTL", true},
    {54, "83", 157.175, 157.175, 161.775, true, false, "INTL", true},
    {55, "84", 157.225, 157.225, 161.825, true, false, "TELEPHONE", true},
    {56, "85", 157.275, 157.275, 161.875, true, false, "TELEPHONE", true},
    {57, "86", 157.325, 157.325, 161.925, true, false, "TELEPHONE", true},
    {58, "87", 157.375, 157.375, 161.975, true, false, "TELEPHONE", true},
    {59, "88", 157.425, 157.425, 162.025, true, false, "TELEPHONE", true},
};

// CanPlan: entry, label, TX, RX, duplex RX, duplex, low power, default name, available
const ProgrammableRow kCanRows[] = {
    {1, "01", 156.050, 156.050, 160.650, true, false, "TELEPHONE", true},
    {2, "02", 156.100, 156.100, 160.700, true, false, "TELEPHONE", true},
    {3, "03", 156.150, 156.150, 160.750, true, false, "TELEPHONE", true},
    {4, "04A", 156.200, 156.200, 0, false, false, "CCG", true},
    {5, "05A", 156.250, 156.250, 0, false, false, "VTS", true},
    {6, "06", 156.300, 156.300, 0, false, false, "SAFETY", true},
    {7, "07A", 156.350, 156.350, 0, false, false, "COMMERCIAL", true},
    {8, "08", 156.400, 156.400, 0, false, false, "COMMERCIAL", true},
    {9, "09", 156.450, 156.450, 0, false, false, "CALLING", true},
    {10, "10", 156.500, 156.500, 0, false, false, "COMMERCIAL", true},
    {11, "11", 156.550, 156.550, 0, false, false, "VTS", true},
    {12, "12", 156.600, 156.600, 0, false, false, "VTS", true},
    {13, "13", 156.650, 156.650, 0, false, true, "BRG/BRG", true},
    {14, "14", 156.700, 156.700, 0, false, false, "VTS", true},
    {15, "15", 156.750, 156.750, 0, false, true, "COMMERCIAL", true},
    {16, "16", 156.800, 156.800, 0, false, false, "DISTRESS", true},
    {17, "17", 156.850, 156.850, 0, false, true, "SAR", true},
    {18, "18A", 156.900, 156.900, 0, false, false, "COMMERCIAL", true},
    {19, "19A", 156.950, 156.950, 0, false, false, "COMMERCIAL", true},
    {20, "20", 157.000, 157.000, 161.600, true, false, "PORT OPR", true},
    {21, "21", 0, 0, 0, false, false, "", false},
    {22, "21A", 157.050, 157.050, 0, false, false, "CCG", true},
    {23, "22A", 157.100, 157.100, 0, false, false, "USCG", true},
    {24, "23", 157.150, 157.150, 161.750, true, false, "INTL", true},
    {25, "24", 157.200, 157.200, 161.800, true, false, "TELEPHONE", true},
    {26, "25", 157.250, 157.250, 161.850, true, false, "TELEPHONE", true},
    {27, "26", 157.300, 157.300, 161.900, true, false, "TELEPHONE", true},
    {28, "27", 157.350, 157.350, 161.950, true, false, "TELEPHONE", true},
    {29, "28", 157.400, 157.400, 0, true, false, "TELEPHONE", true},
    {30, "60", 156.025, 156.025, 160.625, true, false, "TELEPHONE", true},
    {31, "61A", 156.075, 156.075, 0, false, false, "CCG", true},
    {32, "62A", 156.125, 156.125, 0, false, false, "CCG", true},
    {33, "63", 0, 0, 0, false, false, "", false},
    {34, "64", 156.225, 156.225, 160.825, true, false, "TELEPHONE", true},
    {35, "64A", 156.225, 156.225, 0, false, false, "COMMERCIAL", true},
    {36, "65A", 156.275, 156.275, 0, false, false, "PORT OPR", true},
    {37, "66A", 156.325, 156.325, 0, false, true, "PORT OPR", true},
    {38, "67", 156.375, 156.375, 0, false, false, "BRG/BRG", true},
    {39, "68", 156.425, 156.425, 0, false, false, "SHIP-SHIP", true},
    {40, "69", 156.475, 156.475, 0, false, false, "PLEASURE", true},
    {41, "70", 0, 156.525, 0, false, false, "DSC", true},
    {42, "71", 156.575, 156.575, 0, false, false, "PLEASURE", true},
    {43, "72", 156.625, 156.625, 0, false, false, "SHIP-SHIP", true},
    {44, "73", 156.675, 156.675, 0, false, false, "PORT OPR", true},
    {45, "74", 156.725, 156.725, 0, false, false, "PORT OPR", true},
    {46, "75", 156.775, 156.775, 0, false, false, "", false},
    {47, "76", 156.825, 156.825, 0, false, false, "", false},
    {48, "77", 156.875, 156.875, 0, false, true, "PORT OPR", true},
    {49, "78A", 156.925, 156.925, 0, false, false, "SHIP/SHIP", true},
    {50, "79A", 156.975, 156.975, 0, false, false, "SHIP/SHIP", true},
    {51, "80A", 157.025, 157.025, 0, false, false, "SHIP/SHIP", true},
    {52, "81A", 157.075, 157.075, 0, false, false, "CCG", true},
    {53, "82A", 157.125, 157.125, 0, false, false, "CCG", true},
    {54, "83", 157.175, 157.175, 161.775, true, false, "CCG", true},
    {55, "83A", 157.175, 157.175, 0, false, false, "CCG", true},
    {56, "84", 157.225, 157.225, 161.825, true, false, "TELEPHONE", true},
    {57, "85", 157.275, 157.275, 161.875, true, false, "TELEPHONE", true},
    {58, "86", 157.325, 157.325, 161.925, true, false, "TELEPHONE", true},
    {59, "87", 157.375, 157.375, 161.975, true, false, "TELEPHONE", true},
    {60, "88", 157.425, 157.425, 162.025, true, false, "TELEPHONE", true},
};

// WxPlan: entry, label, frequency, default name
const WxRow kWxRows[] = {
    {1, "WX01[162.550MHz]", 162.550, "162.550MHZ"},
    {2, "WX02[162.400MHz]", 162.400, "162.400MHZ"},
    {3, "WX03[162.475MHz]", 162.475, "162.475MHZ"},
    {4, "WX04[162.425MHz]", 162.425, "162.425MHZ"},
    {5, "WX05[162.450MHz]", 162.450, "162.450MHZ"},
    {6, "WX06[162.500MHz]", 162.500, "162.500MHZ"},
    {7, "WX07[162.525MHz]", 162.525, "162.525MHZ"},
    {8, "WX08[161.650MHz]", 161.650, "161.650MHZ"},
    {9, "WX09[161.775MHz]", 161.775, "161.775MHZ"},
    {10, "WX10[163.275MHz]", 163.275, "163.275MHZ"},
};

// EXP frequencies in kHz, by index band. Bands with duplex receive 4.6 MHz above.
struct ExpBand {
    int first, last;
    int startKHz, stepKHz;
    bool duplex;
};
const ExpBand kExpBands[] = {
    {0, 59, 156000, 50, true},
    {60, 119, 156025, 50, true},
    {120, 241, 159000, 25, false},
    {242, 281, 155975, -25, true},
};
constexpr int kDuplexOffsetKHz = 4600;
constexpr int kExpUnavailable[] = {75, 76, 85, 86};

template <std::size_t N>
void BuildProgrammable(PlanTable& table, const ProgrammableRow (&rows)[N])
{
    for (const ProgrammableRow& r : rows)
        SetPlanEntry(table, r.entry, r.label, r.tx, r.rx, r.duplexRx, r.duplex, r.lowPower, r.tag,
                     r.available);
}

bool IsExpAvailable(int k)
{
    for (int unavailable : kExpUnavailable)
        if (k == unavailable)
            return false;
    return true;
}

}  // namespace

void BuildUsaPlan(PlanTable& table) { BuildProgrammable(table, kUsaRows); }
void BuildIntPlan(PlanTable& table) { BuildProgrammable(table, kIntRows); }
void BuildCanPlan(PlanTable& table) { BuildProgrammable(table, kCanRows); }

void BuildWxPlan(PlanTable& table)
{
    for (const WxRow& r : kWxRows)
        SetPlanEntry(table, r.entry, r.label, 0, r.frequency, r.frequency, true, false, r.tag, true);
}

void BuildExpPlan(PlanTable& table)
{
    for (const ExpBand& band : kExpBands) {
        for (int k = band.first; k <= band.last; ++k) {
            const int kHz = band.startKHz + band.stepKHz * (k - band.first);
            const double mhz = kHz / 1000.0;
            const double duplexRx = band.duplex ? (kHz + kDuplexOffsetKHz) / 1000.0 : 0.0;
            SetPlanEntry(table, k, "", mhz, mhz, duplexRx, band.duplex, false, "", IsExpAvailable(k));
        }
    }
}

}  // namespace quorlink
