#pragma once

#include "images/PanelRecords.h"

#include <QByteArray>
#include <QList>

// The panel's side of the protocol, without any I/O: tables of 16-byte records, erase,
// write, read, begin-upload and reset. Records never written read as zeros.
class PanelSimulator {
public:
    static constexpr int RecordSize = 16;

    // Answer payload (the framing is the caller's) for one request payload; empty when a
    // real panel would not answer (a request it cannot parse).
    QByteArray answer(const QByteArray &request);

    // Status returned to writes and erases, which then change nothing (0 accepts).
    void setRefusalStatus(quint8 status) { refusalStatus = status; }
    // Store every written record with its last byte's lowest bit flipped.
    void setFlipStored(bool on) { flipStored = on; }

    QByteArray record(int table, int index) const;
    void setRecord(int table, int index, const QByteArray &data);
    const PanelRecords &memory() const { return records; }
    void setMemory(const PanelRecords &memory) { records = memory; }

    const QList<QByteArray> &requests() const { return log; }
    void clearRequests() { log.clear(); }
    bool memoryChanged() const { return changed; } // by the last request
    int resets() const { return resetCount; }

private:
    static QByteArray reply(quint8 code, quint8 status, const QByteArray &data = {});

    PanelRecords records;
    QList<QByteArray> log;
    quint8 refusalStatus = 0;
    bool flipStored = false;
    bool changed = false;
    int resetCount = 0;
};
