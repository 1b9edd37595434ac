#include "SimulatedPanel.h"
#include "images/PanelRecordsText.h"
#include "link/CmdConvencional.h"
#include "model/XmlConfigReader.h"

#include <QElapsedTimer>

namespace {

QString example(const char *name) {
    return qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/") +
           QLatin1String(name);
}

QByteArray frame(const char *hex) {
    return QByteArray::fromHex(hex);
}

} // namespace

// The real port path: a QSerialPort on the simulator's pseudo-terminal. The transfers'
// own faults are tested in-process (tests/link).
class TestPtyTransfers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_framesOnTheWireAndBack();
    void silentPanel_failsAfterTwoAnswerDeadlines();
    void missingPort_failsAtOnceWithoutSending();
    void exchange_ignoresUnsupportedLineControl();
    void restore_putsBackEveryByteOfTheBackup();
};

void TestPtyTransfers::roundTrip_framesOnTheWireAndBack() {
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PanelCore source;
    QVERIFY(XmlConfigReader::readFile(example("school.xml"), &source));
    panel.attach(source);
    QVERIFY2(source.uploadConfig(), qPrintable(source.transferError()));
    QVERIFY(!source.cmd->isOpen());

    // Flags, checksums and escapes.
    const QByteArray wire = panel.line.receivedBytes();
    QVERIFY(wire.startsWith(frame("7e0000011200137e") + frame("7e0000010f00107e")));
    QVERIFY(wire.contains(frame("7e0000010f07177e")));
    QVERIFY(wire.endsWith(frame("7e0000010100027e")));

    PanelCore target;
    panel.attach(target);
    QVERIFY2(target.downloadConfig(), qPrintable(target.transferError()));
    QVERIFY(!target.cmd->isOpen());
    QVERIFY(target.panelHeld() == source.panelHeld());
    QCOMPARE(panel.line.requestCount(), 185 + 182);
}

void TestPtyTransfers::silentPanel_failsAfterTwoAnswerDeadlines() {
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PtyPanel::Faults faults;
    faults.silent = true;
    panel.line.setFaults(faults);
    PanelCore core;
    panel.attach(core, 200);
    QVERIFY(!core.checkConnection());
    QCOMPARE(core.transferError(),
             QStringLiteral("The panel did not answer: check the cable, the port and that the "
                            "panel is powered. Details: no answer from panel within 0.2 s (read "
                            "table 6 record 0, sent 2 times)"));
    QVERIFY(!core.cmd->isOpen());
}

void TestPtyTransfers::missingPort_failsAtOnceWithoutSending() {
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PanelCore core;
    SerialSettings s = panel.settings();
    s.name = QStringLiteral("/nonexistent/mrb500");
    core.setSerialSettings(s);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!core.downloadConfig());
    const QString reason = core.transferError();
    QVERIFY2(reason.startsWith(QLatin1String("Serial port /nonexistent/mrb500 does not exist: ")) &&
                 reason.contains(QLatin1String(" Details: cannot open /nonexistent/mrb500: ")),
             qPrintable(reason));
    QVERIFY2(clock.elapsed() < DriverSerieHdlc::DefaultAnswerTimeoutMs / 2,
             "a port that cannot be used must not wait for an answer");
    QTest::qWait(50);
    QCOMPARE(panel.line.requestCount(), 0);
}

void TestPtyTransfers::exchange_ignoresUnsupportedLineControl() {
    SimulatedPanel panel;
    QVERIFY(panel.open());
    CmdConvencional cmd;
    QVERIFY(cmd.configurePort(panel.settings()));
    // A pseudo-terminal has no DTR, as some adapters lack a line control: the error that
    // leaves behind does not mean the port is lost.
    QVERIFY(!cmd.serial->setDataTerminalReady(true));
    QByteArray record;
    QVERIFY2(cmd.readRecord(6, 0, record), qPrintable(cmd.errorString()));
}

void TestPtyTransfers::restore_putsBackEveryByteOfTheBackup() {
    SimulatedPanel panel;
    QVERIFY(panel.open());
    PanelCore source;
    QVERIFY(XmlConfigReader::readFile(example("school.xml"), &source));
    panel.attach(source);
    QVERIFY(source.uploadConfig());
    // What no configuration file carries: a bell in the web user, an action code without a
    // description, and the records of table 6 that the panel keeps for itself.
    panel.engine.setRecord(7, 2, QByteArray("Site\x07"));
    QByteArray first = panel.engine.record(0, 0);
    first[7] = char(0x99);
    panel.engine.setRecord(0, 0, first);
    for (int k = 1; k <= 6; ++k)
        panel.engine.setRecord(6, k, QByteArray(16, char(0xa0 + k)));
    const PanelRecords original = panel.engine.memory();

    PanelCore core;
    panel.attach(core);
    QVERIFY2(core.downloadConfig(), qPrintable(core.transferError()));
    QCOMPARE(core.lastReadRecords(), original);
    PanelRecords backup;
    QString error;
    QVERIFY(
        PanelRecordsText::decode(PanelRecordsText::encode(core.lastReadRecords()), backup, &error));

    PanelCore other;
    panel.attach(other);
    QVERIFY(other.uploadConfig()); // an empty configuration
    QVERIFY(panel.engine.memory() != original);

    PanelRecords incomplete = backup;
    incomplete.removeTable(7);
    QVERIFY(!core.restoreRecords(incomplete));
    QCOMPARE(core.transferError(),
             QStringLiteral("these records cannot be restored: table 7 record 0 is missing"));
    panel.engine.clearRequests();
    QVERIFY2(core.restoreRecords(backup), qPrintable(core.transferError()));
    QCOMPARE(panel.engine.memory(), original);
    QCOMPARE(panel.engine.requests().size(), 1 + 7 + 182 + 182 + 1); // read back, then reset
    QCOMPARE(panel.engine.resets(), 3);
}

QTEST_GUILESS_MAIN(TestPtyTransfers)
#include "tst_ptytransfers.moc"
