#include "link/HdlcFrameReader.h"

#include <QTest>

class TestHdlcFrameReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void append_yieldsFramesHoweverSplit_data();
    void append_yieldsFramesHoweverSplit();
    void reset_dropsPartialFrame();
};

void TestHdlcFrameReader::append_yieldsFramesHoweverSplit_data() {
    QTest::addColumn<QByteArray>("bytes");
    // Each frame as "+payload" (valid) or "-" (refused), joined by '|'.
    QTest::addColumn<QString>("frames");

    const QByteArray statusAnswer = QByteArray::fromHex("7e0000011000117e");
    QTest::newRow("one answer") << statusAnswer << "+0000011000";
    QTest::newRow("noise before the opening flag")
        << QByteArray::fromHex("0102ff10") + statusAnswer << "+0000011000";
    QTest::newRow("run of flags before the answer")
        << QByteArray::fromHex("7e7e7e") + statusAnswer << "+0000011000";
    QTest::newRow("only two flags") << QByteArray::fromHex("7e7e") << "";
    QTest::newRow("no closing flag yet") << QByteArray::fromHex("7e00000110") << "";
    QTest::newRow("single zero byte passes its checksum") << QByteArray::fromHex("7e007e") << "+";
    QTest::newRow("escapes undone") << QByteArray::fromHex("7e7d5e7d5dfb7e") << "+7e7d";
    QTest::newRow("checksum mismatch") << QByteArray::fromHex("7e0000011000127e") << "-";
    QTest::newRow("escape before the closing flag") << QByteArray::fromHex("7e01017d7e") << "-";
    QTest::newRow("closing flag opens the next frame")
        << QByteArray::fromHex("7e01017e02027e") << "+01|+02";
    QTest::newRow("overlong frame refused, next one read")
        << QByteArray(1, 0x7e) + QByteArray(300, 0x01) + statusAnswer << "-|+0000011000";
}

void TestHdlcFrameReader::append_yieldsFramesHoweverSplit() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, frames);
    for (int piece : {1, 2, 3, 1000}) {
        HdlcFrameReader reader;
        QStringList got;
        for (qsizetype at = 0; at < bytes.size(); at += piece) {
            reader.append(bytes.mid(at, piece));
            while (reader.hasFrame()) {
                const HdlcFrameReader::Frame f = reader.takeFrame();
                QVERIFY(f.valid || !f.problem.isEmpty());
                got << (f.valid ? QStringLiteral("+") + QString::fromLatin1(f.payload.toHex())
                                : QStringLiteral("-"));
            }
        }
        QCOMPARE(got.join(QLatin1Char('|')), frames);
    }
}

void TestHdlcFrameReader::reset_dropsPartialFrame() {
    HdlcFrameReader reader;
    reader.append(QByteArray::fromHex("7e000001"));
    reader.reset();
    reader.append(QByteArray::fromHex("10007e"));
    QVERIFY(!reader.hasFrame()); // the tail alone is hunted over, its flag opens a frame
    reader.append(QByteArray::fromHex("0000011000117e"));
    QVERIFY(reader.hasFrame());
    QCOMPARE(reader.takeFrame().payload.toHex(), QByteArray("0000011000"));
}

QTEST_GUILESS_MAIN(TestHdlcFrameReader)
#include "tst_hdlcframereader.moc"
