#pragma once

#include <QtGlobal>

// The codes of the panel's maneuver vocabulary: what the bytes of an Event and an Action
// mean. Every other place names them from here; the tests keep the literal numbers.
namespace ManeuverCodes {

// Event blocks (evt_blk; evt_blk_type always repeats it).
constexpr quint8 NoBlock = 0;    // ends the panel's event list and its simple table
constexpr quint8 ZoneBlock = 2;  // the panel and its zones
constexpr quint8 InputBlock = 5; // the auxiliary input

// Event ports (evt_blk_prt): zones are 1..n.
constexpr quint8 PanelPort = 0;
constexpr quint8 InputPort = 1;

// Event types (evt_type) of the zone block. Faults and alarms of any kind name a zone, or
// the panel itself with port 0; the call point of the panel names none.
constexpr quint8 AnyFault = 1;
constexpr quint8 AnyAlarm = 2;
constexpr quint8 OpenCircuit = 3;
constexpr quint8 ShortCircuit = 4;
constexpr quint8 DetectorAlarm = 5;
constexpr quint8 CallPointAlarm = 6;
constexpr quint8 PanelCallPoint = 7;
constexpr quint8 LastZoneEvent = CallPointAlarm; // types 1 to 6 may name a zone

// Event types of the input block.
constexpr quint8 InputOff = 1;
constexpr quint8 InputOn = 2;

// Action block types (act_blk_type) and the blocks (act_blk) they address.
constexpr quint8 PanelBlockType = 1;
constexpr quint8 BoardBlockType = 7;
constexpr quint8 PanelBlock = 1;
constexpr quint8 FirstBoardBlock = 6; // the auxiliary board in slot 0
constexpr quint8 LastBoardBlock = 8;  // the one in slot 2

// The slot of the auxiliary board a block addresses (act_blk - 6), and back; board
// numbers shown to people are slot + 1.
constexpr int boardSlot(int block) {
    return block - FirstBoardBlock;
}
constexpr quint8 boardBlock(int slot) {
    return quint8(FirstBoardBlock + slot);
}

// Action types (act_type) of the panel block.
constexpr quint8 Mute = 1; // silence the buzzer, light the silenced LED
constexpr quint8 Reset = 2;
constexpr quint8 SoundersOn = 3;
constexpr quint8 SoundersOff = 4;

// Action types of an auxiliary board's output.
constexpr quint8 OutputOn = 1;
constexpr quint8 OutputOff = 2;

// Action ports (act_blk_port): the panel's sounders 1 and 2, or 0 for both; an auxiliary
// board's outputs 1..4.
constexpr quint8 AllPanelSounders = 0;
constexpr quint8 PanelSounder1 = 1;
constexpr quint8 PanelSounder2 = 2;
constexpr int PanelSounders = 2;
constexpr int BoardOutputs = 4;

} // namespace ManeuverCodes
