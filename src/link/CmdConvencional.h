#pragma once

#include "DriverSerieHdlc.h"

#include <QByteArray>

// The panel commands. Each is one request and its answer; erase, write and read are
// idempotent and are sent once more when their answer is missing or corrupt. A failure
// leaves its reason in errorString(): the cause, then the command, e.g.
// "no answer from panel within 10 s (write table 1 record 7)".
class CmdConvencional : public DriverSerieHdlc {
    Q_OBJECT

public:
    explicit CmdConvencional(QObject *parent = nullptr);

    bool eraseTable(quint8 table);
    bool writeRecord(quint8 table, quint8 record, const QByteArray &data);
    bool readRecord(quint8 table, quint8 record, QByteArray &data);
    // The panel may restart around these two: their answers are awaited, not examined.
    bool beginUpload();
    bool resetPanel();

private:
    enum class Policy { Examined, Resent, NotExamined };
    bool exchange(const QByteArray &request, Policy policy, int dataBytes, QByteArray *data);
};
