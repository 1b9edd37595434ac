#pragma once

#include "model/GeneralConfig.h"

#include <QByteArray>

// The general record (table 6, record 0): confirmation mode, short circuit mode, the
// confirmation delay big-endian, the two cancel masks, ten zero bytes.
class GeneralConfigImage {
public:
    static constexpr int Size = 16;
    static constexpr int DecodedBytes = 6;

    static QByteArray build(const GeneralConfig &config);
    // False, leaving `out` alone, when the record is too short to hold the options.
    static bool decode(const QByteArray &record, GeneralConfig &out);
};
