#pragma once

#include <QtGlobal>

// One trigger of a maneuver: block, port, block type, type (codes in ManeuverCodes.h).
struct Event {
    quint8 evt_blk = 0;
    quint8 evt_blk_prt = 0;  // zone 1..n, or the panel itself, or the auxiliary input
    quint8 evt_blk_type = 0; // always equal to evt_blk
    quint8 evt_type = 0;

    friend bool operator==(const Event &a, const Event &b) {
        return a.evt_blk == b.evt_blk && a.evt_blk_prt == b.evt_blk_prt &&
               a.evt_blk_type == b.evt_blk_type && a.evt_type == b.evt_type;
    }
    friend bool operator!=(const Event &a, const Event &b) { return !(a == b); }
};
