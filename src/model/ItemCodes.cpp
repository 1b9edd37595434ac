#include "model/ItemCodes.h"

#include "model/ManiobraConvencional.h"

#include <optional>

namespace ItemCodes {

namespace {

std::optional<Event> eventFor(int code) {
    if (code >= zone(1) && code <= zone(MaxZoneItems))
        return Event{2, quint8(code - zone(1) + 1), 2, 2};
    switch (code) {
    case Panel:
    case Sounder1:
        return Event{2, 0, 2, 2};
    case Sounder2:
        return Event{2, 0, 2, 1};
    case Input:
        return Event{5, 1, 5, 2};
    case InputOff:
        return Event{5, 1, 5, 1};
    }
    return std::nullopt;
}

std::optional<Action> actionFor(int code) {
    const int offset = code - boardOutput(0, 1);
    if (offset >= 0 && offset < 16 * BoardSlots && offset % 16 < BoardOutputs)
        return Action{quint8(6 + offset / 16), quint8(offset % 16 + 1), 7, 1, 0};
    switch (code) {
    case Panel:
        return Action{1, 0, 1, 3, 0};
    case Sounder1:
        return Action{1, 1, 1, 3, 0};
    case Sounder2:
        return Action{1, 2, 1, 3, 0};
    case Reset:
        return Action{1, 0, 1, 2, 0};
    case Input:
        return Action{1, 0, 1, 1, 0};
    }
    return std::nullopt;
}

} // namespace

bool toManeuver(const QList<int> &eventCodes, int actionCode, ManiobraConvencional *maneuver) {
    QList<Event> events;
    for (int code : eventCodes) {
        const std::optional<Event> event = eventFor(code);
        if (!event)
            return false;
        events.append(*event);
    }
    const std::optional<Action> action = actionFor(actionCode);
    if (!action)
        return false;
    maneuver->setManiobra(events, *action);
    return true;
}

} // namespace ItemCodes
