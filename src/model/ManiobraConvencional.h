#pragma once

#include "model/Action.h"
#include "model/Event.h"

#include <QByteArray>
#include <QList>

// One maneuver: an ordered event list and one action. At most one event makes it
// simple, two or more make it logic; nothing else tells the two kinds apart.
//
// Its record, the panel's byte form. Event and action blocks are block, block type, port,
// type: the middle two are swapped against the field order here.
// simple (one event): event block, action block, delay big-endian        10 bytes
// logic (2..12):      12 event slots (unused ones zero), action, delay     54 bytes
class ManiobraConvencional {
public:
    static constexpr int SimpleRecordSize = 10;
    static constexpr int LogicRecordSize = 54;
    static constexpr int MaxEvents = 12;

    ManiobraConvencional() = default;
    ManiobraConvencional(const QList<Event> &eventList, const Action &action);
    // Up to 10 bytes decode as a simple record, more as a logic one; missing bytes read
    // as zero. A logic record's events end at the first block whose first byte is zero.
    explicit ManiobraConvencional(const QByteArray &record);
    // The configuration check keeps maneuvers without events or with more than twelve
    // from the panel; should one get here, it still gives a record of the right size (a
    // zero event block, or the first twelve events).
    QByteArray toByteArray() const;

    bool setManiobra(const QList<Event> &eventList, const Action &action);

    Action action() const;
    void setAction(const Action &action);
    bool isLogic() const { return events.size() > 1; }

    quint8 act_blk = 0;
    quint8 act_blk_port = 0;
    quint8 act_blk_type = 0;
    quint8 act_type = 0;
    quint16 delay = 0; // half-seconds
    QList<Event> events;

    friend bool operator==(const ManiobraConvencional &a, const ManiobraConvencional &b) {
        return a.events == b.events && a.action() == b.action();
    }
    friend bool operator!=(const ManiobraConvencional &a, const ManiobraConvencional &b) {
        return !(a == b);
    }
};
