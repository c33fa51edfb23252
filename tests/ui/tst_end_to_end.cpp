// Edits made on every page survive a data file and a trip through the radio.
#include "main_window_fixture.h"
#include "radio_emulator.h"
#include "transfer_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace quorlink;

namespace {

void Choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setFocus();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void Type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

}  // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<test::MainWindowFixture> f;

    template <class T = QWidget>
    T* W(const char* name) const
    {
        T* widget = f->Find<T>(name);
        if (!widget)
            qWarning("no widget %s", name);
        return widget;
    }
    void Show(const char* key) const { f->window->SelectNodeByKey(QLatin1String(key)); }
    void Click(const char* name) const { QTest::mouseClick(W(name), Qt::LeftButton, {}, QPoint(4, 6)); }

    void OpenFresh()
    {
        f = std::make_unique<test::MainWindowFixture>();
        QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink")).setValue(QStringLiteral("ModelPath/ModelNum"), 1);
        f->Open();
        f->window->SetTransferTimings({300, 120, 10, 0});
    }

    void EditEveryPage()
    {
        Show("P");
        Choose(W<QComboBox>("cmbAUSA"), QStringLiteral("68"));
        Show("PU 0");
        Type(W<QLineEdit>("txtCTag"), QStringLiteral("home"));
        Click("chkCVSmemory");
        Show("E 3");
        W<QComboBox>("cmbCN")->setFocus();
        QTest::keyClick(W<QComboBox>("cmbCN"), Qt::Key_Down);
        QTest::keyClick(W<QComboBox>("cmbCN"), Qt::Key_Down);
        Show("PW");
        W("chkDEnable(2)")->setFocus();
        QTest::keyClick(W("chkDEnable(2)"), Qt::Key_Space);
        Show("S");
        Choose(W<QComboBox>("cmbFDim"), QStringLiteral("LO"));
        W<QTabWidget>("tbsFNE")->setCurrentIndex(1);
        Type(W<QLineEdit>("txtFUser"), QStringLiteral("366123456"));
        QTest::keyClick(W("txtFUser"), Qt::Key_Tab);
        Show("SM 1");
        Click("chkGEnable");
        Type(W<QLineEdit>("txtGPosi"), QStringLiteral("sea dog"));
        Type(W<QLineEdit>("txtGMMSI"), QStringLiteral("235000001"));
        QTest::keyClick(W("txtGMMSI"), Qt::Key_Tab);
        Show("SG 1");
        Click("chkGEnable");
        Type(W<QLineEdit>("txtGMMSI"), QStringLiteral("36612345"));
        QTest::keyClick(W("txtGMMSI"), Qt::Key_Tab);
        f->window->SelectNodeByKey(QStringLiteral("S"));
    }

    // Every edit, seen on its own page.
    void FindEveryEdit()
    {
        Show("P");
        QCOMPARE(W<QComboBox>("cmbAUSA")->currentText(), QStringLiteral("68"));
        Show("PU 0");
        QCOMPARE(W<QLineEdit>("txtCTag")->text(), QStringLiteral("HOME"));
        QVERIFY(W<QCheckBox>("chkCVSmemory")->isChecked());
        Show("E 3");
        QCOMPARE(W<QComboBox>("cmbCN")->currentText(), QStringLiteral("2"));
        QVERIFY(W<QCheckBox>("chkCEnable")->isChecked());
        Show("PW");
        QVERIFY(!W<QCheckBox>("chkDEnable(2)")->isChecked());
        Show("S");
        QCOMPARE(W<QComboBox>("cmbFDim")->currentText(), QStringLiteral("LO"));
        QCOMPARE(W<QLineEdit>("txtFUser")->text(), QStringLiteral("366123456"));
        Show("SM 1");
        QCOMPARE(W<QLineEdit>("txtGPosi")->text(), QStringLiteral("SEA DOG"));
        QCOMPARE(W<QLineEdit>("txtGMMSI")->text(), QStringLiteral("235000001"));
        Show("SG 1");
        QCOMPARE(W<QLineEdit>("txtGMMSI")->text(), QStringLiteral("36612345"));
    }

    void RunDialog(const char* action)
    {
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        f->Trigger(action);
        QCOMPARE(f->prompt.shown.last().text, QStringLiteral("Complete!!"));
    }

private slots:
    void editsSurviveFileAndRadio()
    {
        OpenFresh();
        EditEveryPage();
        QCOMPARE(f->model.Settings.UserMmsid, std::string("3661234560"));
        QCOMPARE(f->model.GroupDirectory.at(1).Mmsid, std::string("0366123450"));
        QVERIFY(f->prompt.shown.isEmpty());
        const QString path = dir.filePath(QStringLiteral("boat.dat"));
        f->prompt.fileNames.enqueue(path);
        f->Trigger("mnuFileSaveAs");
        QVERIFY(QFile::exists(path));
        const Model edited = f->model;

        OpenFresh();
        f->prompt.fileNames.enqueue(path);
        f->Trigger("mnuFileOpen");
        QCOMPARE(f->window->windowTitle(), QStringLiteral("RV48  Quorlink - boat.dat"));
        FindEveryEdit();

        sim::RadioEmulator radio(sim::kCode7100);
        QVERIFY(radio.Start());
        SettingsStore::StorePortDevice(1, radio.SlavePath());
        RunDialog("mnuTransferProgram");

        OpenFresh();
        SettingsStore::StorePortDevice(1, radio.SlavePath());
        RunDialog("mnuTransferRead");
        FindEveryEdit();
        QVERIFY(f->model.Settings == edited.Settings);
        QVERIFY(f->model.UsaChannels == edited.UsaChannels);
        QVERIFY(f->model.WxChannels == edited.WxChannels);
        QVERIFY(f->model.IndividualDirectory == edited.IndividualDirectory);
        QVERIFY(f->model.GroupDirectory == edited.GroupDirectory);
        QCOMPARE(f->model.Special.Ach(Region::Usa), edited.Special.Ach(Region::Usa));
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
