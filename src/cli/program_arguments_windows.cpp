// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"

#include <QCoreApplication>
#include <QStringList>

namespace quorlink::cli {

// argv holds the names in the system's code page, which lacks most of them;
// Qt reads the wide command line instead.
std::vector<std::string> ProgramArguments(int, char*[])
{
    std::vector<std::string> args;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        args.push_back(argument.toStdString());
    return args;
}

}  // namespace quorlink::cli
