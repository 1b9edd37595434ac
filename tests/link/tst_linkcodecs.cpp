#include "link/CommandCodec.h"
#include "link/HdlcCodec.h"
#include "link/HdlcFrameReader.h"

#include <QTest>

using Verdict = CommandCodec::Answer::Verdict;
Q_DECLARE_METATYPE(Verdict)

// The wire below the commands: frames out, frames in however the bytes are split, and the
// judgement of an answer's head, status and length.
class TestLinkCodecs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encodeFrame_givesWireBytes_data() {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("reset") << QByteArray::fromHex("0000010100")
                               << QByteArray::fromHex("7e0000010100027e");
        QTest::newRow("flag and escape bytes stuffed")
            << QByteArray::fromHex("7e7d01") << QByteArray::fromHex("7e7d5e7d5d01fc7e");
        QTest::newRow("checksum wraps modulo 256")
            << QByteArray::fromHex("ff02") << QByteArray::fromHex("7eff02017e");
    }
    void encodeFrame_givesWireBytes() {
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, frame);
        QCOMPARE(HdlcCodec::encodeFrame(payload).toHex(' '), frame.toHex(' '));
    }

    void append_yieldsFramesHoweverSplit_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("frames"); // "+payload" (valid) or "-" (refused), '|' between
        const QByteArray status = QByteArray::fromHex("7e0000011000117e");
        QTest::newRow("noise before the opening flag")
            << QByteArray::fromHex("0102ff10") + status << "+0000011000";
        QTest::newRow("escapes undone") << QByteArray::fromHex("7e7d5e7d5dfb7e") << "+7e7d";
        QTest::newRow("checksum mismatch") << QByteArray::fromHex("7e0000011000127e") << "-";
    }
    void append_yieldsFramesHoweverSplit() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, frames);
        for (int piece : {1, 3, 1000}) {
            HdlcFrameReader reader;
            QStringList got;
            for (qsizetype at = 0; at < bytes.size(); at += piece) {
                reader.append(bytes.mid(at, piece));
                while (reader.hasFrame()) {
                    const HdlcFrameReader::Frame f = reader.takeFrame();
                    got << (f.valid ? QStringLiteral("+") + QString::fromLatin1(f.payload.toHex())
                                    : QStringLiteral("-"));
                }
            }
            QCOMPARE(got.join(QLatin1Char('|')), frames);
        }
    }

    void checkAnswer_judgesHeadStatusAndLength_data() {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("dataBytes");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("problem");
        const QByteArray record = QByteArray::fromHex("11223344556677889900aabbccddeeff");
        QTest::newRow("accepted read, bytes beyond ignored")
            << QByteArray::fromHex("00001100") + record + "\x01" << 16 << Verdict::Accepted << "";
        QTest::newRow("refused write") << QByteArray::fromHex("00001005") << 0 << Verdict::Refused
                                       << "panel refused with status 5";
        QTest::newRow("short read")
            << QByteArray::fromHex("00001100") + record.left(15) << 16 << Verdict::Malformed
            << "answer carries 15 data bytes instead of 16";
    }
    void checkAnswer_judgesHeadStatusAndLength() {
        QFETCH(QByteArray, payload);
        QFETCH(int, dataBytes);
        QFETCH(Verdict, verdict);
        QFETCH(QString, problem);
        const CommandCodec::Answer answer = CommandCodec::checkAnswer(payload, dataBytes);
        QCOMPARE(answer.verdict, verdict);
        QCOMPARE(answer.data, verdict == Verdict::Accepted ? payload.mid(4, 16) : QByteArray());
        QCOMPARE(answer.problem, problem);
    }
};

QTEST_GUILESS_MAIN(TestLinkCodecs)
#include "tst_linkcodecs.moc"
