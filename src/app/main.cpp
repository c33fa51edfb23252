// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the editor: reads the command line, builds the model and opens
// the main window.
#include "backups.h"
#include "command_line.h"
#include "language.h"
#include "main_window.h"
#include "model.h"
#include "program_folder.h"
#include "program_icon.h"
#include "settings_store.h"
#include "widget_prompt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

namespace {

struct EditorMainTexts {
    Q_DECLARE_TR_FUNCTIONS(EditorMainTexts)
};

QStringList Arguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Answered before any window exists, so that they work without a display.
    const quorlink::EditorCommandLine early = quorlink::ParseEditorCommandLine(Arguments(argc, argv));
    if (early.version) {
        std::printf("Quorlink %s\n", QUORLINK_VERSION);
        return 0;
    }
    if (early.help) {
        std::fputs(quorlink::kEditorUsage, stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorlink"));
    QApplication::setOrganizationName(QStringLiteral("Quorlink"));
    QApplication::setApplicationVersion(QStringLiteral(QUORLINK_VERSION));
    QApplication::setWindowIcon(quorlink::ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("quorlink"));
    // The settings are found by the names above; a missing translation leaves the words English.
    quorlink::InstallTranslations(quorlink::LanguageOfThisRun(quorlink::SettingsStore::Language()));

    const quorlink::EditorCommandLine line = quorlink::ParseEditorCommandLine(QApplication::arguments().mid(1));
    if (!line.ignored.isEmpty())
        std::fprintf(stderr, "%s\n",
                     qPrintable(EditorMainTexts::tr("quorlink: ignored: %1").arg(line.ignored.join(QLatin1Char(' ')))));
    quorlink::Model model;
    model.DiagnosticMode = line.diagnostic;
    const QString folder = quorlink::ProgramFolder();
    quorlink::WidgetPrompt prompt;
    prompt.AddSidebarFolder(quorlink::BackupsFolder(quorlink::DataFolder()));
    quorlink::MainWindow window(model, prompt, folder);
    prompt.SetParent(&window);
    window.show();
    if (!line.file.isEmpty()) {
        const QString path = QFileInfo(line.file).absoluteFilePath();
        QTimer::singleShot(0, &window, [&window, path] { window.OpenDataFile(path); });
    }
    return app.exec();
}
