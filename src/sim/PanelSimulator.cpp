#include "sim/PanelSimulator.h"

#include "link/CommandCodec.h"

QByteArray PanelSimulator::reply(quint8 code, quint8 status, const QByteArray &data) {
    QByteArray r(4, '\0');
    r[2] = char(code);
    r[3] = char(status);
    return r + data;
}

QByteArray PanelSimulator::record(int table, int index) const {
    const QByteArray data = records.value(quint8(table), quint8(index));
    return data.isEmpty() ? QByteArray(RecordSize, '\0') : data;
}

void PanelSimulator::setRecord(int table, int index, const QByteArray &data) {
    records.set(quint8(table), quint8(index), data.leftJustified(RecordSize, '\0', true));
}

QByteArray PanelSimulator::answer(const QByteArray &request) {
    log.append(request);
    changed = false;
    if (request.size() < 5)
        return {};
    const quint8 code = quint8(request.at(3));
    const int table = quint8(request.at(4));
    switch (code) {
    case CommandCodec::EraseTable: {
        if (refusalStatus)
            return reply(code, refusalStatus);
        records.removeTable(quint8(table));
        changed = true;
        return reply(code, 0);
    }
    case CommandCodec::WriteRecord: {
        if (request.size() != 6 + RecordSize)
            return {};
        if (refusalStatus)
            return reply(code, refusalStatus);
        QByteArray data = request.mid(6);
        if (flipStored)
            data[RecordSize - 1] = char(data.at(RecordSize - 1) ^ 0x01);
        setRecord(table, quint8(request.at(5)), data);
        changed = true;
        return reply(code, 0);
    }
    case CommandCodec::ReadRecord:
        if (request.size() != 6)
            return {};
        return reply(code, 0, record(table, quint8(request.at(5))));
    case CommandCodec::BeginUpload:
        return reply(code, 0);
    case CommandCodec::ResetPanel:
        ++resetCount;
        return reply(code, 0);
    default:
        return reply(code, 0xff);
    }
}
