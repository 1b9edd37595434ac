#include "SimulatedPanel.h"
#include "link/CmdConvencional.h"
#include "model/XmlConfigReader.h"

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
    void exchange_ignoresUnsupportedLineControl();
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

QTEST_GUILESS_MAIN(TestPtyTransfers)
#include "tst_ptytransfers.moc"
