// Entry of the editor: reads the service-mode switch, builds the model and
// opens the main window.
#include "main_window.h"
#include "model.h"
#include "program_folder.h"
#include "widget_prompt.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorlink"));
    QApplication::setOrganizationName(QStringLiteral("Quorlink"));

    quorlink::Model model;
    model.DiagnosticMode = quorlink::IsDiagnosticCommandLine(quorlink::JoinCommandLine(argc, argv));
    quorlink::WidgetPrompt prompt;
    quorlink::MainWindow window(model, prompt, quorlink::ProgramFolder());
    prompt.SetParent(&window);
    window.show();
    return app.exec();
}
