#pragma once

#include "images/PanelRecords.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Panel records as text, one line per record, by table and record:
//
//   # MRB-500 panel records 1
//   0 0 0202010501010003003c020202060101
//   6 0 01003a98030100000000000000000000
//
// The first line names the format and its version, so that a reader tells such a file
// from a configuration file. Each record line is the table and record numbers (decimal, 0
// to 255) and the record's 16 bytes as 32 hex digits, separated by spaces. Blank lines are
// ignored. A text without the first line (the simulator wrote its memory so before) reads
// the same.
class PanelRecordsText {
    Q_DECLARE_TR_FUNCTIONS(PanelRecordsText)

public:
    static QByteArray header();
    static QByteArray encode(const PanelRecords &records);
    // False, naming the line and what is wrong with it, for anything else (a record listed
    // twice included); `records` is changed only on success.
    static bool decode(const QByteArray &text, PanelRecords &records, QString *error);
};
