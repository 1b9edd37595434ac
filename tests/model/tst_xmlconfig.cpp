#include "WrittenXml.h"
#include "model/MyXMLWriter.h"
#include "model/PanelConfiguration.h"
#include "model/XmlConfigReader.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

QString examplePath(const char *name) {
    return qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/") +
           QLatin1String(name);
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray withoutDate(QByteArray xml) {
    static const QRegularExpression date(QStringLiteral("Date=\"[0-9/]*\""));
    return QString::fromUtf8(xml).replace(date, QStringLiteral("Date=\"-\"")).toUtf8();
}

// A configuration that sets every field, with texts that need escaping.
void fillEverything(PanelConfiguration &core) {
    core.num_zones = 12;
    core.elements[0].type = 2;
    core.elements[1].type = 1;
    core.generalConfig = GeneralConfig{1, 1, 65535, 3, 2};
    core.webServer =
        WebServerConfig{0, 1, 1, 0xC0A80102, 0xFFFFFF00, 0xC0A80101, "us<er>", "p&ss\"'\t\n"};
    core.smtp = SmtpConfig{1,         65535,          1,
                           3,         "smtp.example", "ü",
                           "pw word", "from",         "src.example",
                           "to",      "dst.example",  "Río Tajo, Edificio A"};
    core.addManeuver(ManiobraConvencional({{2, 3, 2, 5}}, Action{1, 0, 1, 3, 40}));
    core.addManeuver(ManiobraConvencional({{2, 1, 2, 2}, {5, 1, 5, 2}, {2, 255, 2, 6}},
                                          Action{8, 4, 7, 2, 65535}));
}

QByteArray wrap(const QByteArray &body) {
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") + body;
}

} // namespace

