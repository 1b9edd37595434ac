#pragma once

// Where each image lives in the panel's configuration memory: numbered tables of
// numbered 16-byte records.
namespace PanelMemoryMap {

constexpr int RecordSize = 16;

constexpr int SimpleManeuverTable = 0;
constexpr int SimpleManeuverRecords = 18;

// The logic image runs on over tables 1 to 5, 32 records each; table 5 gets only
// records 0 to 6 and is never erased (the panel relies on that).
constexpr int FirstLogicTable = 1;
constexpr int LastErasedLogicTable = 4;
constexpr int LogicRecordsPerTable = 32;
constexpr int LogicManeuverRecords = 135;

constexpr int GeneralTable = 6;
constexpr int GeneralRecord = 0;
constexpr int GeneralTailRecords = 6; // records 1 to 6: read, never interpreted

constexpr int WebServerTable = 7;
constexpr int WebServerRecords = 22;

} // namespace PanelMemoryMap
