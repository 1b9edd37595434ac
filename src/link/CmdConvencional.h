#pragma once

#include "link/DriverSerieHdlc.h"

#include <QByteArray>

// The panel commands. Each is one request and its answer. Erase, write and read are
// idempotent: one whose answer is missing is sent once more, one whose answer is corrupt
// up to three more times (the panel is there, the line is noisy). A failure leaves its
// reason in errorString(): a plain sentence with what to check, then the cause and the
// command, e.g. "... Details: no answer from panel within 10 s (write table 1 record 7,
// sent 2 times)". A stop request (requestStop()) is looked at before every request,
// first or resent.
class CmdConvencional : public DriverSerieHdlc {
    Q_OBJECT

public:
    explicit CmdConvencional(QObject *parent = nullptr);

    bool eraseTable(quint8 table);
    bool writeRecord(quint8 table, quint8 record, const QByteArray &data);
    bool readRecord(quint8 table, quint8 record, QByteArray &data);
    // The panel may restart around these two: their answers are awaited, not examined,
    // and a missing one passes. A frame that could not be sent, or a port lost meanwhile,
    // is still a failure.
    bool beginUpload();
    bool resetPanel();

    // Whether any request of the last command reached the port, whatever its result: an
    // erase or a write whose answer was lost may still have been carried out.
    bool requestSent() const { return sent; }

    static constexpr int MaxAttempts = 4;
    static constexpr int MaxMissingAnswers = 2;

Q_SIGNALS:
    // One line per request, for a user following the transfer: what is sent ("write
    // table 1 record 7: logic maneuvers"), or why it is sent again ("no answer, sending
    // again (1 of 1)").
    void exchangeStep(const QString &text);

private:
    enum class Policy { Resent, NotExamined };
    bool exchange(const QByteArray &request, Policy policy, int dataBytes, QByteArray *data);
    bool completed(const QString &command);

    bool sent = false;
};
