#pragma once

#include "link/HdlcFrameReader.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QSet>
#include <QString>

class PanelSimulator;
class QSocketNotifier;

// Puts a PanelSimulator on a pseudo-terminal: requests are read from the master side as
// they arrive, answers written back, paced like a real line when a baud rate is set.
// Line faults (dropped, corrupted, split or delayed answers) are injected here.
class PtyPanel : public QObject {
    Q_OBJECT

public:
    struct Faults {
        double dropRate = 0;    // no answer
        double corruptRate = 0; // one answer byte flipped
        bool silent = false;    // never answers
        quint32 seed = 1;
    };

    explicit PtyPanel(PanelSimulator *engine, QObject *parent = nullptr);
    ~PtyPanel() override;

    bool open(QString *error);
    QString slavePath() const { return slaveName; }

    void setBaud(int bitsPerSecond) { baud = bitsPerSecond; }
    void setLatencyMs(int ms) { latencyMs = ms; }
    void setFaults(const Faults &faults);

    // Deterministic faults for one answer, counted from 0 over the requests received.
    void dropAnswer(int requestNumber) { dropOnce.insert(requestNumber); }
    void corruptAnswer(int requestNumber) { corruptOnce.insert(requestNumber); }
    // Answers go out in pieces of `bytes` with `pauseMs` between them.
    void setAnswerPieces(int bytes, int pauseMs);
    // Bytes sent before each answer's opening flag.
    void setNoiseBeforeAnswer(const QByteArray &noise) { noise_ = noise; }
    // After answering `requests` requests, the next one closes the terminal for good, as
    // an unplugged adapter would; negative never.
    void setHangUpAfter(int requests) { hangUpAfter = requests; }

    const QByteArray &receivedBytes() const { return received; }
    void clearReceivedBytes() { received.clear(); }
    int requestCount() const { return requests; }

Q_SIGNALS:
    void memoryChanged();

private:
    void readRequests();
    void handle(const QByteArray &request, qint64 startedNs);
    void queue(const QByteArray &bytes, qint64 dueNs);
    void sendDue();
    QByteArray corrupted(QByteArray frame);
    void hangUp();
    qint64 lineNs(qsizetype bytes) const;

    PanelSimulator *engine;
    int master = -1;
    int slave = -1; // kept open so the line survives clients opening and closing it
    QString slaveName;
    QSocketNotifier *notifier = nullptr;
    HdlcFrameReader reader;
    QElapsedTimer clock;
    qint64 requestStartNs = -1;

    struct Pending {
        qint64 dueNs;
        QByteArray bytes;
    };
    QList<Pending> pending;
    bool timerRunning = false;

    int baud = 0;
    int latencyMs = 0;
    Faults faults;
    QRandomGenerator random;
    QSet<int> dropOnce;
    QSet<int> corruptOnce;
    int pieceBytes = 0;
    int piecePauseMs = 0;
    QByteArray noise_;
    QByteArray received;
    int requests = 0;
    int hangUpAfter = -1;
};
