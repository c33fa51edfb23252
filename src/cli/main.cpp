// Entry of quorlink-cli: no display needed.
#include "cli.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorlink"));
    quorlink::cli::InstallInterruptHandler();
    std::vector<std::string> args(argv + 1, argv + argc);
    return quorlink::cli::Run(args, {stdout, stderr});
}
