// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_tables.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

namespace quorlink {

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

constexpr HintRow kHints[] = {
    {QT_TRANSLATE_NOOP("ControlHints", "[Up]/[Down]/[Left]/[Right]:Change of a Selection item."), "tvTreeView"},
    {QT_TRANSLATE_NOOP("ControlHints", "[Space]:An effective and invalid change."),
     "chkCEnable chkCTXEnable chkCTXOnly chkCTXPower chkCDup chkCScan chkCVSmemory chkDScan chkFATIS "
     "chkFBeep chkFMAG chkFWX chkFindReply chkFindAck chkFposRR chkFDSC chkGEnable chkGDelete"},
    {QT_TRANSLATE_NOOP("ControlHints", "Select[x]Enable/[]Disable."), "chkDEnable"},
    {QT_TRANSLATE_NOOP("ControlHints", "[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End"),
     "cmbCN cmbPUSA cmbPInterNational cmbPCanada cmbAUSA cmbAInterNational cmbACanada cmbBUSA "
     "cmbBInterNational cmbBCanada cmbFCont cmbFDim cmbFScrambler cmbFOffset cmbFScan cmbFIND"},
    {QT_TRANSLATE_NOOP("ControlHints", "[Double click],[Enter]:Jump the Setting screen."), "MSFlexGrid1"},
    {QT_TRANSLATE_NOOP("ControlHints", "A maximum of 12 characters"), "txtCTag txtDTagName"},
    {QT_TRANSLATE_NOOP("ControlHints", "A maximum of 10 characters."), "txtGPosi"},
    {QT_TRANSLATE_NOOP("ControlHints", "Numeric Only. Indispensable 9 figures."), "txtFUser txtGMMSI"},
    {QT_TRANSLATE_NOOP("ControlHints", "Numeric Only. Indispensable 10 figures."), "txtFATISNo"},
    {QT_TRANSLATE_NOOP("ControlHints", "A Click Inicializes the number of User MMSI setting permission"), "cmdFClear"},
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

constexpr const char* kTreeHintText = kHints[0].hint;

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

const QString kTreeHint = QString::fromLatin1(kTreeHintText);

QString TreeHint() { return QCoreApplication::translate("ControlHints", kTreeHintText); }

QString HintFor(const QString& objectName)
{
    static const QHash<QString, const char*> hints =
        Index<HintRow, const char*>(kHints, [](const HintRow& r) { return r.hint; });
    const char* hint = hints.value(BaseName(objectName));
    return hint ? QCoreApplication::translate("ControlHints", hint) : QString();
}

int HelpContextFor(const QString& objectName)
{
    static const QHash<QString, int> contexts =
        Index<ContextRow, int>(kContexts, [](const ContextRow& r) { return r.context; });
    return contexts.value(BaseName(objectName), 0);
}

}  // namespace quorlink
