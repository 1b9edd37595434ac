#include "model/ItemCodes.h"

#include "model/ManeuverCodes.h"
#include "model/ManiobraConvencional.h"

#include <optional>

namespace ItemCodes {

namespace {

// Qualified: item codes and maneuver codes share names (Reset, InputOff) but not values.
namespace Codes = ManeuverCodes;

Event zoneEvent(quint8 port, quint8 type) {
    return Event{Codes::ZoneBlock, port, Codes::ZoneBlock, type};
}

Event inputEvent(quint8 type) {
    return Event{Codes::InputBlock, Codes::InputPort, Codes::InputBlock, type};
}

Action panelAction(quint8 port, quint8 type) {
    return Action{Codes::PanelBlock, port, Codes::PanelBlockType, type, 0};
}

std::optional<Event> eventFor(int code) {
    if (code >= zone(1) && code <= zone(MaxZoneItems))
        return zoneEvent(quint8(code - zone(1) + 1), Codes::AnyAlarm);
    switch (code) {
    case Panel:
    case Sounder1:
        return zoneEvent(Codes::PanelPort, Codes::AnyAlarm);
    case Sounder2:
        return zoneEvent(Codes::PanelPort, Codes::AnyFault);
    case Input:
        return inputEvent(Codes::InputOn);
    case InputOff:
        return inputEvent(Codes::InputOff);
    }
    return std::nullopt;
}

std::optional<Action> actionFor(int code) {
    const int offset = code - boardOutput(0, 1);
    if (offset >= 0 && offset < 16 * BoardSlots && offset % 16 < BoardOutputs)
        return Action{Codes::boardBlock(offset / 16), quint8(offset % 16 + 1),
                      Codes::BoardBlockType, Codes::OutputOn, 0};
    switch (code) {
    case Panel:
        return panelAction(Codes::AllPanelSounders, Codes::SoundersOn);
    case Sounder1:
        return panelAction(Codes::PanelSounder1, Codes::SoundersOn);
    case Sounder2:
        return panelAction(Codes::PanelSounder2, Codes::SoundersOn);
    case Reset:
        return panelAction(Codes::AllPanelSounders, Codes::Reset);
    case Input:
        return panelAction(Codes::AllPanelSounders, Codes::Mute);
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
