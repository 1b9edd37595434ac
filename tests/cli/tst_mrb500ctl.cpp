#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "CtlProcess.h"

namespace {

QStringList keys(const QJsonObject &o) {
    QStringList k = o.keys();
    k.sort();
    return k;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

} // namespace

class TestMrb500Ctl : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString file(const QString &name, const QByteArray &content) {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(content);
        return path;
    }

private Q_SLOTS:
    void dump_school_printsEveryFieldAsContracted() {
        const Run run = ctl({QStringLiteral("dump"), example("school.xml")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QJsonParseError parseError;
        const QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8(), &parseError).object();
        QCOMPARE(parseError.error, QJsonParseError::NoError);

        QCOMPARE(keys(o), sorted({"num_zones", "elements", "generalConfig", "webServer", "smtp",
                                  "maneuvers"}));
        QCOMPARE(o[QStringLiteral("num_zones")].toInt(), 12);
        const QJsonArray elements = o[QStringLiteral("elements")].toArray();
        QCOMPARE(elements.size(), 3);
        QCOMPARE(keys(elements[2].toObject()), sorted({"address", "type"}));
        QCOMPARE(elements[2].toObject()[QStringLiteral("address")].toInt(), 2);
        // Each setting's key and value are the field table's (tst_fieldtable); two of them
        // as read from the file.
        QCOMPARE(o[QStringLiteral("webServer")].toObject()[QStringLiteral("IP")].toDouble(),
                 3232238130.0); // 192.168.10.50
        QCOMPARE(o[QStringLiteral("smtp")].toObject()[QStringLiteral("InstallId")].toString(),
                 QStringLiteral("CEIP Río Tajo - Edificio A"));

        const QJsonObject first = o[QStringLiteral("maneuvers")].toArray().first().toObject();
        QCOMPARE(keys(first),
                 sorted({"events", "action", "eventDescription", "actionDescription"}));
        QCOMPARE(keys(first[QStringLiteral("events")].toArray().first().toObject()),
                 sorted({"evt_blk", "evt_blk_prt", "evt_blk_type", "evt_type"}));
        QCOMPARE(keys(first[QStringLiteral("action")].toObject()),
                 sorted({"act_blk", "act_blk_port", "act_blk_type", "act_type", "delay"}));
        QCOMPARE(first[QStringLiteral("eventDescription")].toString(),
                 QStringLiteral("Detector alarm in zone 1"));
        QCOMPARE(first[QStringLiteral("actionDescription")].toString(),
                 QStringLiteral("Activate sounders of the panel  with a delay of 30s"));
    }

    // Every setting once, in a sentence or on a line of its own; passwords only as set.
    void show_school_summarisesWithoutPasswords() {
        const Run run = ctl({QStringLiteral("show"), example("school.xml")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(
            run.out.split(QLatin1Char('\n')).mid(0, 14),
            QStringList({"Zones: 12", "Auxiliary board 1: sounder board",
                         "Auxiliary board 2: relay board", "Auxiliary board 3: relay board",
                         "Alarm confirmation: on, delay 60 s", "Short circuit counts as alarm: off",
                         "Sounder delay cancelled by a second alarm: sounder 1, sounder 2",
                         "Sounder delay cancelled by a manual call point: sounder 1",
                         "Web server: language Spanish, address 192.168.10.50, netmask "
                         "255.255.255.0, gateway 192.168.10.1",
                         "Web login: user \"conserje\", password set",
                         "E-mail: on, installation \"CEIP Río Tajo - Edificio A\"",
                         "E-mail server: smtp.colegio.example port 587, password authentication, "
                         "user \"alarmas\", password set",
                         "E-mail from alarmas@colegio.example to mantenimiento@colegio.example, "
                         "for alarms, faults",
                         "Maneuvers: 9 (6 simple, 3 logic)"}));
    }

    // Texts from English and from Spanish sources alike follow one language.
    void language_data() {
        QTest::addColumn<QStringList>("arguments"); // DIR is replaced
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected"); // in the output, or in the CSV written

        const QString school = example("school.xml");
        QTest::newRow("show, Spanish system") << QStringList{"show", school} << "es_ES.UTF-8"
                                              << "Zonas: 12";
        QTest::newRow("show, German system: English")
            << QStringList{"show", school} << "de_DE.UTF-8"
            << "1. Detector alarm in zone 1 ->";
        QTest::newRow("show --language en, Spanish system")
            << QStringList{"show", school, "--language", "en"} << "es_ES.UTF-8"
            << "1. Detector alarm in zone 1 ->";
        QTest::newRow("validate --language es")
            << QStringList{"validate", school, "--language", "es"} << "C.UTF-8"
            << "no se encontró ningún problema";
        QTest::newRow("report CSV, Spanish system")
            << QStringList{"report", school, "--csv", "DIR/m.csv"} << "es_ES.UTF-8"
            << "Causa,Nombres de zona,Reset general,";
        // The commands' list in the help comes from the command table.
        QTest::newRow("help lists the commands")
            << QStringList{"--help"} << "C.UTF-8"
            << "  upload FILE --port P [--no-verify] [--no-backup] [--show-changes]\n"
               "                                back up the panel, write FILE to it and read it\n"
               "                                back (not with --no-verify)\n"
               "  download FILE --port P [--base BASEFILE]\n"
               "                                read the panel into FILE; zones and boards from "
               "BASEFILE\n"
               "  check --port P                read the panel's general options\n";
        QTest::newRow("help, Spanish")
            << QStringList{"--help", "--language", "es"} << "C.UTF-8"
            << "\n  diff A B | diff FILE --port P lista las diferencias; estado de salida 1 si hay "
               "alguna\n";
        QTest::newRow("dump, Spanish system and language")
            << QStringList{"dump", school, "--language", "es"} << "es_ES.UTF-8"
            << "\"eventDescription\": \"Detector alarm in zone 1\"";
    }
    void language() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        arguments.replaceInStrings(QStringLiteral("DIR"), dir.path());
        const Run run = ctl(arguments, locale);
        QCOMPARE(run.err, QString());
        QString output = run.out;
        const qsizetype csv = arguments.indexOf(QStringLiteral("--csv"));
        if (csv >= 0) {
            QFile written(arguments.at(csv + 1));
            QVERIFY(written.open(QIODevice::ReadOnly));
            output = QString::fromUtf8(written.readAll());
        }
        QVERIFY2(output.contains(expected), qPrintable(output));
    }

    void validate_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("clean") << QByteArray("<CONFIG><GeneralConfig num_zones=\"4\"/></CONFIG>")
                               << 0 << QStringList{QStringLiteral("no problems found")};
        QTest::newRow("warning only")
            << QByteArray("<CONFIG><GeneralConfig num_zones=\"2\"/><Maniobra><Event evt_blk=\"2\" "
                          "evt_blk_prt=\"4\" evt_blk_type=\"2\" evt_type=\"2\"/><Action "
                          "act_blk=\"1\" act_blk_port=\"0\" act_blk_type=\"1\" act_type=\"3\"/>"
                          "</Maniobra></CONFIG>")
            << 0 << QStringList{"warning: Maneuver 1 uses zone 4, but the panel has 2 zones"};
        QTest::newRow("errors, and notes of what was ignored")
            << QByteArray("<CONFIG colour=\"red\"><GeneralConfig num_zones=\"3\"/><Maniobra>"
                          "<Event evt_blk=\"2\" evt_blk_prt=\"1\" evt_blk_type=\"2\" "
                          "evt_type=\"9\"/><Action act_blk=\"1\" act_blk_port=\"0\" "
                          "act_blk_type=\"1\" act_type=\"3\"/></Maniobra>\n<Maniobra/>"
                          "</CONFIG>")
            << 1
            << QStringList{"note: line 1: attribute \"colour\" of \"CONFIG\" ignored",
                           "error: Maneuver 2 has no \"Action\" element (line 2)",
                           "error: The number of zones is 3; panels have 0, 2, 4, 8 or 12",
                           "error: Maneuver 1 has an event the panel does not define: block 2, "
                           "block type 2, type 9",
                           "error: Maneuver 2 has no event"};
        QTest::newRow("event block 0")
            << QByteArray("<CONFIG><GeneralConfig num_zones=\"2\"/><Maniobra><Event evt_blk=\"2\" "
                          "evt_blk_prt=\"1\" evt_blk_type=\"2\" evt_type=\"5\"/><Action "
                          "act_blk=\"1\" act_blk_type=\"1\" act_type=\"3\"/></Maniobra>"
                          "<Maniobra><Event/><Action act_blk=\"1\" act_blk_type=\"1\" "
                          "act_type=\"3\"/></Maniobra><Maniobra><Event evt_blk=\"2\" "
                          "evt_blk_prt=\"2\" evt_blk_type=\"2\" evt_type=\"5\"/><Action "
                          "act_blk=\"1\" act_blk_type=\"1\" act_type=\"3\"/></Maniobra>"
                          "</CONFIG>")
            << 1
            << QStringList{"the panel would read the end of its simple maneuver table here, so "
                           "these maneuvers would be lost: 2, 3"};
    }
    void validate() {
        QFETCH(QByteArray, content);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);

        const Run run = ctl({QStringLiteral("validate"), file(QStringLiteral("v.xml"), content),
                             QStringLiteral("--verbose")});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err, QString());
        const QStringList printed = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(printed.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(printed.at(i).endsWith(lines.at(i)), qPrintable(printed.at(i)));
    }

