// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of every kind of page of the main window, at the initial
// size and maximised, plus the about box and the dialogs, for looking at the layout.
//   quorlink-screenshots OUTPUT_FOLDER
#include "about_box.h"
#include "language.h"
#include "main_window.h"
#include "model.h"
#include "port_dialog.h"
#include "prompt.h"
#include "report_window.h"
#include "transfer_dialog.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>
#include <cstdio>
#include <cstring>

namespace {

class SilentPrompt : public quorlink::Prompt {
public:
    quorlink::Answer Message(const QString&, const QString&, quorlink::MessageIcon, quorlink::MessageButtons) override
    {
        return quorlink::Answer::Ok;
    }
};

// A programming cable on ttyUSB0 beside a built-in port, as the port dialog lists them.
class ShotPorts : public quorlink::PortList {
public:
    QList<quorlink::PortInfo> Ports() const override
    {
        quorlink::PortInfo cable;
        cable.device = QStringLiteral("/dev/ttyUSB0");
        cable.byIdLink = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K1234-if00-port0");
        cable.manufacturer = QStringLiteral("FTDI");
        cable.description = QStringLiteral("FT232R USB UART");
        cable.vendorId = 0x0403;
        cable.productId = 0x6001;
        cable.usb = true;
        quorlink::PortInfo builtIn;
        builtIn.device = QStringLiteral("/dev/ttyS0");
        return {cable, builtIn};
    }
};

struct Shot {
    const char* file;
    const char* key;
    int modelNumber;
    int tab;  // settings page tab, -1 for none
};

const Shot kShots[] = {
    {"usa-list", "PU", 1, -1},        {"exp-list", "E", 1, -1},
    {"channel", "PU 13", 1, -1},      {"exp-channel", "E 3", 1, -1},
    {"wx", "PW", 1, -1},              {"ab-mr7100a", "P", 1, -1},
    {"ab-mr5100a", "P", 0, -1},       {"settings-radio", "S", 1, 0},
    {"settings-dsc", "S", 1, 1},      {"individual-list", "SM", 1, -1},
    {"individual-entry", "SM 1", 1, -1}, {"group-entry", "SG 1", 1, -1},
    {"mmsi-note", "S", 1, 1},
};

void SelectTab(QWidget& window, int tab)
{
    if (auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tbsFNE")))
        tabs->setCurrentIndex(tab);
    else if (auto* bar = window.findChild<QTabBar*>(QStringLiteral("tbsFNE")))
        bar->setCurrentIndex(tab);
}

bool Save(QWidget& widget, const QString& path)
{
    QApplication::processEvents();
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

void ExpandTo(QTreeWidget* tree, QTreeWidgetItem* node)
{
    for (QTreeWidgetItem* up = node ? node->parent() : nullptr; up; up = up->parent())
        tree->expandItem(up);
}


// One page as the window shows it, into out/<name>.png.
bool ShootPage(const Shot& shot, const QString& name, bool maximised, SilentPrompt& prompt, const QString& folder,
               const QDir& out)
{
    QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink"))
        .setValue(QStringLiteral("ModelPath/ModelNum"), shot.modelNumber);
    quorlink::Model model;
    quorlink::MainWindow window(model, prompt, folder, {0, 0});
    model.IndividualDirectory.at(1) = {true, "SEA DOG", "3661234560"};
    model.GroupDirectory.at(1) = {true, "FLEET", "0366123450"};
    model.Settings.UserMmsid = "3661234560";
    maximised ? window.showMaximized() : window.show();
    QApplication::processEvents();
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("tvTreeView"));
    ExpandTo(tree, window.Tree().ItemByKey(QLatin1String(shot.key)));
    window.SelectNodeByKey(QLatin1String(shot.key));
    window.RefreshCurrentPage();  // the first page was filled before the data above
    if (shot.tab >= 0)
        SelectTab(window, shot.tab);
    return Save(window, out.filePath(name + QStringLiteral(".png")));
}

// The USA list and the radio settings in other languages ("-fr"), or as they
// are (run with QT_SCALE_FACTOR=2: "-200").
bool ShootLanguages(const QStringList& languages, SilentPrompt& prompt, const QString& folder, const QDir& out)
{
    bool ok = true;
    for (const QString& language : languages) {
        const bool english = language == QLatin1String("en");
        if (!english)
            quorlink::InstallTranslations(language);
        for (const Shot& shot : kShots) {
            const QString file = QLatin1String(shot.file);
            if (file == QLatin1String("usa-list") || file == QLatin1String("settings-radio"))
                ok = ShootPage(shot, file + QLatin1Char('-') + (english ? QStringLiteral("200") : language), false,
                               prompt, folder, out) && ok;
        }
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    return ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 && !(argc == 3 && std::strcmp(argv[2], "--scaled") == 0)) {
        std::fprintf(stderr, "usage: quorlink-screenshots OUTPUT_FOLDER [--scaled]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    SilentPrompt prompt;
    if (argc == 3)
        return ShootLanguages({QStringLiteral("en")}, prompt, settings.path(), out) ? 0 : 1;
    bool ok = true;
    for (bool maximised : {false, true}) {
        for (const Shot& shot : kShots) {
            const QString name = QLatin1String(shot.file) + (maximised ? QStringLiteral("-max") : QString());
            ok = ShootPage(shot, name, maximised, prompt, settings.path(), out) && ok;
        }
    }
    ok = ShootLanguages({QStringLiteral("fr"), QStringLiteral("de")}, prompt, settings.path(), out) && ok;
    quorlink::Model model;
    quorlink::MainWindow window(model, prompt, settings.path(), {0, 0});
    quorlink::AboutBox about(model, &window);
    about.show();
    ok = Save(about, out.filePath(QStringLiteral("about.png"))) && ok;
    {
        quorlink::ReportWindow report(model, prompt, &window, 0);
        report.show();
        QTest::qWait(50);
        ok = Save(report, out.filePath(QStringLiteral("report-window.png"))) && ok;
    }
    const quorlink::ErrorLog log(settings.path());
    for (auto mode : {quorlink::TransferMode::Read, quorlink::TransferMode::Program}) {
        quorlink::TransferDialog dialog(model, prompt, log, mode, {}, &window);
        dialog.show();
        dialog.SetProgress(40);
        const bool read = mode == quorlink::TransferMode::Read;
        ok = Save(dialog, out.filePath(read ? QStringLiteral("transfer-read.png") : QStringLiteral("transfer-program.png"))) && ok;
    }
    {
        const ShotPorts ports;
        quorlink::PortDialog dialog(ports, 1, {}, prompt, &window);
        dialog.show();
        ok = Save(dialog, out.filePath(QStringLiteral("port-dialog.png"))) && ok;
    }
    return ok ? 0 : 1;
}
