#include "link/CommandCodec.h"
#include "link/LinkAdvice.h"
#include "link/LinkTrace.h"
#include "link/TransferProgress.h"

#include <QTemporaryDir>
#include <QTest>

// What the link tells the user: advice on a port that cannot be opened, the trace with its
// passwords hidden, and progress.
class TestLinkReporting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Tests run as root, who may open anything: whether the user may read and write the
    // device is given by each row, the rest comes from real paths.
    void openFailure_saysWhatToDo_data() {
        QTest::addColumn<int>("error"); // QSerialPort::SerialPortError
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("readWrite");
        QTest::addColumn<QString>("advice");
        QTest::newRow("missing device")
            << int(QSerialPort::DeviceNotFoundError) << "/nonexistent/ttyUSB0" << true
            << "Serial port /nonexistent/ttyUSB0 does not exist: check that the USB adapter is "
               "plugged in, then choose the port again.";
        QTest::newRow("permission denied")
            << int(QSerialPort::PermissionError) << "/dev/null" << false
            << "You may not use serial port /dev/null. On Linux this usually means that your "
               "user is not in the dialout group: run sudo usermod -aG dialout $USER, then log "
               "out and log in again.";
        QTest::newRow("locked by another program")
            << int(QSerialPort::PermissionError) << "/dev/null" << true
            << "Serial port /dev/null is in use by another program: ";
    }
    void openFailure_saysWhatToDo() {
        QFETCH(int, error);
        QFETCH(QString, port);
        QFETCH(bool, readWrite);
        QFETCH(QString, advice);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("panel")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (QString *text : {&port, &advice})
            text->replace(QLatin1String("DIR"), dir.path())
                .replace(QLatin1String("FILE"), file.fileName());
        LinkAdvice::PortFacts facts = LinkAdvice::factsOf(port);
        facts.readWrite = readWrite;
        const QString said =
            LinkAdvice::forOpenFailure(QSerialPort::SerialPortError(error), port, facts);
        QVERIFY2(said.startsWith(advice), qPrintable(said));
    }

    void trace_hidesPasswordBytes_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("record");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("web password, second half") << 7 << 5 << true;
        QTest::newRow("logic table") << 1 << 4 << false;
    }
    void trace_hidesPasswordBytes() {
        QFETCH(int, table);
        QFETCH(int, record);
        QFETCH(bool, hidden);
        const QByteArray secret(CommandCodec::RecordSize, 'P');
        LinkTrace trace;
        trace.start(QStringLiteral("test"));
        trace.sent(CommandCodec::writeRecord(quint8(table), quint8(record), secret));
        trace.received(QByteArray::fromHex("00001000"));
        trace.sent(CommandCodec::readRecord(quint8(table), quint8(record)));
        trace.received(QByteArray::fromHex("00001100") + secret + "PP"); // beyond the record too
        const QList<LinkTrace::Entry> &entries = trace.entries();
        QCOMPARE(entries.size(), 4);
        for (const LinkTrace::Entry &e : {entries.at(0), entries.at(3)})
            QCOMPARE(e.bytes.contains('P'), !hidden);
        // The head of a hidden write stays readable.
        QVERIFY(LinkTrace::hex(entries.at(0))
                    .startsWith(QStringLiteral("00 00 01 10 %1 %2")
                                    .arg(table, 2, 16, QLatin1Char('0'))
                                    .arg(record, 2, 16, QLatin1Char('0'))));
    }

    void progress_growsToMaximum_data() {
        QTest::addColumn<int>("planned");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<int>("last");
        QTest::newRow("finish completes a short run") << 182 << 20 << true << 101;
        QTest::newRow("unfinished run stays below") << 182 << 181 << false << 100;
    }
    void progress_growsToMaximum() {
        QFETCH(int, planned);
        QFETCH(int, steps);
        QFETCH(bool, finished);
        QFETCH(int, last);
        QList<int> values;
        TransferProgress progress;
        progress.start(planned, 101, [&values](int v) { values << v; });
        for (int i = 0; i < steps; ++i)
            progress.step();
        if (finished)
            progress.finish();
        QCOMPARE(values.first(), 0);
        QCOMPARE(values.last(), last);
        for (int i = 1; i < values.size(); ++i)
            QVERIFY2(values.at(i) > values.at(i - 1), "progress went backwards or repeated");
    }
};

QTEST_GUILESS_MAIN(TestLinkReporting)
#include "tst_linkreporting.moc"
