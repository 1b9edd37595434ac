#pragma once

#include <QtGlobal>

// What a maneuver does, and after how many half-seconds.
struct Action {
    quint8 act_blk = 0;      // 1 the panel, 6..8 the auxiliary board in slot act_blk - 6
    quint8 act_blk_port = 0; // output within the block; 0 = all panel sounders
    quint8 act_blk_type = 0; // 1 panel, 7 auxiliary board
    quint8 act_type = 0;
    quint16 delay = 0;

    friend bool operator==(const Action &a, const Action &b) {
        return a.act_blk == b.act_blk && a.act_blk_port == b.act_blk_port &&
               a.act_blk_type == b.act_blk_type && a.act_type == b.act_type && a.delay == b.delay;
    }
    friend bool operator!=(const Action &a, const Action &b) { return !(a == b); }
};
