#include "link/HdlcCodec.h"

quint8 HdlcCodec::checksum(const QByteArray &bytes) {
    quint8 sum = 0;
    for (char c : bytes)
        sum = quint8(sum + quint8(c));
    return sum;
}

QByteArray HdlcCodec::stuff(const QByteArray &bytes) {
    QByteArray out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        if (c == Flag || c == Escape) {
            out.append(Escape);
            out.append(char(c ^ EscapeXor));
        } else {
            out.append(c);
        }
    }
    return out;
}

QByteArray HdlcCodec::unstuff(const QByteArray &bytes) {
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) != Escape) {
            out.append(bytes.at(i));
        } else if (i + 1 < bytes.size()) {
            out.append(char(bytes.at(++i) ^ EscapeXor));
        } else {
            out.append(EscapeXor);
        }
    }
    return out;
}

QByteArray HdlcCodec::encodeFrame(const QByteArray &payload) {
    QByteArray body = payload;
    body.append(char(checksum(payload)));
    QByteArray frame;
    frame.reserve(body.size() * 2 + 2);
    frame.append(Flag);
    frame.append(stuff(body));
    frame.append(Flag);
    return frame;
}
