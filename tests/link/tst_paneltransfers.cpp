#include "ScriptedPanel.h"
#include "link/CommandCodec.h"
#include "link/PanelCore.h"
#include "link/PanelTransfers.h"
#include "model/XmlConfigReader.h"

#include <QRegularExpression>
#include <QTest>

namespace {

QString example(const char *name) {
    return qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/") +
           QLatin1String(name);
}

PanelConfiguration school() {
    PanelConfiguration c;
    if (!XmlConfigReader::readFile(example("school.xml"), &c))
        qWarning("cannot read school.xml");
    return c;
}

ManiobraConvencional simple(quint8 zone) {
    return ManiobraConvencional({Event{2, zone, 2, 5}}, Action{1, 0, 1, 3, quint16(zone * 2)});
}

// A panel in this process and the transfers that reach it.
struct Line {
    ScriptedPanel panel;
    CmdConvencional cmd;
    PanelTransfers transfers{cmd};
    explicit Line(const QString &script = {})
        : panel(script) {
        panel.attach(cmd);
    }

    bool upload(const PanelConfiguration &c) { return transfers.upload(c, panel.settings()); }
    bool download(PanelConfiguration &c) { return transfers.download(c, panel.settings()); }
};

// Whether `text` is `pattern`, where '*' stands for any text.
bool matches(const QString &text, const QString &pattern) {
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
        .match(text)
        .hasMatch();
}

} // namespace

class TestPanelTransfers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void upload_writesEveryTableThenResets();
    void download_rebuildsSimpleThenLogicAndSettings();
    void transfer_failsWithReason_data();
    void transfer_failsWithReason();
    void verify_catchesStoredDifference();
    void restore_putsBackEveryByteOfTheBackup();
};

void TestPanelTransfers::upload_writesEveryTableThenResets() {
    Line line;
    const PanelSimulator &engine = line.panel.engine;
    QVERIFY2(line.upload(school()), qPrintable(line.transfers.error()));
    QVERIFY(!line.cmd.isOpen());
    QVERIFY(!line.transfers.panelPartlyWritten());
    QCOMPARE(engine.requests().size(), 185);
    QCOMPARE(engine.requests().first(), CommandCodec::beginUpload());
    QCOMPARE(engine.requests().last(), CommandCodec::resetPanel());
    // The stored records, from the file's values.
    QCOMPARE(engine.record(0, 0).toHex(' '),
             QByteArray::fromHex("02020105 01010003 003c 02020206 0101").toHex(' '));
    QCOMPARE(engine.record(6, 0).toHex(' '),
             QByteArray::fromHex("01003a98030100000000000000000000").toHex(' '));
    QCOMPARE(engine.record(7, 0).toHex(' '),
             QByteArray::fromHex("5a5a000ec0a80a32c0a80a01ffffff00").toHex(' '));
    QCOMPARE(engine.resets(), 1);
}

void TestPanelTransfers::download_rebuildsSimpleThenLogicAndSettings() {
    Line line;
    PanelConfiguration source = school();
    source.maneuvers.move(source.maneuvers.size() - 1, 0); // a logic maneuver first
    QList<ManiobraConvencional> simpleFirst = source.maneuvers;
    std::stable_partition(simpleFirst.begin(), simpleFirst.end(),
                          [](const ManiobraConvencional &m) { return !m.isLogic(); });
    QVERIFY(line.upload(source));

    PanelConfiguration target;
    target.num_zones = 8;
    target.elements[1].type = Element::RelayBoard;
    QVERIFY(target.setZoneName(2, QStringLiteral("Hall")));
    target.maneuvers = {simple(7)};
    QVERIFY2(line.download(target), qPrintable(line.transfers.error()));
    QVERIFY(!line.cmd.isOpen());
    QCOMPARE(target.maneuvers, simpleFirst);
    QCOMPARE(target.generalConfig, source.generalConfig);
    QCOMPARE(target.webServer, source.webServer);
    QCOMPARE(target.smtp, source.smtp);
    // Not in the panel's memory: left alone.
    QCOMPARE(target.num_zones, 8);
    QCOMPARE(target.elements[1].type, quint8(Element::RelayBoard));
    QCOMPARE(target.zoneName(2), QStringLiteral("Hall"));
    QCOMPARE(line.transfers.lastReadRecords().addresses().size(), 182);
    QCOMPARE(line.transfers.lastReadRecords().value(1, 0), line.panel.engine.record(1, 0));
}

