#include "link/CmdConvencional.h"
#include "link/HdlcCodec.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// A stand-in for the serial port whose far side follows a script, one letter per
// request: A answers, C answers with a bad checksum, R refuses with status 5, S stays
// silent, U is unplugged before the frame leaves, H never lets the frame out, L answers
// 20 ms late and runs whileAwaited meanwhile, P answers in 3-byte pieces, one per turn of
// the event loop.
class ScriptedPort : public QIODevice {
public:
    explicit ScriptedPort(const QString &script)
        : script(script) {
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }
    int requests = 0;
    std::function<void()> whileAwaited;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return incoming.size() + QIODevice::bytesAvailable(); }
    qint64 bytesToWrite() const override { return held; }

protected:
    qint64 readData(char *data, qint64 maxSize) override {
        const qint64 n = std::min<qint64>(maxSize, incoming.size());
        std::copy_n(incoming.constData(), n, data);
        incoming.remove(0, n);
        return n;
    }
    qint64 writeData(const char *data, qint64 size) override {
        const QChar step = requests < script.size() ? script.at(requests) : QLatin1Char('A');
        ++requests;
        if (step == QLatin1Char('U')) {
            close();
            setErrorString(QStringLiteral("device unplugged"));
            return -1;
        }
        if (step == QLatin1Char('H')) {
            held += size;
            return size;
        }
        if (step == QLatin1Char('S'))
            return size;
        // 00 00 code status, then a record's worth of data.
        QByteArray answer(4, '\0');
        answer[2] = data[4];
        answer[3] = step == QLatin1Char('R') ? 5 : 0;
        answer.append(QByteArray(16, '\x11'));
        QByteArray frame = HdlcCodec::encodeFrame(answer);
        if (step == QLatin1Char('C'))
            frame[frame.size() - 2] = char(frame.at(frame.size() - 2) ^ 0x01);
        if (step == QLatin1Char('L') && whileAwaited)
            QTimer::singleShot(0, this, whileAwaited);
        if (step == QLatin1Char('P')) {
            deliverInPieces(frame);
            return size;
        }
        QTimer::singleShot(step == QLatin1Char('L') ? 20 : 0, this, [this, frame] {
            incoming.append(frame);
            Q_EMIT readyRead();
        });
        return size;
    }

private:
    void deliverInPieces(const QByteArray &rest) {
        QTimer::singleShot(0, this, [this, rest] {
            incoming.append(rest.left(3));
            Q_EMIT readyRead();
            if (rest.size() > 3)
                deliverInPieces(rest.mid(3));
        });
    }

    QString script;
    QByteArray incoming;
    qint64 held = 0;
};

} // namespace

class TestCmdConvencional : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void command_resendsAndReports_data();
    void command_resendsAndReports();
    void stop_finishesExchangeThenClosesPort();
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
    QTest::newRow("four corrupt answers")
        << "write"
        << "CCCCA" << int(F::CorruptAnswer) << 4
        << "The panel's answers arrive damaged: check the cable* Details: answer checksum "
           "*(write table 1 record 7, sent 4 times)"
        << "damaged answer, sending again (3 of 3)";
    QTest::newRow("answer in pieces") << "read"
                                      << "P" << int(F::None) << 1 << ""
                                      << "read table 1 record 7: logic maneuvers";
    QTest::newRow("one missing answer, then accepted") << "read"
                                                       << "SA" << int(F::None) << 2 << ""
                                                       << "no answer, sending again (1 of 1)";
    QTest::newRow("second silence ends the resends")
        << "read"
        << "CSSA" << int(F::NoAnswer) << 3
        << "The panel did not answer: check the cable, the port and that the panel is powered. "
           "Details: no answer from panel within 0.05 s (read table 1 record 7, sent 3 times)"
        << "no answer, sending again (1 of 1)";
    QTest::newRow("refusal is not resent")
        << "erase"
        << "RA" << int(F::Refused) << 1
        << "The panel refused the command with status 5: restart the panel and try again. "
           "Details: panel refused with status 5 (erase table 1)"
        << "erase table 1";
    QTest::newRow("port lost is not resent")
        << "read"
        << "UA" << int(F::Port) << 1
        << "The connection to the panel was lost (USB adapter unplugged?)* Details: lost *: "
           "device unplugged (read table 1 record 7)"
        << "read table 1 record 7: logic maneuvers";
    QTest::newRow("reset, missing answer passes") << "reset"
                                                  << "S" << int(F::None) << 1 << ""
                                                  << "reset panel";
    QTest::newRow("reset, corrupt answer passes") << "reset"
                                                  << "C" << int(F::None) << 1 << ""
                                                  << "reset panel";
    QTest::newRow("reset, refusal passes") << "reset"
                                           << "R" << int(F::None) << 1 << ""
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
    ScriptedPort port(script);
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
    QCOMPARE(port.requests, requests);
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

void TestCmdConvencional::stop_finishesExchangeThenClosesPort() {
    ScriptedPort port(QStringLiteral("LA"));
    CmdConvencional cmd;
    cmd.useDevice(&port);
    port.whileAwaited = [&cmd] {
        cmd.requestStop();
    };
    QByteArray record;
    QVERIFY(cmd.readRecord(1, 7, record));
    QCOMPARE(record, QByteArray(16, '\x11'));
    QVERIFY(!cmd.writeRecord(1, 8, QByteArray(16, 'x')));
    QCOMPARE(port.requests, 1);
    QVERIFY(!cmd.requestSent());
    QVERIFY(!port.isOpen());
    QCOMPARE(cmd.failure(), DriverSerieHdlc::Failure::Interrupted);
    QCOMPARE(cmd.errorString(), QStringLiteral("The transfer was interrupted by the user. "
                                               "Details: stopped after read table 1 record 7"));
}

QTEST_GUILESS_MAIN(TestCmdConvencional)
#include "tst_cmdconvencional.moc"