class TestXmlConfig : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void write_exampleFiles_reproducesThemExactly_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("shop") << examplePath("shop.xml");
        QTest::newRow("school") << examplePath("school.xml");
    }
    void write_exampleFiles_reproducesThemExactly() {
        QFETCH(QString, path);
        PanelConfiguration core;
        QString error;
        QVERIFY2(XmlConfigReader::readFile(path, &core, &error), qPrintable(error));
        QCOMPARE(withoutDate(written(core)), withoutDate(readAll(path)));
    }

    void write_header_versionAndTodaysDate() {
        PanelConfiguration core;
        const QByteArray xml = written(core);
        QVERIFY(xml.startsWith(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CONFIG Version=\"Version "
            "2.07\" Date=\"" +
            QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")).toUtf8() + "\">\n"));
    }

    void roundTrip_throughFile_saveOpenSaveIdentical() {
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a.xml"));
        const QString b = dir.filePath(QStringLiteral("b.xml"));
        PanelConfiguration core;
        fillEverything(core);
        MyXMLWriter writer(&core);
        QVERIFY2(writer.writeFile(a), qPrintable(writer.errorString()));
        PanelConfiguration opened;
        QVERIFY(XmlConfigReader::readFile(a, &opened));
        QVERIFY(MyXMLWriter(&opened).writeFile(b));
        QCOMPARE(readAll(b), readAll(a));
    }

    void read_quirks_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("expected"); // a few fields, compared as text

        QTest::newRow("num_zones as first CONFIG attribute")
            << wrap("<CONFIG num_zones=\"8\" Version=\"x\"/>") << "zones 8";
        QTest::newRow("num_zones as later CONFIG attribute")
            << wrap("<CONFIG Version=\"x\" num_zones=\"8\"/>") << "zones 0";
        QTest::newRow("three events one action")
            << wrap("<CONFIG><Maniobras><Maniobra>"
                    "<Event evt_blk=\"2\" evt_blk_prt=\"1\" evt_blk_type=\"2\" evt_type=\"5\"/>"
                    "<Event evt_blk=\"5\" evt_blk_prt=\"1\" evt_blk_type=\"5\" evt_type=\"2\"/>"
                    "<Event evt_blk=\"2\" evt_blk_prt=\"3\" evt_blk_type=\"2\" evt_type=\"1\"/>"
                    "<Action act_blk=\"1\" act_blk_port=\"2\" act_blk_type=\"1\" act_type=\"3\" "
                    "delay=\"10\"/></Maniobra></Maniobras></CONFIG>")
            << "m[2.1.2.5 5.1.5.2 2.3.2.1 -> 1.2.1.3/10]";
        QTest::newRow("Maniobra without Action inherits the previous one")
            << wrap("<CONFIG><Maniobra><Event evt_blk=\"2\" evt_blk_prt=\"1\" evt_blk_type=\"2\" "
                    "evt_type=\"2\"/><Action act_blk=\"6\" act_blk_port=\"1\" act_blk_type=\"7\" "
                    "act_type=\"1\" delay=\"4\"/></Maniobra><Maniobra><Event evt_blk=\"2\" "
                    "evt_blk_prt=\"2\" evt_blk_type=\"2\" evt_type=\"2\"/></Maniobra></CONFIG>")
            << "m[2.1.2.2 -> 6.1.7.1/4] m[2.2.2.2 -> 6.1.7.1/4]";
        QTest::newRow("Action outside a Maniobra applies to the next")
            << wrap("<CONFIG><Action act_blk=\"1\" act_blk_port=\"0\" act_blk_type=\"1\" "
                    "act_type=\"2\" delay=\"0\"/><Maniobra><Event evt_blk=\"5\" evt_blk_prt=\"1\" "
                    "evt_blk_type=\"5\" evt_type=\"1\"/></Maniobra></CONFIG>")
            << "m[5.1.5.1 -> 1.0.1.2/0]";
        QTest::newRow("Event outside a Maniobra is dropped by the next Maniobra")
            << wrap("<CONFIG><Event evt_blk=\"2\" evt_blk_prt=\"9\" evt_blk_type=\"2\" "
                    "evt_type=\"2\"/><Maniobra><Event evt_blk=\"2\" evt_blk_prt=\"1\" "
                    "evt_blk_type=\"2\" evt_type=\"2\"/></Maniobra></CONFIG>")
            << "m[2.1.2.2 -> 0.0.0.0/0]";
        QTest::newRow("missing event attributes are zero")
            << wrap("<CONFIG><Maniobra><Event evt_blk=\"2\"/></Maniobra></CONFIG>")
            << "m[2.0.0.0 -> 0.0.0.0/0]";
        QTest::newRow("element slots")
            << wrap("<CONFIG><Elements><Element address=\"1\" type=\"2\"/>"
                    "<Element type=\"1\" address=\"0\"/></Elements></CONFIG>")
            << "boards 1 2 0";
        QTest::newRow("element address 5 counts for nothing")
            << wrap("<CONFIG><Element address=\"5\" type=\"2\"/></CONFIG>") << "boards 0 0 0";
        QTest::newRow("element without address counts for nothing")
            << wrap("<CONFIG><Element type=\"2\"/></CONFIG>") << "boards 0 0 0";
        QTest::newRow("DHCP and Login are 1 only for 1")
            << wrap("<CONFIG><WebServer DHCP=\"2\" Login=\"1\" User=\"u\"/></CONFIG>")
            << "web 0 1 u";
        QTest::newRow("unknown names ignored")
            << wrap("<CONFIG colour=\"red\"><Extra a=\"b\"><GeneralConfig zones=\"x\" "
                    "num_zones=\"2\"/></Extra></CONFIG>")
            << "zones 2";
        QTest::newRow("namespaced names compared by local name")
            << wrap("<x:CONFIG xmlns:x=\"urn:a\"><x:GeneralConfig num_zones=\"4\"/></x:CONFIG>")
            << "zones 4";
    }
    void read_quirks() {
        QFETCH(QByteArray, xml);
        QFETCH(QString, expected);

        PanelConfiguration core;
        QString error;
        QVERIFY2(XmlConfigReader::readData(xml, &core, &error), qPrintable(error));
        const QString kind = expected.section(QLatin1Char(' '), 0, 0);
        QString actual;
        if (kind == u"zones") {
            actual = QStringLiteral("zones %1").arg(core.num_zones);
        } else if (kind == u"boards") {
            actual = QStringLiteral("boards %1 %2 %3")
                         .arg(core.elements[0].type)
                         .arg(core.elements[1].type)
                         .arg(core.elements[2].type);
        } else if (kind == u"web") {
            actual = QStringLiteral("web %1 %2 %3")
                         .arg(core.webServer.DHCP)
                         .arg(core.webServer.Login)
                         .arg(core.webServer.User);
        } else {
            QStringList maneuvers;
            for (const ManiobraConvencional &m : core.maneuvers) {
                QStringList events;
                for (const Event &e : m.events)
                    events << QStringLiteral("%1.%2.%3.%4")
                                  .arg(e.evt_blk)
                                  .arg(e.evt_blk_prt)
                                  .arg(e.evt_blk_type)
                                  .arg(e.evt_type);
                maneuvers << QStringLiteral("m[%1 -> %2.%3.%4.%5/%6]")
                                 .arg(events.join(QLatin1Char(' ')))
                                 .arg(m.act_blk)
                                 .arg(m.act_blk_port)
                                 .arg(m.act_blk_type)
                                 .arg(m.act_type)
                                 .arg(m.delay);
            }
            actual = maneuvers.join(QLatin1Char(' '));
        }
        QCOMPARE(actual, expected);
    }

    // What the lenient reading passes over is said: problems for the check, names noted.
    void read_notes_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("notes"); // problems first, then what was ignored

        const QByteArray event = "<Event evt_blk=\"2\" evt_blk_prt=\"1\" evt_blk_type=\"2\" "
                                 "evt_type=\"2\"/>";
        const QByteArray action = "<Action act_blk=\"1\" act_blk_port=\"0\" act_blk_type=\"1\" "
                                  "act_type=\"3\" delay=\"0\"/>";
        QTest::newRow("Maniobra without Action")
            << wrap("<CONFIG>\n<Maniobra>" + event + action + "</Maniobra>\n<Maniobra>" + event +
                    "</Maniobra></CONFIG>")
            << QStringList{"Maneuver 2 has no \"Action\" element (line 4)"};
        QTest::newRow("first Maniobra without Action")
            << wrap("<CONFIG><Maniobra>" + event + "</Maniobra></CONFIG>")
            << QStringList{"Maneuver 1 has no \"Action\" element (line 2)"};
        QTest::newRow("Action before its Maniobra")
            << wrap("<CONFIG>" + action + "<Maniobra>" + event + "</Maniobra></CONFIG>")
            << QStringList{};
        QTest::newRow("unknown names, with their lines")
            << wrap("<CONFIG Version=\"x\" colour=\"red\" num_zones=\"2\">\n<Extra a=\"b\"/>\n"
                    "<GeneralConfig zones=\"x\" num_zones=\"2\"/>\n<Zone number=\"1\"/>"
                    "<ZoneNames><Zone number=\"1\" name=\"Hall\" colour=\"red\"/></ZoneNames>"
                    "</CONFIG>")
            << QStringList{"line 2: attribute \"colour\" of \"CONFIG\" ignored",
                           "line 2: attribute \"num_zones\" of \"CONFIG\" ignored",
                           "line 3: element \"Extra\" ignored",
                           "line 3: attribute \"a\" of \"Extra\" ignored",
                           "line 4: attribute \"zones\" of \"GeneralConfig\" ignored",
                           "line 5: element \"Zone\" ignored",
                           "line 5: attribute \"number\" of \"Zone\" ignored",
                           "line 5: attribute \"colour\" of \"Zone\" ignored"};
    }
    void read_notes() {
        QFETCH(QByteArray, xml);
        QFETCH(QStringList, notes);
        PanelConfiguration core;
        QString error;
        XmlConfigReader::Notes read;
        QVERIFY2(XmlConfigReader::readData(xml, &core, &error, &read), qPrintable(error));
        QStringList actual;
        for (const ConfigurationProblem &p : read.problems)
            actual << p.message;
        QCOMPARE(actual + read.ignored, notes);
    }

    void read_hostileOrBroken_failsWithReasonAndLeavesModel_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("reason"); // a regular expression the error must match

        QTest::newRow("empty") << QByteArray() << "line 1, column \\d+: not well-formed";
        QTest::newRow("root is not CONFIG")
            << wrap("<Other><GeneralConfig num_zones=\"4\"/></Other>")
            << "^line 2, column \\d+: the root element is \"Other\", not \"CONFIG\": not a "
               "configuration file$";
        QTest::newRow("not well-formed")
            << wrap("<CONFIG>\n<GeneralConfig num_zones=\"2\">\n</CONFIG>")
            << "line 4, column \\d+: not well-formed XML";
        QTest::newRow("entity bomb")
            << wrap("<!DOCTYPE CONFIG [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;"
                    "&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d "
                    "\"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;"
                    "\">]><CONFIG><SMTP Host=\"&e;&e;&e;&e;&e;&e;&e;&e;\"/></CONFIG>")
            << "document type declarations are not accepted";
        QTest::newRow("external entity")
            << wrap("<!DOCTYPE CONFIG [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                    "<CONFIG><SMTP Host=\"&x;\"/></CONFIG>")
            << "document type declarations are not accepted";
        QTest::newRow("undeclared entity")
            << wrap("<CONFIG><SMTP Host=\"&x;\"/></CONFIG>") << "not well-formed XML";
        QTest::newRow("not a number")
            << wrap("<CONFIG>\n  <GeneralConfig num_zones=\"four\"/>\n</CONFIG>")
            << "^line 3, column \\d+: element \"GeneralConfig\", attribute \"num_zones\": "
               "\"four\" is not a number$";
        QTest::newRow("hexadecimal") << wrap("<CONFIG><Action delay=\"0x10\"/></CONFIG>")
                                     << "attribute \"delay\": \"0x10\" is not a number";
        QTest::newRow("empty number") << wrap("<CONFIG><Event evt_type=\"\"/></CONFIG>")
                                      << "attribute \"evt_type\": \"\" is not a number";
        QTest::newRow("8-bit overflow") << wrap("<CONFIG><Event evt_blk_prt=\"256\"/></CONFIG>")
                                        << "element \"Event\", attribute \"evt_blk_prt\": 256 "
                                           "does not fit 0 to 255";
        QTest::newRow("negative unsigned")
            << wrap("<CONFIG><Element address=\"-1\" type=\"1\"/></CONFIG>")
            << "attribute \"address\": -1 does not fit 0 to 255";
        QTest::newRow("signed overflow")
            << wrap("<CONFIG num_zones=\"2147483648\"/>")
            << "element \"CONFIG\", attribute \"num_zones\": 2147483648 does not fit";
        QTest::newRow("failure after a complete maneuver")
            << wrap("<CONFIG><Maniobra><Event evt_blk=\"2\"/></Maniobra>"
                    "<Maniobra><Action act_type=\"x\"/></Maniobra></CONFIG>")
            << "attribute \"act_type\": \"x\" is not a number";
        QTest::newRow("over 1 MiB")
            << wrap("<CONFIG>") + QByteArray(XmlConfigReader::MaxFileSize, ' ') + "</CONFIG>"
            << "larger than 1048576 bytes";
    }
    void read_hostileOrBroken_failsWithReasonAndLeavesModel() {
        QFETCH(QByteArray, xml);
        QFETCH(QString, reason);

        PanelConfiguration core;
        QVERIFY(XmlConfigReader::readFile(examplePath("school.xml"), &core));
        const PanelConfiguration original = core;

        QString error;
        QVERIFY(!XmlConfigReader::readData(xml, &core, &error));
        QVERIFY2(error.contains(QRegularExpression(reason)), qPrintable(error));
        QVERIFY(core == original);
    }

    void readFile_fileProblems_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // not written when empty
        QTest::addColumn<QString>("reason");

        QTest::newRow("missing file")
            << "missing.xml" << QByteArray() << "missing.xml: cannot read";
        QTest::newRow("over 1 MiB")
            << "big.xml" << QByteArray(XmlConfigReader::MaxFileSize + 1, ' ')
            << "big.xml: larger than 1048576 bytes";
        QTest::newRow("exactly 1 MiB is read")
            << "edge.xml" << wrap("<CONFIG/>").leftJustified(XmlConfigReader::MaxFileSize, ' ')
            << "";
    }
    void readFile_fileProblems() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!content.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        PanelConfiguration core;
        QString error;
        QCOMPARE(XmlConfigReader::readFile(path, &core, &error), reason.isEmpty());
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void writeFile_failure_keepsPreviousFileAndSaysWhy() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("site.xml"));
        PanelConfiguration good;
        fillEverything(good);
        QVERIFY(MyXMLWriter(&good).writeFile(path));
        const QByteArray before = readAll(path);

        PanelConfiguration bad;
        bad.smtp.InstallId = QStringLiteral("line\x01");
        MyXMLWriter writer(&bad);
        QVERIFY(!writer.writeFile(path));
        QCOMPARE(writer.errorString(),
                 QStringLiteral("Cannot write %1: Installation name \"line\\x01\" contains a "
                                "control character, which a configuration file cannot hold")
                     .arg(path));
        QCOMPARE(readAll(path), before);

        MyXMLWriter nowhere(&good);
        QVERIFY(!nowhere.writeFile(dir.filePath(QStringLiteral("no/such/dir/x.xml"))));
        QVERIFY2(nowhere.errorString().contains(QStringLiteral("no/such/dir/x.xml")),
                 qPrintable(nowhere.errorString()));

        // No room for the new file: its last bytes fail when they leave the buffer. The
        // file size limit stands in for a full disk, which a test cannot mount here.
        rlimit unlimited{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = unlimited;
        small.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        MyXMLWriter full(&good);
        const bool written = full.writeFile(path);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QVERIFY(!written);
        QVERIFY2(full.errorString().endsWith(QStringLiteral(": File too large")),
                 qPrintable(full.errorString()));
        QCOMPARE(readAll(path), before);

        // A device stays a device; as root, one of the test's own (QSaveFile would put a
        // regular file in its place).
        QString device = dir.filePath(QStringLiteral("full"));
        if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            device = QStringLiteral("/dev/full");
        MyXMLWriter toDevice(&good);
        QVERIFY(!toDevice.writeFile(device));
        QVERIFY2(toDevice.errorString().endsWith(QStringLiteral(": No space left on device")),
                 qPrintable(toDevice.errorString()));
        QVERIFY(!QFileInfo(device).isFile());
    }
};

QTEST_GUILESS_MAIN(TestXmlConfig)
#include "tst_xmlconfig.moc"
