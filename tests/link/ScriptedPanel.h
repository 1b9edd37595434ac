#pragma once

#include "link/CmdConvencional.h"
#include "link/HdlcCodec.h"
#include "link/HdlcFrameReader.h"
#include "link/SerialSettings.h"
#include "sim/PanelSimulator.h"

#include <QIODevice>

// The simulator's engine behind a QIODevice in this process, one letter per request from
// the first (beyond the script: A): A answers, C with a bad checksum, R with status 5, S is
// silent, U unplugs, H never lets the frame out.
class ScriptedPanel : public QIODevice {
public:
    PanelSimulator engine;

    explicit ScriptedPanel(const QString &script = {})
        : script(script) {}
    int requestCount() const { return requests; }
    // Bytes already waiting in the port, e.g. a late answer to an earlier request.
    void inject(const QByteArray &bytes) { incoming.append(bytes); }

    void attach(CmdConvencional &cmd) {
        cmd.useDevice(this);
        cmd.setAnswerTimeout(0);
    }
    static SerialSettings settings() {
        SerialSettings s;
        s.name = QStringLiteral("scripted");
        s.portSelected = true;
        return s;
    }

    bool open(OpenMode mode) override { return QIODevice::open(mode | Unbuffered); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return incoming.size() + QIODevice::bytesAvailable(); }
    qint64 bytesToWrite() const override { return held; }

protected:
    qint64 readData(char *data, qint64 maxSize) override {
        const qint64 n = std::min<qint64>(maxSize, incoming.size());
        std::copy_n(incoming.constData(), n, data);
        incoming.remove(0, n);
        return n;
    }

    qint64 writeData(const char *data, qint64 size) override {
        reader.append(QByteArray(data, size));
        while (reader.hasFrame()) {
            const HdlcFrameReader::Frame frame = reader.takeFrame();
            if (!frame.valid)
                continue;
            const int number = requests++;
            const QChar step = number < script.size() ? script.at(number) : QLatin1Char('A');
            if (step == QLatin1Char('U')) {
                close();
                setErrorString(QStringLiteral("device unplugged"));
                return -1;
            }
            if (step == QLatin1Char('H'))
                held += size;
            else
                answer(frame.payload, step.toLatin1());
        }
        return size;
    }

private:
    void answer(const QByteArray &request, char step) {
        QByteArray reply = engine.answer(request);
        if (reply.isEmpty() || step == 'S')
            return;
        if (step == 'R')
            reply[3] = 5;
        QByteArray frame = HdlcCodec::encodeFrame(reply);
        if (step == 'C')
            frame[1] = char(frame.at(1) ^ 0x01); // the first address byte: never a flag
        incoming.append(frame);
    }

    QString script;
    HdlcFrameReader reader;
    QByteArray incoming;
    qint64 held = 0;
    int requests = 0;
};
