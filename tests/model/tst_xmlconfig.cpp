#include "model/MyXMLWriter.h"
#include "model/PanelConfiguration.h"
#include "model/XmlConfigReader.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QString examplePath(const char *name) {
    return qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/") +
           QLatin1String(name);
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray written(const PanelConfiguration &core) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    MyXMLWriter writer(&core);
    if (!writer.write(&buffer))
        qWarning() << writer.errorString();
    return buffer.data();
}

QByteArray wrap(const QByteArray &body) {
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") + body;
}

// Zones, boards, web switches and each maneuver's events and action as one line.
QString summary(const PanelConfiguration &c) {
    QString line = QStringLiteral("zones %1, boards %2%3%4, web %5 %6,")
                       .arg(c.num_zones)
                       .arg(c.elements[0].type)
                       .arg(c.elements[1].type)
                       .arg(c.elements[2].type)
                       .arg(c.webServer.DHCP)
                       .arg(c.webServer.Login);
    for (const ManiobraConvencional &m : c.maneuvers)
        line += QStringLiteral(" m[%1 -> %2/%3]").arg(m.events.size()).arg(m.act_blk).arg(m.delay);
    return line;
}

// Every area set, texts that need escaping, zone names.
PanelConfiguration everything() {
    PanelConfiguration core;
    core.num_zones = 12;
    core.elements[0].type = 2;
    core.webServer =
        WebServerConfig{0, 1, 1, 0xC0A80102, 0xFFFFFF00, 0xC0A80101, "us<er>", "p&ss\"'\t\n"};
    core.smtp.InstallId = QStringLiteral("Río Tajo, Edificio A");
    core.addManeuver(ManiobraConvencional({{2, 1, 2, 2}, {5, 1, 5, 2}}, Action{8, 4, 7, 2, 65535}));
    core.setZoneName(3, QStringLiteral("Cocina & \"comedor\" <1>"));
    core.setZoneName(255, QString(32, QChar(0x00e9)));
    return core;
}

} // namespace

