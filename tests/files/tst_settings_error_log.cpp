// SPDX-License-Identifier: GPL-3.0-or-later
// Per-user settings and the service mode's error log.
#include "error_log.h"
#include "fault.h"
#include "language.h"
#include "model.h"
#include "settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorlink;

class TestSettingsErrorLog : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }

    void init() { QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink")).clear(); }

    void firstStartDefaults()
    {
        Model model;
        model.PortNumber = 3;
        model.ModelNumber = 1;
        SettingsStore::Load(model);
        QCOMPARE(int(model.PortNumber), 1);
        QCOMPARE(model.ModelNumber, 0);
        QVERIFY(!SettingsStore::Placement());
    }

    void storedValues()
    {
        SettingsStore::StorePortNumber(4);
        SettingsStore::StoreModelNumber(1);
        Model model;
        SettingsStore::Load(model);
        QCOMPARE(int(model.PortNumber), 4);
        QCOMPARE(model.ModelNumber, 1);
        QSettings raw(QStringLiteral("Quorlink"), QStringLiteral("Quorlink"));
        QCOMPARE(raw.value(QStringLiteral("ComPath/ComNum")).toString(), QStringLiteral("4"));
        QCOMPARE(raw.value(QStringLiteral("ModelPath/ModelNum")).toString(), QStringLiteral("1"));
    }

    void valuesThatAreNotNumbers()
    {
        QSettings raw(QStringLiteral("Quorlink"), QStringLiteral("Quorlink"));
        raw.setValue(QStringLiteral("ComPath/ComNum"), QStringLiteral("two"));
        raw.setValue(QStringLiteral("ModelPath/ModelNum"), QStringLiteral("99999"));
        raw.sync();
        Model model;
        SettingsStore::Load(model);
        QCOMPARE(int(model.PortNumber), 1);
        QCOMPARE(model.ModelNumber, 0);
    }

    void placement()
    {
        SettingsStore::StorePlacement(QRectF(1440, 720.5, 9000, 7000));
        const std::optional<QRectF> stored = SettingsStore::Placement();
        QVERIFY(stored);
        QCOMPARE(*stored, QRectF(1440, 720.5, 9000, 7000));
    }

    void portDevice()
    {
        QCOMPARE(SettingsStore::PortDevice(2), QString());
        SettingsStore::StorePortDevice(2, QStringLiteral("/dev/ttyUSB7"));
        QCOMPARE(SettingsStore::PortDevice(2), QStringLiteral("/dev/ttyUSB7"));
    }

    // Locale names as systems write them, and which variable speaks first.
    void languageOfEnvironment()
    {
        const char* const names[][2] = {{"fr_CA.UTF-8", "fr"}, {"pt", "pt_BR"},       {"pt_PT", "pt_BR"}, {"de-AT", "de"},
                                        {"C", "en"},           {"POSIX", "en"},       {"es_MX@euro", "es"}, {"", "en"}};
        for (const auto& name : names)
            QCOMPARE(OfferedLanguageFor(QLatin1String(name[0])), QLatin1String(name[1]));
#ifndef Q_OS_WIN
        const char* const variables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
        // LC_ALL, LC_MESSAGES, LANG (empty: unset), and the language they make.
        const char* const environments[][4] = {
            {"", "fr_FR.UTF-8", "", "fr"}, {"C", "", "de_DE.UTF-8", "en"}, {"", "", "pt_PT.UTF-8", "pt_BR"},
            {"", "", "", "en"},            {"", "C", "de_DE", "en"},
        };
        QByteArray kept[3];
        for (int i = 0; i < 3; ++i)
            kept[i] = qgetenv(variables[i]);
        for (const auto& environment : environments) {
            for (int i = 0; i < 3; ++i)
                *environment[i] ? qputenv(variables[i], environment[i]) : qunsetenv(variables[i]);
            QCOMPARE(LanguageOfEnvironment(), QLatin1String(environment[3]));
        }
        for (int i = 0; i < 3; ++i)
            kept[i].isNull() ? qunsetenv(variables[i]) : qputenv(variables[i], kept[i]);
#endif
    }

    void errorLog()
    {
        QTemporaryDir logDir;
        const ErrorLog log(logDir.path());
        log.Write(false, QStringLiteral("frmRadio.PortOpen"), Fault{8002, "Invalid port number"});
        QVERIFY(!QFile::exists(log.Path()));
        log.Write(true, QStringLiteral("frmRadio.PortOpen"), Fault{8002, "Invalid port number"});
        log.Write(true, QStringLiteral("frmMain.SaveFileAs"), Fault{75, "Path/File access error"});
        QFile file(log.Path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].endsWith(":frmRadio.PortOpen -> 8002Invalid port number\r"));
        QVERIFY(lines[1].endsWith(":frmMain.SaveFileAs -> 75Path/File access error\r"));
        QVERIFY(lines[0].indexOf(',') > 0);
        QVERIFY(lines[2].isEmpty());
    }

    void errorLogInMissingFolderIsSilent()
    {
        const ErrorLog log(dir.filePath(QStringLiteral("gone/away")));
        log.Write(true, QStringLiteral("frmMain.FileRead2"), Fault{53, "File not found"});
        QVERIFY(!QFile::exists(log.Path()));
    }
};

QTEST_GUILESS_MAIN(TestSettingsErrorLog)
#include "tst_settings_error_log.moc"
