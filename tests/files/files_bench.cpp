// SPDX-License-Identifier: GPL-3.0-or-later
// Times opening and saving a full data file.
#include "data_file.h"
#include "model.h"
#include "support/sample_model.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    using namespace quorlink;
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const ErrorLog log(dir.path());
    const FileContext context{log, 0};
    Model model;
    NewModel(model);
    test::ApplySampleEdits(model);
    const QString path = dir.filePath(QStringLiteral("bench.dat"));
    constexpr int kRuns = 200;

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRuns; ++i)
        SaveFileAs(model, path, context);
    const double saveMs = timer.nsecsElapsed() / 1e6 / kRuns;
    timer.restart();
    bool opened = true;
    for (int i = 0; i < kRuns; ++i)
        opened = FileRead2(model, path, context).done() && opened;
    const double openMs = timer.nsecsElapsed() / 1e6 / kRuns;
    std::printf("save data file  %7.3f ms per call\nopen data file  %7.3f ms per call\n", saveMs, openMs);
    return opened ? 0 : 1;
}
