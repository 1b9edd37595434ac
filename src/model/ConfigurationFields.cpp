#include "model/ConfigurationFields.h"

#include "model/FieldTable.h"
#include "model/ManeuverCodes.h"
#include "model/ManeuverDescription.h"
#include "model/PanelConfiguration.h"

#include <QStringList>

namespace {

using Area = ConfigurationField::Area;

ConfigurationField fieldOf(const FieldDescriptor &d, const PanelConfiguration &core) {
    return {d.area,        QLatin1String(d.attribute), d.labelText(),
            d.shown(core), d.compared(core),           d.kind == FieldDescriptor::Kind::Secret};
}

} // namespace

QString ConfigurationFields::onOff(int value) {
    return value ? tr("on") : tr("off");
}

QString ConfigurationFields::secretState(const QString &secret) {
    return secret.isEmpty() ? tr("not set") : tr("set");
}

QString ConfigurationFields::printable(const QString &text) {
    QString shown;
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString ConfigurationFields::ipv4(quint32 a) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(a >> 24)
        .arg((a >> 16) & 0xff)
        .arg((a >> 8) & 0xff)
        .arg(a & 0xff);
}

QString ConfigurationFields::boardName(quint8 type) {
    switch (type) {
    case Element::Empty:
        return tr("none");
    case Element::SounderBoard:
        return tr("sounder board");
    case Element::RelayBoard:
        return tr("relay board");
    }
    return tr("unknown type %1").arg(type);
}

QString ConfigurationFields::areaName(Area area) {
    switch (area) {
    case Area::General:
        return tr("General options");
    case Area::WebServer:
        return tr("Web server");
    case Area::Email:
        return tr("E-mail");
    case Area::Zones:
        return tr("Zones");
    case Area::Boards:
        return tr("Auxiliary boards");
    case Area::ZoneNames:
        return tr("Zone names");
    case Area::Maneuvers:
        return tr("Maneuvers");
    }
    return {};
}

QString ConfigurationFields::maneuverText(const ManiobraConvencional &m) {
    return tr("%1 => %2").arg(eventDescription(m), actionDescription(m));
}

QString ConfigurationFields::zoneNamesUsed(const PanelConfiguration &core,
                                           const ManiobraConvencional &m) {
    QStringList named;
    QList<int> seen;
    for (const Event &e : m.events) {
        const bool zone =
            e.evt_blk == ManeuverCodes::ZoneBlock && e.evt_blk_prt != ManeuverCodes::PanelPort;
        if (!zone || seen.contains(e.evt_blk_prt))
            continue;
        seen << e.evt_blk_prt;
        const QString name = core.zoneName(e.evt_blk_prt);
        if (!name.isEmpty())
            named << tr("zone %1 %2").arg(e.evt_blk_prt).arg(name);
    }
    return named.join(QStringLiteral(", "));
}

QList<ConfigurationField> ConfigurationFields::of(const PanelConfiguration &core, Scope scope) {
    QList<ConfigurationField> fields;
    for (Area area : {Area::Zones, Area::Boards, Area::ZoneNames, Area::General, Area::WebServer,
                      Area::Email}) {
        for (const FieldDescriptor &d : FieldTable::all()) {
            if (d.area == area && (scope == Scope::Everything || d.panelHeld()))
                fields.append(fieldOf(d, core));
        }
        if (scope != Scope::Everything)
            continue;
        if (area == Area::Boards) {
            for (const Element &e : core.elements)
                fields.append({area, QStringLiteral("board%1").arg(e.address),
                               tr("Board %1").arg(e.address + 1), boardName(e.type),
                               boardName(e.type), false});
        } else if (area == Area::ZoneNames) {
            for (auto it = core.zoneNames().cbegin(); it != core.zoneNames().cend(); ++it)
                fields.append({area, QStringLiteral("zone%1").arg(it.key()),
                               tr("Zone %1").arg(it.key()), it.value(), it.value(), false});
        }
    }
    return fields;
}
