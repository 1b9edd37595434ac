#include "link/LinkAdvice.h"

#include <QTemporaryDir>
#include <QTest>

// Tests run as root, who may open anything: whether the user may read and write the
// device is given by each row, the rest comes from real paths.
class TestLinkAdvice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void openFailure_saysWhatToDo_data() {
        QTest::addColumn<int>("error"); // QSerialPort::SerialPortError
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("readWrite");
        QTest::addColumn<QString>("advice");
        QTest::newRow("missing device")
            << int(QSerialPort::DeviceNotFoundError) << "/nonexistent/ttyUSB0" << true
            << "Serial port /nonexistent/ttyUSB0 does not exist: check that the USB adapter is "
               "plugged in, then choose the port again.";
        QTest::newRow("folder") << int(QSerialPort::UnknownError) << "DIR" << true
                                << "DIR is a folder, not a serial port: ";
        QTest::newRow("regular file") << int(QSerialPort::UnsupportedOperationError) << "FILE"
                                      << true << "FILE is not a serial device: ";
        QTest::newRow("device that is no terminal")
            << int(QSerialPort::UnsupportedOperationError) << "/dev/null" << true
            << "/dev/null is not a serial device: ";
        QTest::newRow("permission denied")
            << int(QSerialPort::PermissionError) << "/dev/null" << false
            << "You may not use serial port /dev/null. On Linux this usually means that your "
               "user is not in the dialout group: run sudo usermod -aG dialout $USER, then log "
               "out and log in again.";
        QTest::newRow("locked by another program")
            << int(QSerialPort::PermissionError) << "/dev/null" << true
            << "Serial port /dev/null is in use by another program: ";
        QTest::newRow("name under /dev") << int(QSerialPort::PermissionError) << "null" << true
                                         << "Serial port null is in use by another program: ";
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
};

QTEST_GUILESS_MAIN(TestLinkAdvice)
#include "tst_linkadvice.moc"
