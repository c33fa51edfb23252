// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of quorlink-cli: no display needed.
#include "cli.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    // Only printing draws text, and it draws off screen whatever display the
    // environment names: a missing or unknown one would abort the program.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && std::strcmp(argv[1], "print") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Quorlink"));
    quorlink::cli::InstallInterruptHandler();
    // The arguments as Qt read them (on Windows from the wide command line, so
    // that any file name comes through), in UTF-8 as PathOf takes them back.
    std::vector<std::string> args;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        args.push_back(argument.toStdString());
    return quorlink::cli::Run(args, {stdout, stderr});
}
