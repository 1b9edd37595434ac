#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

// Collects frames from bytes as they arrive, however the bytes are split. Bytes before
// an opening flag are dropped; a closing flag also opens the next frame, so a run of
// flags is harmless. A frame is complete with at least one byte between its flags.
class HdlcFrameReader {
    Q_DECLARE_TR_FUNCTIONS(HdlcFrameReader)

public:
    // Longer than any frame of the protocol, even fully escaped.
    static constexpr qsizetype MaxFrameBytes = 256;

    struct Frame {
        bool valid = false;
        QByteArray payload; // without the checksum; empty when not valid
        QString problem;    // why it is not valid
    };

    void append(const QByteArray &bytes);
    bool hasFrame() const { return !frames.isEmpty(); }
    Frame takeFrame();
    void reset();

private:
    void closeFrame();

    enum class State { Hunting, InFrame };
    State state = State::Hunting;
    bool escaped = false;
    bool overlong = false;
    QByteArray body;
    QList<Frame> frames;
};
