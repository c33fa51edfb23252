// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of quorlink-cli: no display needed.
#include "arguments.h"
#include "cli.h"
#include "language.h"

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
    quorlink::InstallTranslations(quorlink::LanguageOfEnvironment());
    quorlink::cli::InstallInterruptHandler();
    // argc and argv as the application left them: without Qt's own options.
    const std::vector<std::string> args = quorlink::cli::ProgramArguments(argc, argv);
    return quorlink::cli::Run(args, {stdout, stderr});
}
