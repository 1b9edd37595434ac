#include "images/ConfigurationCheck.h"

#include "images/ImageRoundTrip.h"
#include "model/ConfigurationFields.h"
#include "model/FieldTable.h"
#include "model/ManeuverCodes.h"
#include "model/ManeuverDescription.h"
#include "model/PanelConfiguration.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace {

void add(QList<ConfigurationProblem> &out, ConfigurationProblem::Severity severity,
         const QString &message, int maneuver = -1) {
    out.append(ConfigurationProblem{severity, message, maneuver});
}

constexpr auto Error = ConfigurationProblem::Severity::Error;
constexpr auto Warning = ConfigurationProblem::Severity::Warning;

// Whatever the panel would read back differently. The check's own rules for lengths and
// characters say it more clearly where they apply.
void addImageLosses(const PanelConfiguration &core, QList<ConfigurationProblem> &out) {
    for (const ImageRoundTrip::Loss &loss :
         ImageRoundTrip::losses(core.maneuvers, core.generalConfig, core.webServer, core.smtp)) {
        if (!loss.text || ConfigurationCheck::textProblem(QString(), *loss.text).isEmpty())
            add(out, Error, loss.message, loss.maneuver);
    }
}

// What the panel does with a code it does not define, or with another number of zones, is
// unknown: errors, not warnings. A maneuver the panel would already read otherwise has its
// error from the read-back check; one fault, one message.
void addUndefinedCodes(const PanelConfiguration &core, QList<ConfigurationProblem> &out) {
    QSet<int> misread;
    for (const ConfigurationProblem &p : out)
        misread.insert(p.maneuver);
    if (!ConfigurationCheck::isUsualZoneCount(core.num_zones))
        add(out, Error,
            ConfigurationCheck::tr("The number of zones is %1; panels have 0, 2, 4, 8 "
                                   "or 12")
                .arg(core.num_zones));
    for (int i = 0; i < core.maneuvers.size(); ++i) {
        if (misread.contains(i))
            continue;
        const ManiobraConvencional &m = core.maneuvers.at(i);
        for (const Event &e : m.events) {
            if (!isDefinedEvent(e))
                add(out, Error,
                    ConfigurationCheck::tr("Maneuver %1 has an event the panel does not define: "
                                           "block %2, block type %3, type %4")
                        .arg(i + 1)
                        .arg(e.evt_blk)
                        .arg(e.evt_blk_type)
                        .arg(e.evt_type),
                    i);
        }
        if (!isDefinedAction(m))
            add(out, Error,
                ConfigurationCheck::tr("Maneuver %1 has an action the panel does not define: "
                                       "block %2, block type %3, type %4")
                    .arg(i + 1)
                    .arg(m.act_blk)
                    .arg(m.act_blk_type)
                    .arg(m.act_type),
                i);
    }
}

} // namespace

bool ConfigurationCheck::isUsualZoneCount(int zones) {
    return zones == 0 || zones == 2 || zones == 4 || zones == 8 || zones == 12;
}

QString ConfigurationCheck::textProblem(const QString &field, const QString &text) {
    for (QChar c : text) {
        if (c.unicode() > 0xff)
            return tr("%1 contains \"%2\", which is not a Latin-1 "
                      "character")
                .arg(field, QString(c.isSurrogate() ? QChar(0xfffd) : c));
    }
    if (text.size() > MaxTextLength)
        return tr("%1 has %2 characters; the panel holds at most %3")
            .arg(field)
            .arg(text.size())
            .arg(MaxTextLength);
    return {};
}

