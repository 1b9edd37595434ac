#pragma once

#include <QtGlobal>

// Field names are the attribute names of the file's "GeneralConfig" element.
struct GeneralConfig {
    quint8 confirmation_general_mode = 0;
    quint8 short_general_mode = 0;
    quint16 delay_confirmation = 0; // seconds x 250
    quint8 cancel_delay = 0;        // bit 0 sounder 1, bit 1 sounder 2
    quint8 cancel_MCP_delay = 0;    // same bits

    friend bool operator==(const GeneralConfig &a, const GeneralConfig &b) {
        return a.confirmation_general_mode == b.confirmation_general_mode &&
               a.short_general_mode == b.short_general_mode &&
               a.delay_confirmation == b.delay_confirmation && a.cancel_delay == b.cancel_delay &&
               a.cancel_MCP_delay == b.cancel_MCP_delay;
    }
    friend bool operator!=(const GeneralConfig &a, const GeneralConfig &b) { return !(a == b); }
};
