#pragma once

#include "model/Action.h"
#include "model/Event.h"

#include <QByteArray>
#include <QList>

// One maneuver: an ordered event list and one action. At most one event makes it
// simple, two or more make it logic; nothing else tells the two kinds apart.
class ManiobraConvencional {
public:
    ManiobraConvencional() = default;
    ManiobraConvencional(const QList<Event> &eventList, const Action &action);
    // From and to the panel's record form: 10 bytes simple, 54 logic. Defined beside
    // the record codec (images/ManeuverRecord.cpp): a caller links the images library.
    explicit ManiobraConvencional(const QByteArray &record);
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