QList<ConfigurationProblem> ConfigurationCheck::check(const PanelConfiguration &core) {
    QList<ConfigurationProblem> out;

    int simple = 0;
    int logic = 0;
    core.countManeuvers(simple, logic);
    if (simple > MaxSimpleManeuvers)
        add(out, Error,
            tr("%1 simple maneuvers; the panel holds at most %2")
                .arg(simple)
                .arg(MaxSimpleManeuvers));
    if (logic > MaxLogicManeuvers)
        add(out, Error,
            tr("%1 logic maneuvers; the panel holds at most %2").arg(logic).arg(MaxLogicManeuvers));
    addImageLosses(core, out);

    addUndefinedCodes(core, out);

    for (auto it = core.zoneNames().cbegin(); it != core.zoneNames().cend(); ++it) {
        if (it.key() > core.num_zones)
            add(out, Warning,
                tr("Zone %1 is named \"%2\", but the panel has %3 zones")
                    .arg(it.key())
                    .arg(it.value())
                    .arg(core.num_zones));
    }

    for (int slot = 0; slot < PanelConfiguration::ElementSlots; ++slot) {
        const quint8 type = core.elements[slot].type;
        if (type > Element::RelayBoard)
            add(out, Warning,
                tr("Auxiliary board %1 has the unknown type %2").arg(slot + 1).arg(type));
    }

    for (int i = 0; i < core.maneuvers.size(); ++i) {
        const ManiobraConvencional &m = core.maneuvers.at(i);
        const int number = i + 1;
        if (m.events.isEmpty())
            add(out, Error, tr("Maneuver %1 has no event").arg(number), i);
        if (m.events.size() > MaxEventsPerManeuver)
            add(out, Error,
                tr("Maneuver %1 has %2 events; the panel holds at "
                   "most %3")
                    .arg(number)
                    .arg(m.events.size())
                    .arg(MaxEventsPerManeuver),
                i);
        for (const Event &e : m.events) {
            const bool zoneEvent = e.evt_blk == ManeuverCodes::ZoneBlock &&
                                   e.evt_type >= ManeuverCodes::AnyFault &&
                                   e.evt_type <= ManeuverCodes::LastZoneEvent;
            if (zoneEvent && e.evt_blk_prt > core.num_zones)
                add(out, Warning,
                    tr("Maneuver %1 uses zone %2, but the panel has "
                       "%3 zones")
                        .arg(number)
                        .arg(e.evt_blk_prt)
                        .arg(core.num_zones),
                    i);
        }
        if (m.act_blk_type == ManeuverCodes::BoardBlockType) {
            const int slot = ManeuverCodes::boardSlot(m.act_blk);
            const bool fitted = slot >= 0 && slot < PanelConfiguration::ElementSlots &&
                                core.elements[slot].type != Element::Empty;
            if (!fitted)
                add(out, Warning,
                    tr("Maneuver %1 acts on auxiliary board %2, "
                       "which is not fitted")
                        .arg(number)
                        .arg(slot + 1),
                    i);
        }
    }

    const WebServerConfig &w = core.webServer;
    if (w.DHCP == 0 && w.Gateway != 0 && (w.Gateway & w.Netmask) != (w.IP & w.Netmask))
        add(out, Warning,
            tr("The gateway %1 is outside the network of the address %2 (net mask %3)")
                .arg(ConfigurationFields::ipv4(w.Gateway), ConfigurationFields::ipv4(w.IP),
                     ConfigurationFields::ipv4(w.Netmask)));

    // The panel sends mailbox + "@" + domain.
    using Kind = FieldDescriptor::Kind;
    for (const FieldDescriptor &d : FieldTable::all()) {
        if (!d.isText() || !d.panelHeld())
            continue;
        const QString &value = d.text(core);
        const QString problem = textProblem(d.labelText(), value);
        if (!problem.isEmpty())
            add(out, Error, problem);
        if ((d.kind == Kind::Mailbox || d.kind == Kind::Domain) && value.contains(QLatin1Char('@')))
            add(out, Error,
                (d.kind == Kind::Mailbox
                     ? tr("%1 \"%2\" contains \"@\"; enter only the part before the \"@\"")
                     : tr("%1 \"%2\" contains \"@\"; enter only the part after the \"@\""))
                    .arg(d.labelText(), value));
    }
    return out;
}

bool ConfigurationCheck::hasErrors(const QList<ConfigurationProblem> &problems) {
    return std::any_of(problems.cbegin(), problems.cend(),
                       [](const ConfigurationProblem &p) { return p.isError(); });
}
