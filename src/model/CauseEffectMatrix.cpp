#include "model/CauseEffectMatrix.h"

#include "model/ConfigurationFields.h"
#include "model/ManeuverDescription.h"
#include "model/PanelConfiguration.h"

#include <QStringList>

#include <algorithm>
#include <tuple>

namespace {

auto eventKey(const Event &e) {
    return std::make_tuple(e.evt_blk, e.evt_blk_prt, e.evt_type, e.evt_blk_type);
}

bool causeLess(const QList<Event> &a, const QList<Event> &b) {
    // Simple maneuvers first, then by codes: the panel, zones in order, the input.
    if ((a.size() > 1) != (b.size() > 1))
        return a.size() <= 1;
    return std::lexicographical_compare(
        a.cbegin(), a.cend(), b.cbegin(), b.cend(),
        [](const Event &x, const Event &y) { return eventKey(x) < eventKey(y); });
}

bool effectLess(const Action &a, const Action &b) {
    return std::make_tuple(a.act_blk_type, a.act_blk, a.act_blk_port, a.act_type) <
           std::make_tuple(b.act_blk_type, b.act_blk, b.act_blk_port, b.act_type);
}

QString csvField(const QString &text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

CauseEffectMatrix::CauseEffectMatrix(const PanelConfiguration &core) {
    for (const ManiobraConvencional &m : core.maneuvers) {
        if (std::none_of(rows.cbegin(), rows.cend(),
                         [&](const Cause &c) { return c.events == m.events; }))
            rows.append(
                {m.events, eventDescription(m), ConfigurationFields::zoneNamesUsed(core, m)});
        Action action = m.action();
        action.delay = 0;
        if (std::none_of(columns.cbegin(), columns.cend(),
                         [&](const Effect &e) { return e.action == action; })) {
            ManiobraConvencional immediate = m;
            immediate.delay = 0;
            columns.append({action, actionDescription(immediate)});
        }
    }
    std::sort(rows.begin(), rows.end(),
              [](const Cause &a, const Cause &b) { return causeLess(a.events, b.events); });
    std::sort(columns.begin(), columns.end(),
              [](const Effect &a, const Effect &b) { return effectLess(a.action, b.action); });

    cells = QList<QList<QList<int>>>(rows.size(), QList<QList<int>>(columns.size()));
    for (int k = 0; k < core.maneuvers.size(); ++k) {
        const ManiobraConvencional &m = core.maneuvers.at(k);
        maneuverDelays << m.delay;
        Action action = m.action();
        action.delay = 0;
        qsizetype r = 0;
        while (rows.at(r).events != m.events)
            ++r;
        qsizetype c = 0;
        while (columns.at(c).action != action)
            ++c;
        cells[r][c].append(k);
    }
    for (auto &row : cells) {
        for (auto &cell : row)
            std::stable_sort(cell.begin(), cell.end(), [this](int a, int b) {
                return maneuverDelays.at(a) < maneuverDelays.at(b);
            });
    }
}

QList<int> CauseEffectMatrix::maneuvers(int cause, int effect) const {
    return cells.value(cause).value(effect);
}

QList<int> CauseEffectMatrix::maneuvers(int cause) const {
    QList<int> all;
    for (const QList<int> &cell : cells.value(cause))
        all += cell;
    std::sort(all.begin(), all.end());
    return all;
}

QList<quint16> CauseEffectMatrix::delays(int cause, int effect) const {
    QList<quint16> found;
    for (int k : maneuvers(cause, effect))
        found << maneuverDelays.at(k);
    return found;
}

QString CauseEffectMatrix::delayText(quint16 halfSeconds) {
    if (halfSeconds == 0)
        return QString(QChar(ImmediateMark));
    return tr("%1 s").arg(halfSeconds / 2.0);
}

QString CauseEffectMatrix::cellText(int cause, int effect) const {
    QStringList texts;
    for (quint16 d : delays(cause, effect))
        texts << delayText(d);
    return texts.join(QStringLiteral(", "));
}

QByteArray CauseEffectMatrix::toCsv() const {
    QStringList header{tr("Cause"), tr("Zone names")};
    for (const Effect &e : columns)
        header << e.label;
    QString csv;
    auto line = [&csv](const QStringList &fields) {
        QStringList quoted;
        for (const QString &f : fields)
            quoted << csvField(f);
        csv += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    line(header);
    for (int r = 0; r < rows.size(); ++r) {
        QStringList fields{rows.at(r).label, rows.at(r).zoneNames};
        for (int c = 0; c < columns.size(); ++c)
            fields << cellText(r, c);
        line(fields);
    }
    return csv.toUtf8();
}
