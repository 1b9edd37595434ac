#include "link/HdlcCodec.h"

#include <QTest>

class TestHdlcCodec : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encodeFrame_givesWireBytes_data();
    void encodeFrame_givesWireBytes();
};

void TestHdlcCodec::encodeFrame_givesWireBytes_data() {
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("reset") << QByteArray::fromHex("0000010100")
                           << QByteArray::fromHex("7e000001010002"
                                                  "7e");
    QTest::newRow("escaped payload byte")
        << QByteArray::fromHex("000001117e7c") << QByteArray::fromHex("7e000001117d5e7c0c7e");
    QTest::newRow("empty payload") << QByteArray() << QByteArray::fromHex("7e007e");
    QTest::newRow("checksum 7E is escaped")
        << QByteArray::fromHex("7e") << QByteArray::fromHex("7e7d5e7d5e7e");
    QTest::newRow("checksum 7D is escaped")
        << QByteArray::fromHex("7c01") << QByteArray::fromHex("7e7c017d5d7e");
    QTest::newRow("checksum wraps modulo 256")
        << QByteArray::fromHex("ff02") << QByteArray::fromHex("7eff02017e");
}

void TestHdlcCodec::encodeFrame_givesWireBytes() {
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, frame);
    QCOMPARE(HdlcCodec::encodeFrame(payload).toHex(' '), frame.toHex(' '));
}

QTEST_GUILESS_MAIN(TestHdlcCodec)
#include "tst_hdlccodec.moc"
