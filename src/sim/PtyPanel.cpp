#include "sim/PtyPanel.h"

#include "link/HdlcCodec.h"
#include "sim/PanelSimulator.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyPanel::PtyPanel(PanelSimulator *simulator, QObject *parent)
    : QObject(parent)
    , engine(simulator) {
    clock.start();
}

PtyPanel::~PtyPanel() {
    hangUp();
}

void PtyPanel::hangUp() {
    if (notifier) {
        // Possibly called from the notifier's own signal.
        notifier->setEnabled(false);
        notifier->deleteLater();
        notifier = nullptr;
    }
    if (master >= 0)
        ::close(master);
    if (slave >= 0)
        ::close(slave);
    master = -1;
    slave = -1;
    pending.clear();
}

bool PtyPanel::open(QString *error) {
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    if (::openpty(&master, &slave, nullptr, &raw, nullptr) != 0) {
        *error =
            tr("cannot open a pseudo-terminal: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    slaveName = QString::fromLocal8Bit(ttyname(slave));
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    notifier = new QSocketNotifier(master, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &PtyPanel::readRequests);
    return true;
}

void PtyPanel::setFaults(const Faults &f) {
    faults = f;
    random.seed(f.seed);
}

void PtyPanel::setAnswerPieces(int bytes, int pauseMs) {
    pieceBytes = bytes;
    piecePauseMs = pauseMs;
}

qint64 PtyPanel::lineNs(qsizetype bytes) const {
    // 8N1: ten bits a byte.
    return baud > 0 ? qint64(bytes) * 10 * 1000000000LL / baud : 0;
}

void PtyPanel::readRequests() {
    char buffer[512];
    while (master >= 0) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        if (requestStartNs < 0)
            requestStartNs = clock.nsecsElapsed();
        const QByteArray bytes(buffer, n);
        received.append(bytes);
        reader.append(bytes);
        while (reader.hasFrame()) {
            const HdlcFrameReader::Frame frame = reader.takeFrame();
            const qint64 started = requestStartNs;
            requestStartNs = -1;
            if (frame.valid) // a real panel ignores a damaged request
                handle(frame.payload, started);
        }
    }
}

void PtyPanel::handle(const QByteArray &request, qint64 startedNs) {
    // Only once this request has come is the last answer surely read: a hang-up throws
    // away what the other side has not read yet.
    if (hangUpAfter >= 0 && requests >= hangUpAfter) {
        hangUp();
        return;
    }
    const int number = requests++;
    const QByteArray answer = engine->answer(request);
    if (engine->memoryChanged())
        Q_EMIT memoryChanged();
    if (answer.isEmpty() || faults.silent || dropOnce.remove(number) ||
        (faults.dropRate > 0 && random.generateDouble() < faults.dropRate))
        return;
    QByteArray frame = HdlcCodec::encodeFrame(answer);
    if (corruptOnce.remove(number) ||
        (faults.corruptRate > 0 && random.generateDouble() < faults.corruptRate))
        frame = corrupted(frame);
    frame.prepend(noise_);

    const qsizetype requestBytes = HdlcCodec::encodeFrame(request).size();
    qint64 due = startedNs + lineNs(requestBytes + frame.size()) + qint64(latencyMs) * 1000000;
    if (pieceBytes <= 0) {
        queue(frame, due);
        return;
    }
    for (qsizetype at = 0; at < frame.size(); at += pieceBytes) {
        queue(frame.mid(at, pieceBytes), due);
        due += qint64(piecePauseMs) * 1000000;
    }
}

QByteArray PtyPanel::corrupted(QByteArray frame) {
    // One byte between the flags changes, and never into a flag or an escape.
    const int at = 1 + int(random.bounded(quint32(frame.size() - 2)));
    char flipped = char(frame.at(at) ^ 0x01);
    if (flipped == HdlcCodec::Flag || flipped == HdlcCodec::Escape)
        flipped = char(frame.at(at) ^ 0x10);
    frame[at] = flipped;
    return frame;
}

void PtyPanel::queue(const QByteArray &bytes, qint64 dueNs) {
    pending.append({dueNs, bytes});
    sendDue();
}

void PtyPanel::sendDue() {
    while (master >= 0 && !pending.isEmpty() && pending.first().dueNs <= clock.nsecsElapsed()) {
        const QByteArray bytes = pending.takeFirst().bytes;
        qsizetype written = 0;
        while (written < bytes.size()) {
            const ssize_t n = ::write(master, bytes.constData() + written, bytes.size() - written);
            if (n <= 0)
                break; // the line is full: nobody reads it, so drop the rest
            written += n;
        }
    }
    if (pending.isEmpty() || timerRunning)
        return;
    // Timers count whole milliseconds; the last part of a wait is spun, so that an answer
    // leaves when the line would have carried it, not up to a millisecond later (at 9600
    // baud that would add 1.5 % to every transfer).
    const qint64 waitNs = pending.first().dueNs - clock.nsecsElapsed();
    timerRunning = true;
    QTimer::singleShot(int(waitNs / 1000000), Qt::PreciseTimer, this, [this] {
        timerRunning = false;
        while (!pending.isEmpty() && pending.first().dueNs > clock.nsecsElapsed()) {
        }
        sendDue();
    });
}
