#include "images/ManeuverRecord.h"

namespace {

void putBlock(QByteArray &record, int offset, quint8 blk, quint8 type, quint8 port, quint8 kind) {
    record[offset] = char(blk);
    record[offset + 1] = char(type);
    record[offset + 2] = char(port);
    record[offset + 3] = char(kind);
}

void putEvent(QByteArray &record, int offset, const Event &e) {
    putBlock(record, offset, e.evt_blk, e.evt_blk_type, e.evt_blk_prt, e.evt_type);
}

void putActionAndDelay(QByteArray &record, int offset, const ManiobraConvencional &m) {
    putBlock(record, offset, m.act_blk, m.act_blk_type, m.act_blk_port, m.act_type);
    record[offset + 4] = char(m.delay >> 8);
    record[offset + 5] = char(m.delay & 0xff);
}

// Bytes beyond the end read as zero.
quint8 at(const QByteArray &bytes, qsizetype i) {
    return i >= 0 && i < bytes.size() ? quint8(bytes.at(i)) : 0;
}

Event eventAt(const QByteArray &bytes, qsizetype offset) {
    Event e;
    e.evt_blk = at(bytes, offset);
    e.evt_blk_type = at(bytes, offset + 1);
    e.evt_blk_prt = at(bytes, offset + 2);
    e.evt_type = at(bytes, offset + 3);
    return e;
}

void takeActionAndDelay(const QByteArray &bytes, qsizetype offset, ManiobraConvencional &m) {
    m.act_blk = at(bytes, offset);
    m.act_blk_type = at(bytes, offset + 1);
    m.act_blk_port = at(bytes, offset + 2);
    m.act_type = at(bytes, offset + 3);
    m.delay = quint16(at(bytes, offset + 4) << 8 | at(bytes, offset + 5));
}

} // namespace

QByteArray ManeuverRecord::encode(const ManiobraConvencional &maneuver) {
    if (!maneuver.isLogic()) {
        QByteArray record(SimpleSize, '\0');
        if (!maneuver.events.isEmpty())
            putEvent(record, 0, maneuver.events.first());
        putActionAndDelay(record, BlockSize, maneuver);
        return record;
    }
    QByteArray record(LogicSize, '\0');
    const int count = std::min<int>(int(maneuver.events.size()), MaxEvents);
    for (int i = 0; i < count; ++i)
        putEvent(record, BlockSize * i, maneuver.events.at(i));
    putActionAndDelay(record, BlockSize * MaxEvents, maneuver);
    return record;
}

ManiobraConvencional ManeuverRecord::decode(const QByteArray &record) {
    ManiobraConvencional m;
    if (record.size() <= SimpleSize) {
        m.events.append(eventAt(record, 0));
        takeActionAndDelay(record, BlockSize, m);
        return m;
    }
    for (int i = 0; i < MaxEvents; ++i) {
        const Event e = eventAt(record, BlockSize * i);
        if (e.evt_blk == 0)
            break;
        m.events.append(e);
    }
    takeActionAndDelay(record, record.size() - 6, m);
    return m;
}

ManiobraConvencional::ManiobraConvencional(const QByteArray &record) {
    *this = ManeuverRecord::decode(record);
}

QByteArray ManiobraConvencional::toByteArray() const {
    return ManeuverRecord::encode(*this);
}
