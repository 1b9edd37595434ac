#include "images/PanelRecordsText.h"

#include "images/PanelMemoryMap.h"

#include <QList>

#include <algorithm>
#include <cctype>

namespace {

bool isHex(const QByteArray &digits) {
    return std::all_of(digits.cbegin(), digits.cend(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

} // namespace

QByteArray PanelRecordsText::header() {
    return QByteArrayLiteral("# MRB-500 panel records 1");
}

QByteArray PanelRecordsText::encode(const PanelRecords &records) {
    QByteArray text = header() + '\n';
    for (const PanelRecords::Address &at : records.addresses())
        text += QByteArray::number(at.table) + ' ' + QByteArray::number(at.record) + ' ' +
                records.value(quint8(at.table), quint8(at.record)).toHex() + '\n';
    return text;
}

bool PanelRecordsText::decode(const QByteArray &text, PanelRecords &records, QString *error) {
    PanelRecords read;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).simplified();
        const int number = int(i + 1);
        if (line.isEmpty())
            continue;
        if (line.startsWith('#')) {
            if (number == 1 && line == header())
                continue;
            *error = tr("line %1: expected the heading \"%2\" on the first line only")
                         .arg(number)
                         .arg(QString::fromLatin1(header()));
            return false;
        }
        const QList<QByteArray> fields = line.split(' ');
        bool tableOk = false;
        bool recordOk = false;
        const int table = fields.value(0).toInt(&tableOk);
        const int record = fields.value(1).toInt(&recordOk);
        const QByteArray hex = fields.value(2);
        if (fields.size() != 3 || !tableOk || !recordOk || table < 0 || table > 255 || record < 0 ||
            record > 255 || hex.size() != 2 * PanelMemoryMap::RecordSize || !isHex(hex)) {
            *error = tr("line %1: expected \"table record\" and 32 hex digits").arg(number);
            return false;
        }
        if (!read.value(quint8(table), quint8(record)).isEmpty()) {
            *error = tr("line %1: table %2 record %3 is listed a second time")
                         .arg(number)
                         .arg(table)
                         .arg(record);
            return false;
        }
        read.set(quint8(table), quint8(record), QByteArray::fromHex(hex));
    }
    records = read;
    return true;
}
