#include "model/ConfigurationJson.h"

#include "model/FieldTable.h"
#include "model/ManeuverDescription.h"
#include "model/PanelConfiguration.h"

#include <QJsonArray>

namespace {

using Area = ConfigurationField::Area;

// The settings of one area, in the object the dump names after the model's member.
QJsonObject settings(const PanelConfiguration &core, Area area) {
    QJsonObject object;
    for (const FieldDescriptor &d : FieldTable::all()) {
        if (d.area == area)
            object.insert(QLatin1String(d.attribute),
                          d.isText() ? QJsonValue(d.text(core)) : QJsonValue(d.number(core)));
    }
    return object;
}

} // namespace

QJsonObject ConfigurationJson::toJson(const PanelConfiguration &core) {
    QJsonArray elements;
    for (const Element &e : core.elements)
        elements.append(
            QJsonObject{{QStringLiteral("address"), e.address}, {QStringLiteral("type"), e.type}});

    QJsonArray maneuvers;
    for (const ManiobraConvencional &m : core.maneuvers) {
        QJsonArray events;
        for (const Event &e : m.events)
            events.append(QJsonObject{{QStringLiteral("evt_blk"), e.evt_blk},
                                      {QStringLiteral("evt_blk_prt"), e.evt_blk_prt},
                                      {QStringLiteral("evt_blk_type"), e.evt_blk_type},
                                      {QStringLiteral("evt_type"), e.evt_type}});
        const QJsonObject action{{QStringLiteral("act_blk"), m.act_blk},
                                 {QStringLiteral("act_blk_port"), m.act_blk_port},
                                 {QStringLiteral("act_blk_type"), m.act_blk_type},
                                 {QStringLiteral("act_type"), m.act_type},
                                 {QStringLiteral("delay"), m.delay}};
        maneuvers.append(QJsonObject{{QStringLiteral("events"), events},
                                     {QStringLiteral("action"), action},
                                     {QStringLiteral("eventDescription"), eventDescription(m)},
                                     {QStringLiteral("actionDescription"), actionDescription(m)}});
    }

    // The number of zones stands at the top, beside the lists.
    QJsonObject json = settings(core, Area::Zones);
    json.insert(QStringLiteral("elements"), elements);
    json.insert(QStringLiteral("generalConfig"), settings(core, Area::General));
    json.insert(QStringLiteral("webServer"), settings(core, Area::WebServer));
    json.insert(QStringLiteral("smtp"), settings(core, Area::Email));
    json.insert(QStringLiteral("maneuvers"), maneuvers);
    return json;
}
