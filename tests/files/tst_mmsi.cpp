// SPDX-License-Identifier: GPL-3.0-or-later
// What an MMSI is, the shipped table of MIDs, and the directories as a
// comma-separated list.
#include "codecs.h"
#include "directory_csv.h"
#include "mid_resource.h"
#include "mmsi.h"
#include "model.h"
#include "record_movers.h"
#include "support/sample_model.h"

#include <QTemporaryDir>
#include <QtTest>
#include <random>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace quorlink;

Q_DECLARE_METATYPE(quorlink::MmsiKind)
Q_DECLARE_METATYPE(quorlink::MmsiUse)
Q_DECLARE_METATYPE(quorlink::RowProblem)

namespace {

QString Country(const MmsiClass& c) { return c.country ? QString::fromStdString(c.country->name) : QString(); }

Model Fresh()
{
    Model model;
    model.ModelNumber = 1;
    NewModel(model);
    return model;
}

QList<int> Lines(const DirectoryImport& result, RowProblem problem)
{
    QList<int> lines;
    for (const RowReport& row : result.rows)
        if (row.problem == problem)
            lines << row.line;
    return lines;
}

}  // namespace

class TestMmsi : public QObject {
    Q_OBJECT

    const MidTable mids = LoadShippedMidTable();

private slots:
    void shippedTable_data()
    {
        QTest::addColumn<int>("mid");
        QTest::addColumn<QString>("iso");
        QTest::addColumn<QString>("country");
        QTest::newRow("211") << 211 << "DE" << "Germany";
        QTest::newRow("232") << 232 << "GB" << "United Kingdom";
        QTest::newRow("366") << 366 << "US" << "United States of America";
        QTest::newRow("503") << 503 << "AU" << "Australia";
        QTest::newRow("quoted comma") << 306 << "CW" << "Curacao, Sint Maarten, Bonaire, Sint Eustatius and Saba";
    }
    void shippedTable()
    {
        QFETCH(int, mid);
        QFETCH(QString, iso);
        QFETCH(QString, country);
        QVERIFY(mids.size() > 250);
        const MidCountry* found = mids.Find(mid);
        QVERIFY(found);
        QCOMPARE(QString::fromStdString(found->iso), iso);
        QCOMPARE(QString::fromStdString(found->name), country);
        QVERIFY(!mids.Find(299));
    }

    void spoiltTableIsEmpty()
    {
        std::string error;
        const MidTable table = MidTable::FromCsv("mid,iso,country\n211,DE,Germany\n21,XX,Short\n", &error);
        QCOMPARE(table.size(), 0);
        QCOMPARE(QString::fromStdString(error), QStringLiteral("line 3 is not mid,iso,country"));
    }

