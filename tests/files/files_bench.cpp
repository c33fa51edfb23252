// SPDX-License-Identifier: GPL-3.0-or-later
// Times opening and saving a full data file.
#include "data_file.h"
#include "model.h"
#include "support/sample_model.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class SilentPrompt : public quorlink::Prompt {
public:
    quorlink::Answer Message(const QString&, const QString&, quorlink::MessageIcon,
                             quorlink::MessageButtons) override
    {
        return quorlink::Answer::Ok;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    using namespace quorlink;
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    SilentPrompt prompt;
    const ErrorLog log(dir.path());
    const FileContext context{prompt, log, 0};
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
    for (int i = 0; i < kRuns; ++i)
        FileRead2(model, path, context);
    const double openMs = timer.nsecsElapsed() / 1e6 / kRuns;
    std::printf("save data file  %7.3f ms per call\nopen data file  %7.3f ms per call\n", saveMs, openMs);
    return model.ErrorFlag ? 1 : 0;
}
