#pragma once

#include "model/ManiobraConvencional.h"

#include <QStringList>

// Maneuvers as short texts for test tables and readable failures:
// "2.3.2.5 5.1.5.2 | 1.0.1.3 40" is the events (block.port.type.type), then the action
// (block.port.type.type) and its delay in half-seconds.
inline QString maneuverText(const ManiobraConvencional &m) {
    const auto dotted = [](int a, int b, int c, int d) {
        return QStringLiteral("%1.%2.%3.%4").arg(a).arg(b).arg(c).arg(d);
    };
    QStringList events;
    for (const Event &e : m.events)
        events << dotted(e.evt_blk, e.evt_blk_prt, e.evt_blk_type, e.evt_type);
    return events.join(' ') + " | " +
           dotted(m.act_blk, m.act_blk_port, m.act_blk_type, m.act_type) + ' ' +
           QString::number(m.delay);
}

inline ManiobraConvencional maneuverFromText(const QString &text) {
    const auto bytes = [](const QString &dotted) {
        QList<quint8> out;
        for (const QString &part : dotted.split('.'))
            out << quint8(part.toUInt());
        return out;
    };
    ManiobraConvencional m;
    const QStringList halves = text.split('|');
    for (const QString &event : halves.at(0).split(' ', Qt::SkipEmptyParts)) {
        const QList<quint8> f = bytes(event);
        m.events << Event{f[0], f[1], f[2], f[3]};
    }
    const QStringList action = halves.at(1).split(' ', Qt::SkipEmptyParts);
    const QList<quint8> f = bytes(action.at(0));
    m.setAction(Action{f[0], f[1], f[2], f[3], quint16(action.at(1).toUInt())});
    return m;
}
