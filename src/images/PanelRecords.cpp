#include "images/PanelRecords.h"

#include "images/ManeuverTableImage.h"
#include "images/PanelMemoryMap.h"

#include <QSet>

using namespace PanelMemoryMap;

namespace {

QByteArray recordOf(const QByteArray &image, int k) {
    return image.mid(qsizetype(k) * RecordSize, RecordSize);
}

// Where the k-th record of each area lives, in the download's order.
template <class Visit> void forEachArea(Visit visit) {
    visit(&PanelRecords::Images::simple, SimpleManeuverRecords, [](int k) {
        return PanelRecords::Address{SimpleManeuverTable, k};
    });
    visit(&PanelRecords::Images::logic, LogicManeuverRecords, [](int n) {
        const ManeuverTableImage::RecordAddress at = ManeuverTableImage::logicRecordAddress(n);
        return PanelRecords::Address{at.table, at.record};
    });
    visit(&PanelRecords::Images::general, 1 + GeneralTailRecords, [](int k) {
        return PanelRecords::Address{GeneralTable, GeneralRecord + k};
    });
    visit(&PanelRecords::Images::web, WebServerRecords, [](int k) {
        return PanelRecords::Address{WebServerTable, k};
    });
}

} // namespace

PanelRecords PanelRecords::fromImages(const Images &images) {
    PanelRecords records;
    forEachArea([&](QByteArray Images::*area, int count, auto address) {
        for (int k = 0; k < count; ++k) {
            const Address at = address(k);
            records.set(quint8(at.table), quint8(at.record), recordOf(images.*area, k));
        }
    });
    return records;
}

PanelRecords::Images PanelRecords::images() const {
    Images images;
    forEachArea([&](QByteArray Images::*area, int count, auto address) {
        for (int k = 0; k < count; ++k) {
            const Address at = address(k);
            const QByteArray data = value(quint8(at.table), quint8(at.record));
            (images.*area).append(data.size() == RecordSize ? data : QByteArray(RecordSize, '\0'));
        }
    });
    return images;
}

QList<PanelRecords::Address> PanelRecords::downloadSet() {
    QList<Address> set;
    forEachArea([&](QByteArray Images::*, int count, auto address) {
        for (int k = 0; k < count; ++k)
            set << address(k);
    });
    return set;
}

void PanelRecords::set(quint8 table, quint8 record, const QByteArray &data) {
    records.insert(key(table, record), data);
}

QByteArray PanelRecords::value(quint8 table, quint8 record) const {
    return records.value(key(table, record));
}

void PanelRecords::removeTable(quint8 table) {
    records.removeIf([table](const auto &it) { return it.key() / 256 == table; });
}

QList<PanelRecords::Address> PanelRecords::addresses() const {
    QList<Address> list;
    for (auto it = records.cbegin(); it != records.cend(); ++it)
        list << Address{it.key() / 256, it.key() % 256};
    return list;
}

QString PanelRecords::restoreProblem() const {
    QSet<int> expected;
    for (const Address &at : downloadSet()) {
        expected.insert(key(at.table, at.record));
        if (!records.contains(key(at.table, at.record)))
            return tr("table %1 record %2 is missing").arg(at.table).arg(at.record);
    }
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        const int table = it.key() / 256;
        const int record = it.key() % 256;
        if (!expected.contains(it.key()))
            return tr("table %1 record %2 is not one the panel's configuration uses")
                .arg(table)
                .arg(record);
        if (it.value().size() != RecordSize)
            return tr("table %1 record %2 holds %3 bytes instead of %4")
                .arg(table)
                .arg(record)
                .arg(it.value().size())
                .arg(RecordSize);
    }
    return {};
}