void TestPanelTransfers::transfer_failsWithReason_data() {
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<QString>("script"); // ScriptedPanel's letters, one per request
    QTest::addColumn<QString>("stopAt"); // the step during which the user stops
    QTest::addColumn<QString>("reason"); // '*' for any text
    QTest::addColumn<bool>("partlyWritten");
    const QString answered(200, QLatin1Char('A'));
    QTest::newRow("panel refuses writes")
        << "upload"
        << "AR"
        << ""
        << "The panel refused the command with status 5: * Details: panel refused with status 5 "
           "(erase table 0)"
        << true;
    QTest::newRow("USB unplugged during download")
        << "download" << answered.left(40) + "U"
        << ""
        << "The connection to the panel was lost (USB adapter unplugged?): * Details: lost "
           "scripted: device unplugged (read table 1 record 22)"
        << false;
    QTest::newRow("USB unplugged at begin upload")
        << "upload"
        << "U"
        << ""
        << "The connection to the panel was lost * (begin upload)" << false;
    QTest::newRow("USB unplugged before the reset")
        << "upload" << answered.left(184) + "U"
        << ""
        << "The connection to the panel was lost * (reset panel)" << true;
    QTest::newRow("interrupted mid-table")
        << "upload"
        << ""
        << "write table 1 record 7: logic maneuvers"
        << "The transfer was interrupted by the user. Details: stopped after write table 1 "
           "record 7"
        << true;
}

void TestPanelTransfers::transfer_failsWithReason() {
    QFETCH(QString, transfer);
    QFETCH(QString, script);
    QFETCH(QString, stopAt);
    QFETCH(QString, reason);
    QFETCH(bool, partlyWritten);
    Line line(script);
    const SerialSettings port = line.panel.settings();
    // As Ctrl-C would, while the panel has the request.
    connect(&line.transfers, &PanelTransfers::transferStep, this, [&](const QString &step) {
        if (step == stopAt)
            line.transfers.requestStop();
    });

    PanelConfiguration configuration = school();
    const PanelConfiguration copy = configuration;
    const bool ok = transfer == QLatin1String("upload")
                        ? line.transfers.upload(configuration, port)
                        : line.transfers.download(configuration, port);
    QVERIFY(!ok);
    QVERIFY2(matches(line.transfers.error(), reason), qPrintable(line.transfers.error()));
    QCOMPARE(line.transfers.panelPartlyWritten(), partlyWritten);
    QVERIFY(!line.cmd.isOpen());
    QVERIFY(configuration == copy);
    QVERIFY(line.transfers.lastReadRecords().isEmpty());
}

void TestPanelTransfers::verify_catchesStoredDifference() {
    Line line;
    line.panel.engine.setFlipStored(true);
    line.transfers.setVerifyAfterUpload(true);
    QVERIFY(!line.upload(school()));
    QCOMPARE(line.transfers.error(), QStringLiteral("the panel holds 0x00 at byte 15 where 0x01 "
                                                    "was written (verify table 0 record 0)"));
    QCOMPARE(line.panel.engine.resets(), 0);
}

// What no configuration file carries is put back too: a bell in the web user, an action
// code without a description, and table 6's records that the panel keeps for itself.
void TestPanelTransfers::restore_putsBackEveryByteOfTheBackup() {
    Line line;
    PanelSimulator &engine = line.panel.engine;
    QVERIFY(line.upload(school()));
    engine.setRecord(7, 2, QByteArray("Site\x07"));
    QByteArray first = engine.record(0, 0);
    first[7] = char(0x99);
    engine.setRecord(0, 0, first);
    for (int k = 1; k <= 6; ++k)
        engine.setRecord(6, k, QByteArray(16, char(0xa0 + k)));
    const PanelRecords original = engine.memory();
    PanelConfiguration read;
    QVERIFY2(line.download(read), qPrintable(line.transfers.error()));
    const PanelRecords backup = line.transfers.lastReadRecords();
    QCOMPARE(backup, original);
    QVERIFY(line.upload(PanelConfiguration()));
    QVERIFY(engine.memory() != original);

    engine.clearRequests();
    QVERIFY2(line.transfers.restore(backup, line.panel.settings()),
             qPrintable(line.transfers.error()));
    QCOMPARE(engine.memory(), original);
    QCOMPARE(engine.requests().size(), 1 + 7 + 182 + 182 + 1); // read back, then reset
    QCOMPARE(engine.resets(), 3);
}

QTEST_GUILESS_MAIN(TestPanelTransfers)
#include "tst_paneltransfers.moc"
