#include "model/ManiobraConvencional.h"

#include "model/ManeuverCodes.h"

#include <algorithm>

ManiobraConvencional::ManiobraConvencional(const QList<Event> &eventList, const Action &action) {
    setManiobra(eventList, action);
}

bool ManiobraConvencional::setManiobra(const QList<Event> &eventList, const Action &action) {
    events = eventList;
    setAction(action);
    return true;
}

Action ManiobraConvencional::action() const {
    return Action{act_blk, act_blk_port, act_blk_type, act_type, delay};
}

void ManiobraConvencional::setAction(const Action &action) {
    act_blk = action.act_blk;
    act_blk_port = action.act_blk_port;
    act_blk_type = action.act_blk_type;
    act_type = action.act_type;
    delay = action.delay;
}

namespace {

constexpr int BlockSize = 4;
constexpr int ActionAndDelaySize = BlockSize + 2; // the action block, then the delay

void putBlock(QByteArray &record, int offset, quint8 blk, quint8 type, quint8 port, quint8 kind) {
    record[offset] = char(blk);
    record[offset + 1] = char(type);
    record[offset + 2] = char(port);
    record[offset + 3] = char(kind);
}

void putEvent(QByteArray &record, int offset, const Event &e) {
    putBlock(record, offset, e.evt_blk, e.evt_blk_type, e.evt_blk_prt, e.evt_type);
}

void putActionAndDelay(QByteArray &record, int offset, const Action &a) {
    putBlock(record, offset, a.act_blk, a.act_blk_type, a.act_blk_port, a.act_type);
    record[offset + 4] = char(a.delay >> 8);
    record[offset + 5] = char(a.delay & 0xff);
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

Action actionAt(const QByteArray &bytes, qsizetype offset) {
    Action a;
    a.act_blk = at(bytes, offset);
    a.act_blk_type = at(bytes, offset + 1);
    a.act_blk_port = at(bytes, offset + 2);
    a.act_type = at(bytes, offset + 3);
    a.delay = quint16(at(bytes, offset + 4) << 8 | at(bytes, offset + 5));
    return a;
}

} // namespace

ManiobraConvencional::ManiobraConvencional(const QByteArray &record) {
    if (record.size() <= SimpleRecordSize) {
        events.append(eventAt(record, 0));
        setAction(actionAt(record, BlockSize));
        return;
    }
    for (int i = 0; i < MaxEvents; ++i) {
        const Event e = eventAt(record, BlockSize * i);
        if (e.evt_blk == ManeuverCodes::NoBlock)
            break;
        events.append(e);
    }
    setAction(actionAt(record, record.size() - ActionAndDelaySize));
}

QByteArray ManiobraConvencional::toByteArray() const {
    if (!isLogic()) {
        QByteArray record(SimpleRecordSize, '\0');
        if (!events.isEmpty())
            putEvent(record, 0, events.first());
        putActionAndDelay(record, BlockSize, action());
        return record;
    }
    QByteArray record(LogicRecordSize, '\0');
    const int count = std::min<int>(int(events.size()), MaxEvents);
    for (int i = 0; i < count; ++i)
        putEvent(record, BlockSize * i, events.at(i));
    putActionAndDelay(record, BlockSize * MaxEvents, action());
    return record;
}
