#pragma once

#include "model/GeneralConfig.h"

#include <QByteArray>

// The general record (table 6, record 0): the general options where FieldTable places
// them, the rest zero.
class GeneralConfigImage {
public:
    static constexpr int Size = 16;

    static QByteArray build(const GeneralConfig &config);
    // False, leaving `out` alone, when the record is too short to hold the options.
    static bool decode(const QByteArray &record, GeneralConfig &out);
};
