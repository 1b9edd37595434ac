#pragma once

#include <QtGlobal>

// Field names are the attribute names of the file's "GeneralConfig" element.
struct GeneralConfig {
    static constexpr int DelayUnitsPerSecond = 250;
    static constexpr quint8 Sounder1Bit = 0x01; // of the cancel masks
    static constexpr quint8 Sounder2Bit = 0x02;

    quint8 confirmation_general_mode = 0;
    quint8 short_general_mode = 0;
    quint16 delay_confirmation = 0; // seconds x DelayUnitsPerSecond
    quint8 cancel_delay = 0;        // Sounder1Bit, Sounder2Bit
    quint8 cancel_MCP_delay = 0;    // same bits

    friend bool operator==(const GeneralConfig &a, const GeneralConfig &b) {
        return a.confirmation_general_mode == b.confirmation_general_mode &&
               a.short_general_mode == b.short_general_mode &&
               a.delay_confirmation == b.delay_confirmation && a.cancel_delay == b.cancel_delay &&
               a.cancel_MCP_delay == b.cancel_MCP_delay;
    }
    friend bool operator!=(const GeneralConfig &a, const GeneralConfig &b) { return !(a == b); }
};
