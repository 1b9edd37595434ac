#pragma once

#include "link/CmdConvencional.h"
#include "link/HdlcCodec.h"
#include "link/HdlcFrameReader.h"
#include "link/SerialSettings.h"
#include "sim/PanelSimulator.h"

#include <QIODevice>
#include <QSet>

// The simulator's protocol engine behind a QIODevice in the test's own process: a request
// is answered as soon as it is written, so whole transfers run with no terminal, no
// second process and no wait. Faults are scripted per request, counted from 0 as
// PtyPanel counts them.
class InProcessPanel : public QIODevice {
public:
    PanelSimulator engine;

    void dropAnswer(int request) { dropped.insert(request); }
    void setSilent(bool on) { silent = on; }
    // After answering `requests` requests, the next write finds the adapter unplugged;
    // negative never.
    void setHangUpAfter(int requests) { hangUpAfter = requests; }
    int requestCount() const { return requests; }

    // Makes `cmd` reach this panel through configurePort(): a silent panel fails at once.
    void attach(CmdConvencional &cmd) {
        cmd.useDevice(this);
        cmd.setAnswerTimeout(0);
    }
    static SerialSettings settings() {
        SerialSettings s;
        s.name = QStringLiteral("in-process");
        s.portSelected = true;
        return s;
    }

    bool open(OpenMode mode) override { return QIODevice::open(mode | Unbuffered); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return incoming.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override {
        const qint64 n = std::min<qint64>(maxSize, incoming.size());
        std::copy_n(incoming.constData(), n, data);
        incoming.remove(0, n);
        return n;
    }

    qint64 writeData(const char *data, qint64 size) override {
        if (hangUpAfter >= 0 && requests >= hangUpAfter) {
            close();
            setErrorString(QStringLiteral("device unplugged"));
            return -1;
        }
        reader.append(QByteArray(data, size));
        while (reader.hasFrame()) {
            const HdlcFrameReader::Frame frame = reader.takeFrame();
            if (frame.valid)
                answer(frame.payload);
        }
        return size;
    }

private:
    void answer(const QByteArray &request) {
        const int number = requests++;
        const QByteArray reply = engine.answer(request);
        if (reply.isEmpty() || silent || dropped.remove(number))
            return;
        incoming.append(HdlcCodec::encodeFrame(reply));
    }

    HdlcFrameReader reader;
    QByteArray incoming;
    QSet<int> dropped;
    bool silent = false;
    int hangUpAfter = -1;
    int requests = 0;
};