    void classify_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<MmsiKind>("kind");
        QTest::addColumn<int>("mid");
        QTest::addColumn<QString>("country");
        QTest::newRow("ship") << "366123456" << MmsiKind::Ship << 366 << "United States of America";
        QTest::newRow("group") << "021112345" << MmsiKind::Group << 211 << "Germany";
        QTest::newRow("coast") << "002320001" << MmsiKind::Coast << 232 << "United Kingdom";
        QTest::newRow("handheld") << "850312345" << MmsiKind::Handheld << 503 << "Australia";
        QTest::newRow("SAR aircraft") << "111232001" << MmsiKind::SarAircraft << 232 << "United Kingdom";
        QTest::newRow("aid to navigation") << "992111234" << MmsiKind::AidToNavigation << 211 << "Germany";
        QTest::newRow("craft of parent ship") << "983661234" << MmsiKind::ParentShipCraft << 366
                                              << "United States of America";
        QTest::newRow("AIS-SART") << "970123456" << MmsiKind::AisSart << -1 << "";
        QTest::newRow("man overboard") << "972123456" << MmsiKind::ManOverboard << -1 << "";
        QTest::newRow("EPIRB-AIS") << "974123456" << MmsiKind::EpirbAis << -1 << "";
        QTest::newRow("unallocated ship MID") << "299123456" << MmsiKind::Ship << 299 << "";
        QTest::newRow("unallocated coast MID") << "001231234" << MmsiKind::Coast << 123 << "";
        QTest::newRow("1 but not 111") << "123456789" << MmsiKind::Unknown << -1 << "";
        QTest::newRow("971") << "971123456" << MmsiKind::Unknown << -1 << "";
        QTest::newRow("eight digits") << "36612345" << MmsiKind::NotAnMmsi << -1 << "";
        QTest::newRow("ten digits") << "3661234560" << MmsiKind::NotAnMmsi << -1 << "";
        QTest::newRow("letter") << "36612345a" << MmsiKind::NotAnMmsi << -1 << "";
        QTest::newRow("blank") << "366 12345" << MmsiKind::NotAnMmsi << -1 << "";
        QTest::newRow("empty") << "" << MmsiKind::NotAnMmsi << -1 << "";
    }
    void classify()
    {
        QFETCH(QString, digits);
        const MmsiClass c = ClassifyMmsi(digits.toStdString(), mids);
        QFETCH(MmsiKind, kind);
        QCOMPARE(c.kind, kind);
        QFETCH(int, mid);
        QCOMPARE(c.mid, mid);
        QFETCH(QString, country);
        QCOMPARE(Country(c), country);
    }

    void notes_data()
    {
        QTest::addColumn<MmsiUse>("use");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warning");
        const MmsiUse own = MmsiUse::Own, individual = MmsiUse::Individual, group = MmsiUse::Group;
        QTest::newRow("own ship") << own << "366123456" << "Ship station · United States of America" << false;
        QTest::newRow("own handheld") << own << "821112345" << "Handheld with DSC · Germany" << false;
        QTest::newRow("own is a group")
            << own << "036612345" << "Starts with 0: a group number, not a ship's own MMSI" << true;
        QTest::newRow("own is a coast station")
            << own << "003661234" << "Starts with 00: a coast station's number, not a ship's own MMSI" << true;
        QTest::newRow("own is an EPIRB")
            << own << "974123456" << "Starts with 974: an EPIRB-AIS, not a ship's own MMSI" << true;
        QTest::newRow("unallocated") << own << "299123456" << "MID 299 is not allocated to any country" << true;
        QTest::newRow("unknown form") << own << "912345678" << "Starts with 91: not a kind of MMSI in use" << true;
        QTest::newRow("typing") << own << "36612" << "5 of 9 digits" << false;
        QTest::newRow("pasted letters") << own << "36612x456" << "Digits only" << true;
        QTest::newRow("empty") << own << "" << "" << false;
        QTest::newRow("station is a coast station") << individual << "002320001" << "Coast station · United Kingdom"
                                                    << false;
        QTest::newRow("station is an AIS-SART") << individual << "970123456" << "AIS-SART" << false;
        QTest::newRow("station is a group")
            << individual << "050312345" << "Starts with 0: a group number; it belongs in the group directory" << true;
        QTest::newRow("group") << group << "50312345" << "Group of stations · Australia" << false;
        QTest::newRow("group without MID") << group << "02320001" << "Group numbers start with 0 and a MID" << true;
        QTest::newRow("group with 1") << group << "12345678" << "Group numbers start with 0 and a MID" << true;
        QTest::newRow("group unallocated") << group << "29912345" << "MID 299 is not allocated to any country" << true;
        // A group's MID runs from 2xx to 7xx: the first and last MID in the table, and just past the last.
        QTest::newRow("group lowest MID") << group << "20112345" << "Group of stations · Albania" << false;
        QTest::newRow("group MID 7xx") << group << "79912345" << "MID 799 is not allocated to any country" << true;
        QTest::newRow("group MID 8xx") << group << "80012345" << "Group numbers start with 0 and a MID" << true;
        QTest::newRow("group typing") << group << "503" << "3 of 8 digits" << false;
    }
    void notes()
    {
        QFETCH(QString, typed);
        QFETCH(MmsiUse, use);
        const MmsiNote note = NoteForMmsi(typed.toStdString(), use, mids);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(note.text), text);
        QFETCH(bool, warning);
        QCOMPARE(note.warning, warning);
    }

    void exportThenImport()
    {
        Model source = Fresh();
        test::ApplySampleEdits(source);
        source.IndividualDirectory.at(3) = {true, "PILOT+1.*", "0023200010"};
        // A spreadsheet would run these as formulas.
        source.IndividualDirectory.at(4) = {true, "+1+1", "2110000010"};
        source.IndividualDirectory.at(5) = {true, "-A", "2110000020"};
        const QByteArray csv = FormatDirectoryCsv(source);
        QCOMPARE(csv, QByteArray("kind,mmsi,name\r\nindividual,366123456,SEA DOG\r\nindividual,235000001,TUG(2)\r\n"
                                 "individual,002320001,PILOT+1.*\r\nindividual,211000001,'+1+1\r\n"
                                 "individual,211000002,'-A\r\ngroup,036612345,FLEET\r\n"));
        Model target = Fresh();
        DirectoryImport result;
        QVERIFY(!ImportDirectoryCsv(target, csv, result));
        QCOMPARE(result.added, 6);
        QVERIFY(result.rows.empty());
        QVERIFY(target.IndividualDirectory == source.IndividualDirectory);
        QVERIFY(target.GroupDirectory == source.GroupDirectory);

        // Through files, and a second import finds every number there already.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("club.csv"));
        QVERIFY(!ExportDirectoryFile(source, path));
        QVERIFY(!ImportDirectoryFile(target, path, result));
        QCOMPARE(result.added, 0);
        QCOMPARE(Lines(result, RowProblem::Duplicate), (QList<int>{2, 3, 4, 5, 6, 7}));
        QVERIFY(ImportDirectoryFile(target, dir.path(), result));  // a folder is no list
    }

    // Only a regular file is read as a list; the rest is refused as every
    // other reader refuses it, before a pipe can wait for a writer. A list
    // has at most 1 MiB.
    void listOnlyFromARegularFile()
    {
        QTemporaryDir dir;
        const QString large = dir.filePath(QStringLiteral("large.csv"));
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray((1 << 20) + 1, '\n')) == (1 << 20) + 1);
        file.close();
        std::vector<std::tuple<QString, std::string, int>> refused{{dir.path(), "Is a directory", 75},
                                                                   {large, "Too large for a directory list", 57}};
