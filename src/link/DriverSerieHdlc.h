#pragma once

#include "link/HdlcFrameReader.h"

#include <QObject>
#include <QString>

#include <functional>

class LinkTrace;
class QIODevice;
class QSerialPort;
struct SerialSettings;

// One frame out, one frame in, over the serial port or any QIODevice (useDevice()).
// Waits run a local event loop, so the application keeps painting; they end when the
// answer's closing flag arrives, at the deadline, or as soon as the port is lost; never
// on silence.
class DriverSerieHdlc : public QObject {
    Q_OBJECT

public:
    enum class Failure { None, Port, Write, NoAnswer, CorruptAnswer, Refused, Interrupted };

    struct Statistics {
        int exchanges = 0; // frames sent
        qint64 bytesWritten = 0;
        qint64 bytesRead = 0;
    };

    static constexpr int DefaultWriteTimeoutMs = 2000;
    static constexpr int DefaultAnswerTimeoutMs = 10000;

    explicit DriverSerieHdlc(QObject *parent = nullptr);
    ~DriverSerieHdlc() override;

    // Opens the serial port afresh with the record's line parameters; or, after
    // useDevice(), that device under the record's name.
    bool configurePort(const SerialSettings &settings);
    // Exchanges run over `device` (not owned; used as it is when open) instead of the
    // serial port, until useDevice(nullptr): the link works over any QIODevice, so a
    // scripted one lets whole transfers run in-process.
    void useDevice(QIODevice *device);
    void closePort();
    bool isOpen() const;

    // Drops stale input, then frames `payload` in place and writes it.
    bool sendFrame(QByteArray &payload);
    // Waits for one whole frame; `answer` gets its payload without the checksum.
    bool receiveFrame(QByteArray &answer);

    void setWriteTimeout(int ms) { writeTimeoutMs = ms; }
    void setAnswerTimeout(int ms) { answerTimeoutMs = ms; }
    int answerTimeout() const { return answerTimeoutMs; }

    // Asks the transfer to stop, e.g. from a signal handler's notifier run during a wait.
    // The exchange in progress is finished (a frame is never left half sent, nor an answer
    // half read); the next command closes the port and fails with Interrupted, and so does
    // every command after it until clearStopRequest().
    void requestStop() { stopWanted = true; }
    void clearStopRequest() { stopWanted = false; }
    bool stopRequested() const { return stopWanted; }

    // Whether the last sendFrame() handed any byte to the port: such a request may have
    // reached the panel even though its exchange failed.
    bool frameLeft() const { return lastFrameLeft; }

    // Frames and failures are reported to `trace` (not owned) when set.
    void setTrace(LinkTrace *linkTrace) { trace = linkTrace; }

    Failure failure() const { return lastFailure; }
    QString errorString() const { return lastError; }
    const Statistics &statistics() const { return stats; }
    void resetStatistics() { stats = Statistics(); }

    QSerialPort *serial;

protected:
    bool fail(Failure failure, const QString &reason);

    // What the last command that succeeded since the port was opened did ("write table 1
    // record 7"); the command layer keeps it.
    QString lastCompleted;

private:
    bool waitUntil(const std::function<bool()> &done, int timeoutMs);
    bool portLost() const;
    bool failLost();
    void takeInput();

    QIODevice *given = nullptr; // by useDevice()
    QIODevice *io;              // the serial port, or `given`

    HdlcFrameReader reader;
    LinkTrace *trace = nullptr;
    QString portLabel; // as the user gave it
    int writeTimeoutMs = DefaultWriteTimeoutMs;
    int answerTimeoutMs = DefaultAnswerTimeoutMs;
    Failure lastFailure = Failure::None;
    QString lastError;
    bool stopWanted = false;
    bool lastFrameLeft = false;
    Statistics stats;
};