class TestXmlConfig : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Element and attribute names, their order and the header, as the described files.
    void write_exampleFiles_reproducesThemWithTodaysDate_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("school") << examplePath("school.xml");
    }
    void write_exampleFiles_reproducesThemWithTodaysDate() {
        QFETCH(QString, path);
        PanelConfiguration core;
        QString error;
        QVERIFY2(XmlConfigReader::readFile(path, &core, &error), qPrintable(error));
        static const QRegularExpression date(QStringLiteral("Date=\"[0-9/]*\""));
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));
        QCOMPARE(QString::fromUtf8(written(core)),
                 QString::fromUtf8(readAll(path))
                     .replace(date, QStringLiteral("Date=\"%1\"").arg(today)));
    }

    void zoneNames_surviveSaveAndOpen() {
        PanelConfiguration reopened;
        QVERIFY(XmlConfigReader::readData(written(everything()), &reopened));
        QCOMPARE(reopened.zoneNames(), everything().zoneNames());
    }

    // The described reader's leniencies, kept so that old files read as they always did, and
    // what it passes over said: problems for the check, names noted.
    void read_quirksAndNotes_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("expected");  // a part of summary()
        QTest::addColumn<QStringList>("notes"); // problems, then what was ignored; {}: unchecked

        const QByteArray action = "<Action act_blk=\"6\" act_blk_port=\"1\" act_blk_type=\"7\" "
                                  "act_type=\"1\" delay=\"4\"/>";
        QTest::newRow("num_zones as first CONFIG attribute")
            << wrap("<CONFIG num_zones=\"8\" Version=\"x\"/>") << "zones 8," << QStringList();
        QTest::newRow("Maniobra without Action inherits the previous one")
            << wrap("<CONFIG><Maniobra><Event evt_blk=\"2\" evt_blk_prt=\"1\" evt_blk_type=\"2\" "
                    "evt_type=\"2\"/>" +
                    action +
                    "</Maniobra><Maniobra><Event evt_blk=\"2\" evt_blk_prt=\"2\" "
                    "evt_blk_type=\"2\" evt_type=\"2\"/></Maniobra></CONFIG>")
            << "m[1 -> 6/4] m[1 -> 6/4]" << QStringList();
        QTest::newRow("element slots; address 5 or none counts for nothing")
            << wrap("<CONFIG><Elements><Element address=\"1\" type=\"2\"/><Element type=\"1\" "
                    "address=\"0\"/><Element address=\"5\" type=\"2\"/><Element type=\"2\"/>"
                    "</Elements></CONFIG>")
            << "boards 120," << QStringList();
        QTest::newRow("DHCP and Login are 1 only for 1")
            << wrap("<CONFIG><WebServer DHCP=\"2\" Login=\"1\" User=\"u\"/></CONFIG>") << "web 0 1,"
            << QStringList();
        QTest::newRow("first Maniobra without Action")
            << wrap("<CONFIG><Maniobra><Event evt_blk=\"2\"/></Maniobra></CONFIG>") << ""
            << QStringList{"Maneuver 1 has no \"Action\" element (line 2)"};
        QTest::newRow("unknown names, with their lines")
            << wrap("<CONFIG Version=\"x\" colour=\"red\">\n<Extra/>\n"
                    "<GeneralConfig zones=\"x\" num_zones=\"2\"/>\n<Zone/>"
                    "<ZoneNames><Zone number=\"1\" name=\"Hall\" colour=\"red\"/></ZoneNames>"
                    "</CONFIG>")
            << ""
            << QStringList{"line 2: attribute \"colour\" of \"CONFIG\" ignored",
                           "line 3: element \"Extra\" ignored",
                           "line 4: attribute \"zones\" of \"GeneralConfig\" ignored",
                           "line 5: element \"Zone\" ignored",
                           "line 5: attribute \"colour\" of \"Zone\" ignored"};
    }
    void read_quirksAndNotes() {
        QFETCH(QByteArray, xml);
        QFETCH(QString, expected);
        QFETCH(QStringList, notes);
        PanelConfiguration core;
        QString error;
        XmlConfigReader::Notes read;
        QVERIFY2(XmlConfigReader::readData(xml, &core, &error, &read), qPrintable(error));
        QVERIFY2(summary(core).contains(expected), qPrintable(summary(core)));
        QStringList actual;
        for (const ConfigurationProblem &p : read.problems)
            actual << p.message;
        if (!notes.isEmpty())
            QCOMPARE(actual + read.ignored, notes);
    }

    // A number beyond its member is refused for every setting in tst_fieldtable.
    void read_hostileOrBroken_failsWithReasonAndLeavesModel_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("reason"); // a regular expression the error must match

        QTest::newRow("over 1 MiB")
            << QByteArray(XmlConfigReader::MaxFileSize + 1, ' ') << "larger than 1048576 bytes";
        QTest::newRow("exactly 1 MiB is read")
            << wrap("<CONFIG/>").leftJustified(XmlConfigReader::MaxFileSize, ' ') << "";
        QTest::newRow("root is not CONFIG")
            << wrap("<Other><GeneralConfig num_zones=\"4\"/></Other>")
            << "site.xml: line 2, column \\d+: the root element is \"Other\", not \"CONFIG\": not "
               "a "
               "configuration file$";
        QTest::newRow("entity bomb")
            << wrap("<!DOCTYPE CONFIG [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;"
                    "&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d "
                    "\"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]><CONFIG><SMTP Host=\"&d;&d;\"/></CONFIG>")
            << "document type declarations are not accepted";
    }
    void read_hostileOrBroken_failsWithReasonAndLeavesModel() {
        QFETCH(QByteArray, xml);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("site.xml"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size());
        file.close();
        PanelConfiguration core = everything();
        const PanelConfiguration original = core;
        QString error;
        QCOMPARE(XmlConfigReader::readFile(path, &core, &error), reason.isEmpty());
        QVERIFY2(error.contains(QRegularExpression(reason)), qPrintable(error));
        QVERIFY(reason.isEmpty() || core == original);
    }

    void writeFile_failure_keepsPreviousFileAndSaysWhy() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("site.xml"));
        const PanelConfiguration good = everything();
        QVERIFY(MyXMLWriter(&good).writeFile(path));
        const QByteArray before = readAll(path);

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
    }
};

QTEST_GUILESS_MAIN(TestXmlConfig)
#include "tst_xmlconfig.moc"
