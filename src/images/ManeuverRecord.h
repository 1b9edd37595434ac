#pragma once

#include "model/ManiobraConvencional.h"

#include <QByteArray>

// One maneuver in the panel's byte form. Event and action blocks are block, block type,
// port, type: the middle two are swapped against the model's field order.
//
// simple (one event): event block, action block, delay big-endian        10 bytes
// logic (2..12):      12 event slots (unused ones zero), action, delay     54 bytes
class ManeuverRecord {
public:
    static constexpr int SimpleSize = 10;
    static constexpr int LogicSize = 54;
    static constexpr int MaxEvents = 12;
    static constexpr int BlockSize = 4;

    // The configuration check keeps maneuvers without events or with more than twelve
    // from the panel; should one get here, it still gives a record of the right size
    // (a zero event block, or the first twelve events).
    static QByteArray encode(const ManiobraConvencional &maneuver);
    // Up to 10 bytes decode as a simple record, more as a logic one; missing bytes read
    // as zero. A logic record's events end at the first block whose first byte is zero.
    static ManiobraConvencional decode(const QByteArray &record);
};
