#pragma once

#include "model/ManiobraConvencional.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

// The two maneuver areas as continuous images: simple records back to back in table 0
// (18 records, 288 bytes, room for 28), logic records back to back over tables 1 to 5
// (135 records, 2160 bytes, room for 40). Records do not follow record boundaries.
class ManeuverTableImage {
    Q_DECLARE_TR_FUNCTIONS(ManeuverTableImage)

public:
    static constexpr int SimpleImageSize = 288;
    static constexpr int LogicImageSize = 2160;
    static constexpr int MaxSimple = 28;
    static constexpr int MaxLogic = 40;

    struct Images {
        QByteArray simple; // padded to SimpleImageSize
        QByteArray logic;  // padded to LogicImageSize
    };

    // Both images in list order. False, with a reason, when a record would not fit
    // whole: a record is never cut short.
    static bool build(const QList<ManiobraConvencional> &maneuvers, Images &out,
                      QString *error = nullptr);
    // The records of both images in list order, without padding or size limit.
    static Images records(const QList<ManiobraConvencional> &maneuvers);

    // Simple records up to the first whose first byte is zero.
    static QList<ManiobraConvencional> decodeSimple(const QByteArray &image);
    // All logic records that have at least one event.
    static QList<ManiobraConvencional> decodeLogic(const QByteArray &image);

    struct RecordAddress {
        int table;
        int record;
    };
    // Image record n of the logic area: table 1 + n / 32, record n mod 32.
    static RecordAddress logicRecordAddress(int n);
};
