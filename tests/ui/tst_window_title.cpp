// SPDX-License-Identifier: GPL-3.0-or-later
// The caption of the main window.
#include "model.h"
#include "window_title.h"

#include <QtTest>

using namespace quorlink;

class TestWindowTitle : public QObject {
    Q_OBJECT

private slots:
    void title_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("new data") << "" << "RV48  Quorlink";
        QTest::newRow("unix path") << "/home/skipper/Boat1.DAT" << "RV48  Quorlink - boat1.dat";
        QTest::newRow("backslash path") << "C:\\Radio\\Boat2.Dat" << "RV48  Quorlink - boat2.dat";
        QTest::newRow("bare name") << "Boat3.hex" << "RV48  Quorlink - boat3.hex";
        QTest::newRow("Cyrillic") << QStringLiteral("/home/u/Лодка.dat") << QStringLiteral("RV48  Quorlink - лодка.dat");
        QTest::newRow("accented") << QStringLiteral("/home/u/Boét.dat") << QStringLiteral("RV48  Quorlink - boét.dat");
    }

    void title()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        Model model;
        model.CurrentFilePath = path.toStdString();
        QCOMPARE(WindowTitle(model), title);
    }
};

QTEST_APPLESS_MAIN(TestWindowTitle)
#include "tst_window_title.moc"
