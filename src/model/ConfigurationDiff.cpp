#include "model/ConfigurationDiff.h"

#include "model/PanelConfiguration.h"

#include <functional>

namespace {

using Area = ConfigurationField::Area;
using Kind = ConfigurationDifference::Kind;

QString described(const PanelConfiguration &core, const ManiobraConvencional &m) {
    const QString text = ConfigurationFields::maneuverText(m);
    const QString names = ConfigurationFields::zoneNamesUsed(core, m);
    return names.isEmpty() ? text : ConfigurationDiff::tr("%1 [%2]").arg(text, names);
}

void compareFields(const QList<ConfigurationField> &before, const QList<ConfigurationField> &after,
                   QList<ConfigurationDifference> &out) {
    auto find = [](const QList<ConfigurationField> &list, Area area, const QString &key) {
        for (const ConfigurationField &f : list) {
            if (f.area == area && f.key == key)
                return &f;
        }
        return static_cast<const ConfigurationField *>(nullptr);
    };
    for (const ConfigurationField &b : before) {
        const ConfigurationField *a = find(after, b.area, b.key);
        if (!a) {
            out.append({b.area,
                        Kind::Removed,
                        b.label + QStringLiteral(" \"") + b.shown + QLatin1Char('"'),
                        {},
                        {},
                        false});
        } else if (a->compared != b.compared) {
            out.append({b.area, Kind::Changed, b.label, b.secret ? QString() : b.shown,
                        b.secret ? QString() : a->shown, b.secret});
        }
    }
    for (const ConfigurationField &a : after) {
        if (!find(before, a.area, a.key))
            out.append({a.area,
                        Kind::Added,
                        a.label + QStringLiteral(" \"") + a.shown + QLatin1Char('"'),
                        {},
                        {},
                        false});
    }
}

} // namespace

QList<ConfigurationDifference> ConfigurationDiff::compare(const PanelConfiguration &before,
                                                          const PanelConfiguration &after,
                                                          Scope scope) {
    QList<ConfigurationDifference> out;
    compareFields(ConfigurationFields::of(before, scope), ConfigurationFields::of(after, scope),
                  out);

    // Whatever both hold, however often, cancels out.
    QList<ManiobraConvencional> removed = before.maneuvers;
    QList<ManiobraConvencional> added;
    for (const ManiobraConvencional &m : after.maneuvers) {
        const qsizetype at = removed.indexOf(m);
        if (at >= 0)
            removed.removeAt(at);
        else
            added.append(m);
    }

    const std::function<bool(const ManiobraConvencional &, const ManiobraConvencional &)>
        sameness[] = {
            [](const ManiobraConvencional &a, const ManiobraConvencional &b) {
                return a.events == b.events;
            },
            [](const ManiobraConvencional &a, const ManiobraConvencional &b) {
                Action x = a.action();
                Action y = b.action();
                x.delay = y.delay = 0;
                return x == y;
            },
        };
    for (const auto &same : sameness) {
        for (qsizetype r = 0; r < removed.size();) {
            qsizetype match = -1;
            for (qsizetype a = 0; a < added.size() && match < 0; ++a) {
                if (same(removed.at(r), added.at(a)))
                    match = a;
            }
            if (match < 0) {
                ++r;
                continue;
            }
            out.append({Area::Maneuvers,
                        Kind::Changed,
                        {},
                        described(before, removed.at(r)),
                        described(after, added.at(match)),
                        false});
            removed.removeAt(r);
            added.removeAt(match);
        }
    }
    for (const ManiobraConvencional &m : removed)
        out.append({Area::Maneuvers, Kind::Removed, described(before, m), {}, {}, false});
    for (const ManiobraConvencional &m : added)
        out.append({Area::Maneuvers, Kind::Added, described(after, m), {}, {}, false});
    return out;
}
