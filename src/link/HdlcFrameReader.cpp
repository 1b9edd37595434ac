#include "link/HdlcFrameReader.h"

#include "link/HdlcCodec.h"

void HdlcFrameReader::append(const QByteArray &bytes) {
    for (char c : bytes) {
        if (c == HdlcCodec::Flag) {
            if (state == State::InFrame && (!body.isEmpty() || escaped || overlong))
                closeFrame();
            state = State::InFrame;
            continue;
        }
        if (state == State::Hunting)
            continue;
        if (overlong)
            continue;
        if (escaped) {
            body.append(char(c ^ HdlcCodec::EscapeXor));
            escaped = false;
        } else if (c == HdlcCodec::Escape) {
            escaped = true;
        } else {
            body.append(c);
        }
        if (body.size() > MaxFrameBytes) {
            overlong = true;
            body.clear();
        }
    }
}

void HdlcFrameReader::closeFrame() {
    Frame frame;
    if (overlong) {
        frame.problem = tr("answer frame longer than %1 bytes").arg(MaxFrameBytes);
    } else if (escaped) {
        frame.problem = tr("answer frame ends with an escape byte");
    } else {
        const QByteArray payload = body.left(body.size() - 1);
        const quint8 received = quint8(body.back());
        const quint8 expected = HdlcCodec::checksum(payload);
        if (received == expected) {
            frame.valid = true;
            frame.payload = payload;
        } else {
            frame.problem = tr("answer checksum is 0x%1, expected 0x%2")
                                .arg(received, 2, 16, QLatin1Char('0'))
                                .arg(expected, 2, 16, QLatin1Char('0'));
        }
    }
    frames.append(frame);
    body.clear();
    escaped = false;
    overlong = false;
}

HdlcFrameReader::Frame HdlcFrameReader::takeFrame() {
    return frames.isEmpty() ? Frame{} : frames.takeFirst();
}

void HdlcFrameReader::reset() {
    state = State::Hunting;
    escaped = false;
    overlong = false;
    body.clear();
    frames.clear();
}
