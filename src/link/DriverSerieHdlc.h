#pragma once

#include "HdlcFrameReader.h"

#include <QObject>
#include <QString>

#include <functional>

class LinkTrace;
class QSerialPort;
struct SerialSettings;

// One frame out, one frame in, over the serial port. Waits run a local event loop, so
// the application keeps painting; they end when the answer's closing flag arrives or
// at the deadline, never on silence.
class DriverSerieHdlc : public QObject {
    Q_OBJECT

public:
    enum class Failure { None, Port, Write, NoAnswer, CorruptAnswer, Refused };

    struct Statistics {
        int exchanges = 0; // frames sent
        qint64 bytesWritten = 0;
        qint64 bytesRead = 0;
    };

    static constexpr int DefaultWriteTimeoutMs = 2000;
    static constexpr int DefaultAnswerTimeoutMs = 10000;

    explicit DriverSerieHdlc(QObject *parent = nullptr);
    ~DriverSerieHdlc() override;

    // Opens the port afresh with the record's line parameters.
    bool configurePort(const SerialSettings &settings);
    void closePort();
    bool isOpen() const;

    // Drops stale input, then frames `payload` in place and writes it.
    bool sendFrame(QByteArray &payload);
    // Waits for one whole frame; `answer` gets its payload without the checksum.
    bool receiveFrame(QByteArray &answer);

    void setWriteTimeout(int ms) { writeTimeoutMs = ms; }
    void setAnswerTimeout(int ms) { answerTimeoutMs = ms; }
    int answerTimeout() const { return answerTimeoutMs; }

    // Frames and failures are reported to `trace` (not owned) when set.
    void setTrace(LinkTrace *linkTrace) { trace = linkTrace; }

    Failure failure() const { return lastFailure; }
    QString errorString() const { return lastError; }
    const Statistics &statistics() const { return stats; }
    void resetStatistics() { stats = Statistics(); }

    QSerialPort *serial;

protected:
    bool fail(Failure failure, const QString &reason);

private:
    bool waitUntil(const std::function<bool()> &done, int timeoutMs);
    bool portBroken();
    void takeInput();

    HdlcFrameReader reader;
    LinkTrace *trace = nullptr;
    QString portLabel; // as the user gave it
    int writeTimeoutMs = DefaultWriteTimeoutMs;
    int answerTimeoutMs = DefaultAnswerTimeoutMs;
    Failure lastFailure = Failure::None;
    QString lastError;
    Statistics stats;
};
