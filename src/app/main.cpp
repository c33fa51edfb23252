// Entry of the editor: reads the service-mode switch, builds the model and
// opens the window.
#include "model.h"
#include "window_title.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorlink"));

    quorlink::Model model;
    model.DiagnosticMode = quorlink::IsDiagnosticCommandLine(quorlink::JoinCommandLine(argc, argv));
    if (quorlink::Fault fault = quorlink::NewModel(model)) {
        QMessageBox::critical(nullptr, QStringLiteral("Quorlink"),
                              QString::number(fault.number) + QStringLiteral("\n\n") +
                                  QString::fromStdString(fault.description));
        return 1;
    }

    QMainWindow window;
    window.setObjectName(QStringLiteral("frmMain"));
    window.setWindowTitle(quorlink::WindowTitle(model));
    window.setCentralWidget(new QLabel(QString::fromStdString(model.ModelName()), &window));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
