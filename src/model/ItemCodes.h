#pragma once

#include "model/ManeuverCodes.h"

#include <QList>

class ManiobraConvencional;

// The integer codes that the maneuver editor's tree items carry, and their conversion
// into a maneuver. Kept free of widgets so that the editor only has to call it.
namespace ItemCodes {

// The same code means different things in the event tree and in the action tree.
constexpr int Panel = 0x4000;    // event: any alarm in the panel; action: all panel sounders
constexpr int Sounder1 = 0x4001; // event: any alarm in the panel; action: panel sounder 1
constexpr int Sounder2 = 0x4002; // event: fault in the panel; action: panel sounder 2
constexpr int Reset = 0x4003;    // action: general reset
constexpr int Input = 0x4004;    // event: auxiliary input on; action: mute the buzzer
constexpr int InputOff = 0x400c; // event: auxiliary input off

constexpr int MaxZoneItems = 16;
constexpr int BoardOutputs = ManeuverCodes::BoardOutputs;
constexpr int BoardSlots = ManeuverCodes::boardSlot(ManeuverCodes::LastBoardBlock) + 1;

// Zone n (1..16) in the event tree.
constexpr int zone(int n) {
    return 0x2000 + (n - 1);
}
// Output j (1..4) of the board in slot i (0..2) in the action tree.
constexpr int boardOutput(int slot, int output) {
    return 0x1000 + 16 * slot + (output - 1);
}

// Builds a maneuver from the event codes (in selection order) and one action code,
// with delay 0. Returns false, leaving the maneuver untouched, if any code is unknown.
bool toManeuver(const QList<int> &eventCodes, int actionCode, ManiobraConvencional *maneuver);

} // namespace ItemCodes