#ifndef Q_OS_WIN
        const QString pipe = dir.filePath(QStringLiteral("pipe.csv"));
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        QVERIFY(QFile::link(pipe, dir.filePath(QStringLiteral("link.csv"))));
        for (const QString& path : {pipe, dir.filePath(QStringLiteral("link.csv")), QStringLiteral("/dev/zero")})
            refused.emplace_back(path, "not a regular file", 75);
#endif
        for (const auto& [path, reason, number] : refused) {
            Model model = Fresh();
            DirectoryImport result;
            const Fault fault = ImportDirectoryFile(model, path, result);
            QVERIFY2(fault.description == reason && fault.number == number, fault.description.c_str());
            QCOMPARE(CountUsedEntries(model.IndividualDirectory), 0);
        }
    }

    void everyReason()
    {
        Model model = Fresh();
        model.IndividualDirectory.at(1) = {true, "OWN", "2111111110"};
        for (int i = 1; i <= 9; ++i)
            model.GroupDirectory.at(i) = {true, "G", "0" + std::to_string(21100000 + i) + "0"};
        const QByteArray csv = "\xEF\xBB\xBF" "Kind,MMSI,Name\r\n"
                               "individual,366123456\r\n"                    // 2 two fields
                               "individual,211111111,OTHER\r\n"              // 3 already entry 1
                               "individual,366123456,AGAIN\r\n"              // 4 taken
                               "ship,366000001,X\r\n"                        // 5 kind
                               "individual,36612345,X\r\n"                   // 6 eight digits
                               "individual,3661234567,X\r\n"                 // 7 ten digits
                               "group,366123456,X\r\n"                       // 8 a group starts with 0
                               "individual,366000002,X,EXTRA\r\n"            // 9 four fields: taken, said once
                               "individual\r\n"                              // 10 one field
                               "individual,366000003,\"Zo\xC3\xAB O'Brien-Stra\xC3\x9F" "e\"\r\n"  // 11 changed
                               "group,21100010,LAST\r\n"                     // 12 eight digits: the 0 added
                               "group,021100011,FULL\r\n"                    // 13 full
                               "individual,366000004,\"Open\r\n"             // 14 quote never closed
                               "individual,366000005,Next,more\r\n"          // 15 lower case is no change
                               "individual,366000006,\xD0\x9B\xD0\xBE\r\n"     // 16 no letter a radio has
                               "individual,366000007,FAR TOO LONG\r\n";       // 17 cut
        DirectoryImport result;
        QVERIFY(!ImportDirectoryCsv(model, csv, result));
        QCOMPARE(result.added, 7);
        QCOMPARE(Lines(result, RowProblem::Duplicate), (QList<int>{3}));
        QCOMPARE(Lines(result, RowProblem::BadKind), (QList<int>{5}));
        QCOMPARE(Lines(result, RowProblem::BadNumber), (QList<int>{6, 7, 8}));
        QCOMPARE(Lines(result, RowProblem::BadRow), (QList<int>{2, 10, 14}));
        QCOMPARE(Lines(result, RowProblem::ExtraColumns), (QList<int>{9}));
        QCOMPARE(Lines(result, RowProblem::NameChanged), (QList<int>{11, 16}));
        QCOMPARE(Lines(result, RowProblem::NameCut), (QList<int>{17}));
        QCOMPARE(Lines(result, RowProblem::ListFull), (QList<int>{13}));
        QCOMPARE(DescribeRow(result.rows[0]), QStringLiteral("line 2: not the three fields kind,mmsi,name"));
        QCOMPARE(result.rows[8].detail, QString::fromUtf8("name \"Zo\u00eb O'Brien-Stra\u00dfe\" taken as \"ZOE O BRIE\""));
        QCOMPARE(DescribeRow(result.rows[9]), QStringLiteral("line 13: the group directory is full, 021100011 not added"));
        const Directory& individual = model.IndividualDirectory;
        QVERIFY(individual.at(1) == (DirectoryEntry{true, "OWN", "2111111110"}));
        QVERIFY(individual.at(2) == (DirectoryEntry{true, "AGAIN", "3661234560"}));
        QVERIFY(individual.at(3) == (DirectoryEntry{true, "X", "3660000020"}));
        QVERIFY(individual.at(4) == (DirectoryEntry{true, "ZOE O BRIE", "3660000030"}));
        QVERIFY(individual.at(5) == (DirectoryEntry{true, "NEXT", "3660000050"}));
        QVERIFY(individual.at(6) == (DirectoryEntry{true, "", "3660000060"}));
        QVERIFY(!individual.at(8).Enable);
        QVERIFY(model.GroupDirectory.at(10) == (DirectoryEntry{true, "LAST", "0211000100"}));
    }

    // Lists as spreadsheets save them in other languages and on Windows.
    void spreadsheetDialects_data()
    {
        QTest::addColumn<QByteArray>("csv");
        const QByteArray zoe = "Zo\xC3\xAB \xC5\xA0" "an";
        QTest::newRow("semicolons") << QByteArray("kind;mmsi;name\r\nindividual;366000001;" + zoe + "\r\n");
        QTest::newRow("tabs") << QByteArray("\"kind\"\tmmsi\tname\nindividual\t366000001\t\"" + zoe + "\"\n");
        QTest::newRow("Windows-1252") << QByteArray("kind,mmsi,name\r\nindividual,366000001,Zo\xEB \x8A" "an\r\n");
        QTest::newRow("notes") << QByteArray("\xEF\xBB\xBFkind,mmsi,name,notes\nindividual,366000001," + zoe + ",met 2024\n");
    }

    void spreadsheetDialects()
    {
        QFETCH(QByteArray, csv);
        Model model = Fresh();
        DirectoryImport result;
        QVERIFY(!ImportDirectoryCsv(model, csv, result));
        QVERIFY(model.IndividualDirectory.at(1) == (DirectoryEntry{true, "ZOE SAN", "3660000010"}));
        QCOMPARE(result.rows.back().detail, QString::fromUtf8("name \"Zo\u00eb \u0160an\" taken as \"ZOE SAN\""));
        QCOMPARE(Lines(result, RowProblem::ExtraColumns), csv.contains("notes") ? QList<int>{1} : QList<int>{});
    }

    void twoHundredRows()
    {
        Model model = Fresh();
        QByteArray csv = "kind,mmsi,name\n";
        for (int i = 0; i < 200; ++i)
            csv += "individual," + QByteArray::number(366000000 + i) + ",STATION " + QByteArray::number(i) + "\n";
        DirectoryImport result;
        QVERIFY(!ImportDirectoryCsv(model, csv, result));
        QCOMPARE(result.added, 40);
        QCOMPARE(result.rows.size(), std::size_t(160));
        QCOMPARE(Lines(result, RowProblem::ListFull).first(), 42);
        QCOMPARE(Lines(result, RowProblem::ListFull).last(), 201);
        QVERIFY(model.IndividualDirectory.at(40) == (DirectoryEntry{true, "STATION 39", "3660000390"}));
    }

    // Spoilt lists: quotes left open, stray bytes, cut lines. Whatever comes,
    // the used entries stay unbroken and hold only what the pages would take.
    void spoiltListsKeepTheDirectorySound()
    {
        const QByteArray good = "kind,mmsi,name\nindividual,366123456,\"A \"\"B\"\"\"\ngroup,036612345,FLEET\n";
        std::mt19937 random(17);
        for (int round = 0; round < 2000; ++round) {
            QByteArray csv = good;
            for (int n = random() % 6; n > 0; --n)
                csv[int(random() % csv.size())] = char(random() % 256);
            Model model = Fresh();
            DirectoryImport result;
            ImportDirectoryCsv(model, csv, result);
            for (DirectoryKind kind : {DirectoryKind::Individual, DirectoryKind::Group}) {
                const Directory& d = model.DirectoryOf(kind);
                const int used = CountUsedEntries(d);
                for (int i = 1; i <= d.size(); ++i) {
                    QCOMPARE(d.at(i).Enable, i <= used);
                    if (i <= used)
                        QVERIFY(StoredDirectoryMmsi(kind, d.at(i).Mmsid.substr(0, 9)) == d.at(i).Mmsid);
                    QVERIFY(d.at(i).TagName.size() <= 10);
                    for (char c : d.at(i).TagName)
                        QVERIFY(IsNameChar(c));
                }
            }
        }
    }

    // The first line is a header when its MMSI field is not digits, whatever
    // its words; a list without one is read from its first line. A first
    // line of fewer than three fields under every separator is no list.
    void listStarts_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("added");
        QTest::addColumn<QList<int>>("refused");
        QTest::newRow("other words") << QByteArray("Typ;MMSI;Name\r\nindividual;366000001;A\r\ngroup;12;B\r\n") << 1
                                     << QList<int>{3};
        QTest::newRow("no header") << QByteArray("individual,366000001,A\ngroup,036600001,B\nship,1,C\n") << 2
                                   << QList<int>{3};
        QTest::newRow("no header, tabs") << QByteArray("\nindividual\t366000001\tA, B\n") << 1 << QList<int>{};
        QTest::newRow("header only") << QByteArray("kind,mmsi,name\n") << 0 << QList<int>{};
    }

    void listStarts()
    {
        QFETCH(QByteArray, csv);
        Model model = Fresh();
        DirectoryImport result;
        QVERIFY(!ImportDirectoryCsv(model, csv, result));
        QTEST(result.added, "added");
        QList<int> refused;
        for (const RowReport& row : result.rows)
            if (IsRefused(row.problem))
                refused << row.line;
        QTEST(refused, "refused");
        QCOMPARE(model.IndividualDirectory.at(1).Enable, result.added > 0);
    }

    void notAList()
    {
        Model model = Fresh();
        const Model before = Fresh();
        DirectoryImport result;
        for (const QByteArray& csv : {QByteArray(), QByteArray("Dear members,\nthe list follows.\n")})
            QVERIFY(ImportDirectoryCsv(model, csv, result));
        QVERIFY(model.IndividualDirectory == before.IndividualDirectory);
    }

    // A report stays on its line whatever the row holds.
    void reportOnOneLine()
    {
        Model model = Fresh();
        DirectoryImport result;
        QVERIFY(!ImportDirectoryCsv(model, "kind,mmsi,name\nindividual,366000001,\"Sea\r\nDog\tX\"\n", result));
        QCOMPARE(DescribeRow(result.rows.at(0)), QStringLiteral("line 2: name \"Sea\\x0D\\x0ADog\\x09X\" taken as \"SEA DOG X\""));
    }
};

QTEST_GUILESS_MAIN(TestMmsi)
#include "tst_mmsi.moc"
