#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Request payloads of the panel commands and the check of their answers. Pure: the
// driver adds and removes the framing.
//
// Request: 00 00 01 code [table [record [16 data bytes]]]
// Answer:  3 bytes not examined, status (0 = accepted), data
class CommandCodec {
    Q_DECLARE_TR_FUNCTIONS(CommandCodec)

public:
    enum Code : quint8 {
        ResetPanel = 0x01,
        EraseTable = 0x0F,
        WriteRecord = 0x10,
        ReadRecord = 0x11,
        BeginUpload = 0x12,
    };
    static constexpr int RecordSize = 16;
    static constexpr int AnswerHeadSize = 4;

    static QByteArray eraseTable(quint8 table);
    // Empty when data is not exactly one record.
    static QByteArray writeRecord(quint8 table, quint8 record, const QByteArray &data);
    static QByteArray readRecord(quint8 table, quint8 record);
    static QByteArray beginUpload();
    static QByteArray resetPanel();

    // What a request does, for failure reasons: "write table 1 record 7".
    static QString describe(const QByteArray &request);

    struct Answer {
        enum class Verdict { Accepted, Refused, Malformed };
        Verdict verdict = Verdict::Malformed;
        quint8 status = 0;
        QByteArray data; // exactly dataBytes bytes when accepted
        QString problem;
        bool accepted() const { return verdict == Verdict::Accepted; }
    };
    // `payload` is a verified frame payload without its checksum. A read answer must
    // carry a whole record (dataBytes = RecordSize); bytes beyond it are ignored.
    static Answer checkAnswer(const QByteArray &payload, int dataBytes);
};
