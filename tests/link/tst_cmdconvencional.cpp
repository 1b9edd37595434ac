#include "ScriptedPanel.h"
#include "link/CmdConvencional.h"
#include "link/CommandCodec.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestCmdConvencional : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void command_resendsAndReports_data();
    void command_resendsAndReports();
    void read_lateAnswerOfEarlierRequestDiscarded();
};

void TestCmdConvencional::command_resendsAndReports_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("failure"); // DriverSerieHdlc::Failure; None: it succeeds
    QTest::addColumn<int>("requests");
    QTest::addColumn<QString>("reason"); // wildcard pattern
    QTest::addColumn<QString>("lastStep");
    using F = DriverSerieHdlc::Failure;
    QTest::newRow("three corrupt answers, then accepted")
        << "write"
        << "CCCA" << int(F::None) << 4 << ""
        << "damaged answer, sending again (3 of 3)";
    QTest::newRow("second silence ends the resends")
        << "read"
        << "CSSA" << int(F::NoAnswer) << 3
        << "The panel did not answer: check the cable, the port and that the panel is powered. "
           "Details: no answer from panel within 0.05 s (read table 1 record 7, sent 3 times)"
        << "no answer, sending again (1 of 1)";
    QTest::newRow("port lost is not resent")
        << "read"
        << "UA" << int(F::Port) << 1
        << "The connection to the panel was lost (USB adapter unplugged?)* Details: lost *: "
           "device unplugged (read table 1 record 7)"
        << "read table 1 record 7: logic maneuvers";
    QTest::newRow("reset, missing answer passes") << "reset"
                                                  << "S" << int(F::None) << 1 << ""
                                                  << "reset panel";
    QTest::newRow("reset never sent: port lost")
        << "reset"
        << "U" << int(F::Port) << 1
        << "The connection to the panel was lost* Details: lost *: device unplugged (reset panel)"
        << "reset panel";
    QTest::newRow("begin upload never sent: write deadline")
        << "begin"
        << "H" << int(F::Write) << 1
        << "The serial port did not send the request: * Details: the port did not take the "
           "request within 0.05 s (begin upload)"
        << "begin upload";
}

void TestCmdConvencional::command_resendsAndReports() {
    QFETCH(QString, command);
    QFETCH(QString, script);
    QFETCH(int, failure);
    QFETCH(int, requests);
    QFETCH(QString, reason);
    QFETCH(QString, lastStep);
    ScriptedPanel port(script);
    port.engine.setRecord(1, 7, QByteArray(16, '\x11'));
    port.open(QIODevice::ReadWrite);
    CmdConvencional cmd;
    QSignalSpy steps(&cmd, &CmdConvencional::exchangeStep);
    cmd.useDevice(&port);
    cmd.setAnswerTimeout(50);
    cmd.setWriteTimeout(50);
    QByteArray record;
    const bool ok = command == QLatin1String("write")   ? cmd.writeRecord(1, 7, QByteArray(16, 'x'))
                    : command == QLatin1String("read")  ? cmd.readRecord(1, 7, record)
                    : command == QLatin1String("erase") ? cmd.eraseTable(1)
                    : command == QLatin1String("reset") ? cmd.resetPanel()
                                                        : cmd.beginUpload();
    QCOMPARE(port.requestCount(), requests);
    QCOMPARE(steps.size(), requests);
    QCOMPARE(steps.last().first().toString(), lastStep);
    QCOMPARE(ok, failure == int(DriverSerieHdlc::Failure::None));
    if (!ok) {
        QCOMPARE(int(cmd.failure()), failure);
        const QRegularExpression expected(QRegularExpression::wildcardToRegularExpression(reason));
        QVERIFY2(expected.match(cmd.errorString()).hasMatch(), qPrintable(cmd.errorString()));
    }
    if (command == QLatin1String("read") && ok)
        QCOMPARE(record, QByteArray(16, '\x11'));
}

void TestCmdConvencional::read_lateAnswerOfEarlierRequestDiscarded() {
    ScriptedPanel port;
    port.engine.setRecord(1, 7, QByteArray(16, '\x11'));
    port.open(QIODevice::ReadWrite);
    PanelSimulator earlier;
    earlier.setRecord(1, 7, QByteArray(16, '\x22'));
    port.inject(HdlcCodec::encodeFrame(earlier.answer(CommandCodec::readRecord(1, 7))));
    CmdConvencional cmd;
    cmd.useDevice(&port);
    cmd.setAnswerTimeout(50);
    QByteArray record;
    QVERIFY2(cmd.readRecord(1, 7, record), qPrintable(cmd.errorString()));
    QCOMPARE(record, QByteArray(16, '\x11'));
}

QTEST_GUILESS_MAIN(TestCmdConvencional)
#include "tst_cmdconvencional.moc"
