// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "model.h"

namespace quorlink {

const char* const kEditorUsage =
    "Usage: quorlink [FILE]\n"
    "       quorlink /K          the service mode\n"
    "       quorlink --version\n"
    "FILE is a data file (.dat, .def) to open after start-up.\n";

EditorCommandLine ParseEditorCommandLine(const QStringList& arguments)
{
    EditorCommandLine line;
    line.diagnostic = IsDiagnosticCommandLine(arguments.join(QLatin1Char(' ')).toStdString());
    if (line.diagnostic)
        return line;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--version"))
            line.version = true;
        else if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            line.help = true;
        else if (line.file.isEmpty() && !argument.isEmpty() && !argument.startsWith(QLatin1String("--")) &&
                 argument.compare(QLatin1String("/K"), Qt::CaseInsensitive) != 0)
            line.file = argument;
        else
            line.ignored.append(argument);
    }
    return line;
}

}  // namespace quorlink