    void badFile_exitsTwoWithOneLine_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<QString>("reason");

        QTest::newRow("missing file") << QByteArray() << "cannot read";
        QTest::newRow("not well-formed") << QByteArray("<CONFIG>\n<SMTP>\n</CONFIG>\n")
                                         << "line 3, column \\d+: not well-formed";
        QTest::newRow("entity bomb")
            << QByteArray("<!DOCTYPE C [<!ENTITY a \"aaaaaaaaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;"
                          "&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;"
                          "&c;&c;&c;&c;&c;&c;&c;\">]><C a=\"&d;&d;&d;&d;&d;&d;&d;&d;&d;\"/>")
            << "line 1, column \\d+: document type declarations are not accepted";
        QTest::newRow("external entity")
            << QByteArray("<!DOCTYPE C SYSTEM \"http://192.0.2.1/x.dtd\"><C>&x;</C>")
            << "document type declarations are not accepted";
        QTest::newRow("not a number")
            << QByteArray("<CONFIG><Event evt_blk=\"two\"/></CONFIG>")
            << "line 1, column \\d+: element \"Event\", attribute \"evt_blk\": \"two\" is not a "
               "number";
        QTest::newRow("out of range") << QByteArray("<CONFIG><Action delay=\"65536\"/></CONFIG>")
                                      << "attribute \"delay\": 65536 does not fit 0 to 65535";
        QTest::newRow("over 1 MiB") << QByteArray(1024 * 1024 + 1, '\n') << "larger than 1048576";
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01", 4) << "line 1, column \\d+";
        QTest::newRow("not a configuration")
            << QByteArray("<FOO/>") << "the root element is \"FOO\", not \"CONFIG\"";
    }
    void badFile_exitsTwoWithOneLine() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);

        const QString path = content.isNull() ? dir.filePath(QStringLiteral("none.xml"))
                                              : file(QStringLiteral("bad.xml"), content);
        for (const char *command : {"show", "dump", "validate"}) {
            const Run run = ctl({QLatin1String(command), path});
            QCOMPARE(run.exitCode, 2);
            QCOMPARE(run.out, QString());
            QVERIFY2(run.err.count(QLatin1Char('\n')) == 1 && run.err.endsWith(QLatin1Char('\n')),
                     qPrintable(run.err));
            QVERIFY2(
                run.err.startsWith(QStringLiteral("mrb500ctl: ") + path + QStringLiteral(": ")),
                qPrintable(run.err));
            QVERIFY2(run.err.contains(QRegularExpression(reason)), qPrintable(run.err));
        }
    }

    void diff_exitsByResult_data() {
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("equal") << example("school.xml") << 0 << "No differences.";
        QTest::newRow("different")
            << example("shop.xml") << 1 << "Zones: Number of zones changed from \"12\" to \"2\"";
        QTest::newRow("unreadable") << dir.filePath(QStringLiteral("none.xml")) << 2 << "";
        QFile school(example("school.xml"));
        QVERIFY(school.open(QIODevice::ReadOnly));
        QTest::newRow("control character shown escaped")
            << file(QStringLiteral("tab.xml"),
                    school.readAll().replace("Edificio A\"", "Edificio&#9;A&#10;\""))
            << 1
            << "E-mail: Installation name changed from \"CEIP Río Tajo - Edificio A\" to \"CEIP "
               "Río Tajo - Edificio\\x09A\\x0a\"";
    }
    void diff_exitsByResult() {
        QFETCH(QString, second);
        QFETCH(int, exitCode);
        QFETCH(QString, firstLine);
        const Run run = ctl({QStringLiteral("diff"), example("school.xml"), second});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out.section(QLatin1Char('\n'), 0, 0), firstLine);
        QCOMPARE(run.err.isEmpty(), exitCode != 2);
        for (const char *password : {"Pr0tecci0n", "s3cret0-Tajo"})
            QVERIFY(!run.out.contains(QLatin1String(password)));
    }

    void output_thatCannotBeWritten_exitsTwo() {
        const Run run = ctl({QStringLiteral("dump"), example("school.xml")},
                            QStringLiteral("C.UTF-8"), QStringLiteral("/dev/full"));
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QStringLiteral("mrb500ctl: cannot write to standard output: No space "
                                         "left on device\n"));
    }

    void report_writesPdfAndCsv() {
        const QString pdf = dir.filePath(QStringLiteral("school.pdf"));
        const QString csv = dir.filePath(QStringLiteral("school.csv"));
        const Run run = ctl({QStringLiteral("report"), example("school.xml"),
                             QStringLiteral("--pdf"), pdf, QStringLiteral("--csv"), csv});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(5) == "%PDF-");
        QFile matrix(csv);
        QVERIFY(matrix.open(QIODevice::ReadOnly));
        QVERIFY(matrix.readLine().startsWith("Cause,Zone names,"));

        const Run missing =
            ctl({QStringLiteral("report"), example("school.xml"), QStringLiteral("--pdf"),
                 dir.filePath(QStringLiteral("no/x.pdf"))});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(missing.err.startsWith(QLatin1String("mrb500ctl: cannot write ")));
    }

    void usage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrPattern");

        QTest::newRow("no command") << QStringList{} << 2 << "^mrb500ctl: no command given";
        QTest::newRow("unknown command")
            << QStringList{"frobnicate"} << 2 << "^mrb500ctl: unknown command \"frobnicate\"";
        QTest::newRow("missing file")
            << QStringList{"dump"} << 2 << "^mrb500ctl: dump takes exactly one FILE";
        QTest::newRow("two files")
            << QStringList{"show", "a", "b"} << 2 << "^mrb500ctl: show takes exactly one FILE";
        QTest::newRow("unknown option")
            << QStringList{"--colour", "dump", "x"} << 2 << "^mrb500ctl: Unknown option 'colour'";
        QTest::newRow("check with a file")
            << QStringList{"check", "a", "--port", "p"} << 2 << "^mrb500ctl: check takes no FILE";
        QTest::newRow("diff --port with two files")
            << QStringList{"diff", "a", "b", "--port", "p"} << 2
            << "^mrb500ctl: diff --port takes exactly one FILE";
        QTest::newRow("diff with one file")
            << QStringList{"diff", "a"} << 2 << "^mrb500ctl: diff takes two FILEs";
        QTest::newRow("report without output")
            << QStringList{"report", "a"} << 2 << "^mrb500ctl: report needs --pdf or --csv";
        QTest::newRow("trace on a file diff") << QStringList{"diff", "a", "b", "--trace", "t"} << 2
                                              << "^mrb500ctl: --trace needs a panel";
        QTest::newRow("--pdf on show")
            << QStringList{"show", "a", "--pdf", "x"} << 2 << "^mrb500ctl: show takes no options";
        QTest::newRow("--no-backup on download")
            << QStringList{"download", "a", "--port", "p", "--no-backup"} << 2
            << "^mrb500ctl: download does not take --no-backup";
        QTest::newRow("restore of an unreadable backup")
            << QStringList{"restore", "a", "--port", "p"} << 2
            << "^mrb500ctl: cannot read the backup a: ";
        QTest::newRow("unknown language")
            << QStringList{"show", "a", "--language", "fr"} << 2
            << "^mrb500ctl: unknown language \"fr\"; available: en, es\n$";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "^$";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "^$";
    }
    void usage() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, stderrPattern);

        const Run run = ctl(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(QRegularExpression(stderrPattern)), qPrintable(run.err));
        if (exitCode == 0)
            QVERIFY(!run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMrb500Ctl)
#include "tst_mrb500ctl.moc"
