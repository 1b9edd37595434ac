#pragma once

#include <QtGlobal>

// What a maneuver does, and after how many half-seconds (codes in ManeuverCodes.h).
struct Action {
    quint8 act_blk = 0;      // the panel, or one auxiliary board
    quint8 act_blk_port = 0; // output within the block
    quint8 act_blk_type = 0; // the panel's, or an auxiliary board's
    quint8 act_type = 0;
    quint16 delay = 0;

    friend bool operator==(const Action &a, const Action &b) {
        return a.act_blk == b.act_blk && a.act_blk_port == b.act_blk_port &&
               a.act_blk_type == b.act_blk_type && a.act_type == b.act_type && a.delay == b.delay;
    }
    friend bool operator!=(const Action &a, const Action &b) { return !(a == b); }
};
