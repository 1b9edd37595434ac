#pragma once

#include <QByteArray>

// Frames on the panel link: 0x7E flags around the payload and its 8-bit additive
// checksum, with 0x7E and 0x7D escaped as 0x7D, byte ^ 0x20. Pure functions of bytes.
class HdlcCodec {
public:
    static constexpr char Flag = 0x7E;
    static constexpr char Escape = 0x7D;
    static constexpr char EscapeXor = 0x20;

    static quint8 checksum(const QByteArray &bytes);
    static QByteArray stuff(const QByteArray &bytes);
    // A lone escape at the end becomes 0x20, as the panel's own decoder does.
    static QByteArray unstuff(const QByteArray &bytes);
    static QByteArray encodeFrame(const QByteArray &payload);
};
