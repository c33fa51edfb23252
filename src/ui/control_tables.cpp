// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_tables.h"

#include <QHash>
#include <QStringList>

namespace quorlink {

const QString kTreeHint = QStringLiteral("[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");

namespace {

QString BaseName(const QString& objectName)
{
    const int paren = static_cast<int>(objectName.indexOf(QLatin1Char('(')));
    return paren < 0 ? objectName : objectName.left(paren);
}

struct HintRow {
    const char* hint;
    const char* controls;  // blank-separated base names
};

const HintRow kHints[] = {
    {"[Up]/[Down]/[Left]/[Right]:Change of a Selection item.", "tvTreeView"},
    {"[Space]:An effective and invalid change.",
     "chkCEnable chkCTXEnable chkCTXOnly chkCTXPower chkCDup chkCScan chkCVSmemory chkDScan chkFATIS "
     "chkFBeep chkFMAG chkFWX chkFindReply chkFindAck chkFposRR chkFDSC chkGEnable chkGDelete"},
    {"Select[x]Enable/[]Disable.", "chkDEnable"},
    {"[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End",
     "cmbCN cmbPUSA cmbPInterNational cmbPCanada cmbAUSA cmbAInterNational cmbACanada cmbBUSA "
     "cmbBInterNational cmbBCanada cmbFCont cmbFDim cmbFScrambler cmbFOffset cmbFScan cmbFIND"},
    {"[Double click],[Enter]:Jump the Setting screen.", "MSFlexGrid1"},
    {"A maximum of 12 characters", "txtCTag txtDTagName"},
    {"A maximum of 10 characters.", "txtGPosi"},
    {"Numeric Only. Indispensable 9 figures.", "txtFUser txtGMMSI"},
    {"Numeric Only. Indispensable 10 figures.", "txtFATISNo"},
    {"A Click Inicializes the number of User MMSI setting permission", "cmdFClear"},
};

struct ContextRow {
    int context;
    const char* controls;
};

const ContextRow kContexts[] = {
    {1022, "MSFlexGrid1"}, {1025, "cmbCN"}, {1028, "chkCEnable chkDEnable"}, {1029, "chkCTXEnable"},
    {1030, "chkCDup"}, {1031, "chkCTXOnly"}, {1032, "chkCTXPower"}, {1033, "chkCScan chkDScan"},
    {1034, "txtCTag txtDTagName"}, {1036, "cmbFCont"}, {1037, "cmbFDim"}, {1038, "chkFBeep"},
    {1039, "chkFATIS"}, {1040, "txtFATISNo"}, {1041, "cmbFScan"}, {1042, "chkFDSC"}, {1043, "cmbFOffset"},
    {1044, "txtFUser"}, {1045, "txtFCount"}, {1046, "cmdFClear"}, {1047, "MSFlexGrid2"},
    {1049, "chkGEnable chkGDelete"}, {1050, "txtGPosi"}, {1051, "txtGMMSI"}, {1054, "tvTreeView"},
    {1058, "chkFindReply"}, {1059, "chkFindAck"}, {1060, "cmbFIND"}, {1061, "chkFposRR"}, {1062, "chkFWX"},
    {1063, "cmbFScrambler"}, {1064, "chkCVSmemory"}, {1072, "cmbAUSA cmbAInterNational cmbACanada"},
    {1073, "cmbBUSA cmbBInterNational cmbBCanada"}, {1074, "chkFMAG"},
};

template <class Row, class Value, std::size_t N>
QHash<QString, Value> Index(const Row (&rows)[N], Value (*valueOf)(const Row&))
{
    QHash<QString, Value> index;
    for (const Row& row : rows)
        for (const QString& name : QString::fromLatin1(row.controls).split(QLatin1Char(' ')))
            index.insert(name, valueOf(row));
    return index;
}

}  // namespace

QString HintFor(const QString& objectName)
{
    static const QHash<QString, QString> hints =
        Index<HintRow, QString>(kHints, [](const HintRow& r) { return QString::fromLatin1(r.hint); });
    return hints.value(BaseName(objectName));
}

int HelpContextFor(const QString& objectName)
{
    static const QHash<QString, int> contexts =
        Index<ContextRow, int>(kContexts, [](const ContextRow& r) { return r.context; });
    return contexts.value(BaseName(objectName), 0);
}

}  // namespace quorlink
