#include "link/CommandCodec.h"

#include <QTest>

using Verdict = CommandCodec::Answer::Verdict;
Q_DECLARE_METATYPE(Verdict)

class TestCommandCodec : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void requests_carryTheirPayload_data();
    void requests_carryTheirPayload();
    void writeRecord_refusesAnythingButOneRecord();
    void checkAnswer_judgesHeadStatusAndLength_data();
    void checkAnswer_judgesHeadStatusAndLength();
};

void TestCommandCodec::requests_carryTheirPayload_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("description");
    const QByteArray record = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
    QTest::newRow("erase") << CommandCodec::eraseTable(4) << QByteArray::fromHex("0000010f04")
                           << "erase table 4";
    QTest::newRow("write") << CommandCodec::writeRecord(1, 7, record)
                           << QByteArray::fromHex("0000011001 07") + record
                           << "write table 1 record 7";
    QTest::newRow("read") << CommandCodec::readRecord(5, 6) << QByteArray::fromHex("000001110506")
                          << "read table 5 record 6";
    QTest::newRow("begin upload") << CommandCodec::beginUpload()
                                  << QByteArray::fromHex("0000011200") << "begin upload";
    QTest::newRow("reset") << CommandCodec::resetPanel() << QByteArray::fromHex("0000010100")
                           << "reset panel";
}

void TestCommandCodec::requests_carryTheirPayload() {
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, payload);
    QFETCH(QString, description);
    QCOMPARE(request.toHex(' '), payload.toHex(' '));
    QCOMPARE(CommandCodec::describe(request), description);
}

void TestCommandCodec::writeRecord_refusesAnythingButOneRecord() {
    QVERIFY(CommandCodec::writeRecord(0, 0, QByteArray(15, 'x')).isEmpty());
    QVERIFY(CommandCodec::writeRecord(0, 0, QByteArray(17, 'x')).isEmpty());
    QCOMPARE(CommandCodec::writeRecord(0, 0, QByteArray(16, 'x')).size(), 22);
}

void TestCommandCodec::checkAnswer_judgesHeadStatusAndLength_data() {
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("dataBytes");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("problem");
    const QByteArray record = QByteArray::fromHex("11223344556677889900aabbccddeeff");
    QTest::newRow("accepted write")
        << QByteArray::fromHex("00001000") << 0 << Verdict::Accepted << QByteArray() << "";
    QTest::newRow("accepted read")
        << QByteArray::fromHex("00001100") + record << 16 << Verdict::Accepted << record << "";
    QTest::newRow("bytes beyond the record ignored")
        << QByteArray::fromHex("00001100") + record + "\x01" << 16 << Verdict::Accepted << record
        << "";
    QTest::newRow("status 5 refused") << QByteArray::fromHex("00001005") << 0 << Verdict::Refused
                                      << QByteArray() << "panel refused with status 5";
    QTest::newRow("refused read keeps nothing")
        << QByteArray::fromHex("00001105") + record << 16 << Verdict::Refused << QByteArray()
        << "panel refused with status 5";
    QTest::newRow("single byte has no status")
        << QByteArray(1, '\0') << 0 << Verdict::Malformed << QByteArray()
        << "answer has 1 bytes, fewer than the 4 of its head";
    QTest::newRow("short read") << QByteArray::fromHex("00001100") + record.left(15) << 16
                                << Verdict::Malformed << QByteArray()
                                << "answer carries 15 data bytes instead of 16";
}

void TestCommandCodec::checkAnswer_judgesHeadStatusAndLength() {
    QFETCH(QByteArray, payload);
    QFETCH(int, dataBytes);
    QFETCH(Verdict, verdict);
    QFETCH(QByteArray, data);
    QFETCH(QString, problem);
    const CommandCodec::Answer answer = CommandCodec::checkAnswer(payload, dataBytes);
    QCOMPARE(answer.verdict, verdict);
    QCOMPARE(answer.data.toHex(), data.toHex());
    QCOMPARE(answer.problem, problem);
}

QTEST_GUILESS_MAIN(TestCommandCodec)
#include "tst_commandcodec.moc"
