#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>

// Records of the panel's configuration memory as the panel holds them, by table and
// record number: a backup in its raw form, which keeps bytes that no configuration file
// can carry (a control character in a text, a maneuver code without a description), and
// the simulator's memory.
class PanelRecords {
    Q_DECLARE_TR_FUNCTIONS(PanelRecords)

public:
    struct Address {
        int table;
        int record;
    };

    // The areas a download reads, whole; the k-th 16 bytes of an area are its k-th record.
    struct Images {
        QByteArray simple;  // table 0, records 0-17
        QByteArray logic;   // tables 1-5, the 135 logic records
        QByteArray general; // table 6, records 0-6: the general options, then the panel's own
        QByteArray web;     // table 7, records 0-21
    };
    static PanelRecords fromImages(const Images &images);
    // A missing record reads as 16 zero bytes.
    Images images() const;
    // Every record a download reads, in its order: the set a backup holds and a restore
    // writes.
    static QList<Address> downloadSet();

    void set(quint8 table, quint8 record, const QByteArray &data);
    QByteArray value(quint8 table, quint8 record) const; // empty when there is none
    void removeTable(quint8 table);
    QList<Address> addresses() const; // by table, then record
    qsizetype size() const { return records.size(); }
    bool isEmpty() const { return records.isEmpty(); }
    bool operator==(const PanelRecords &other) const { return records == other.records; }
    bool operator!=(const PanelRecords &other) const { return records != other.records; }

    // Why these records are not exactly what a download reads (one missing, one more, one
    // not 16 bytes long), naming the first such record; empty when they are. Only such a
    // set can be restored: anything less would leave erased records on the panel.
    QString restoreProblem() const;

private:
    static int key(int table, int record) { return table * 256 + record; }

    QMap<int, QByteArray> records;
};
