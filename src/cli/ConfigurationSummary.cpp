#include "cli/ConfigurationSummary.h"

#include "model/ConfigurationFields.h"
#include "model/FieldTable.h"
#include "model/ManeuverDescription.h"
#include "model/PanelConfiguration.h"

#include <QSet>
#include <QStringList>

namespace {

// The settings that the sentences below say, or leave out while their switch is off, by
// element. Every other setting of the table gets a line of its own, "label: value", after
// its area's sentences.
const char *const InSentences[][2] = {
    {"GeneralConfig", "num_zones confirmation_general_mode delay_confirmation"},
    {"WebServer", "Language DHCP IP Netmask Gateway Login User Pass"},
    {"SMTP", "Enable InstallId Host Port Auth User Password SourceMail SourceDomain DestMail "
             "DestDomain Mask"},
};

// The settings of `area` that no sentence says, one line each.
QStringList ownLines(const PanelConfiguration &core, ConfigurationField::Area area) {
    QSet<const FieldDescriptor *> said;
    for (const auto &[element, attributes] : InSentences) {
        for (const QString &attribute : QString::fromLatin1(attributes).split(QLatin1Char(' ')))
            said.insert(FieldTable::find(QLatin1String(element), attribute));
    }
    QStringList lines;
    for (const FieldDescriptor &d : FieldTable::all()) {
        if (d.area == area && !said.contains(&d))
            lines << ConfigurationSummary::tr("%1: %2").arg(d.labelText(), d.shown(core));
    }
    return lines;
}

} // namespace

QString ConfigurationSummary::text(const PanelConfiguration &core) {
    using Area = ConfigurationField::Area;
    QStringList lines;
    lines << tr("Zones: %1").arg(core.num_zones);
    for (auto it = core.zoneNames().cbegin(); it != core.zoneNames().cend(); ++it)
        lines << tr("Zone %1: %2").arg(it.key()).arg(it.value());
    for (const Element &e : core.elements)
        lines << tr("Auxiliary board %1: %2")
                     .arg(e.address + 1)
                     .arg(ConfigurationFields::boardName(e.type));
    lines << ownLines(core, Area::Zones);

    const GeneralConfig &g = core.generalConfig;
    lines << tr("Alarm confirmation: %1, delay %2 s")
                 .arg(ConfigurationFields::onOff(g.confirmation_general_mode))
                 .arg(g.delay_confirmation / double(GeneralConfig::DelayUnitsPerSecond));
    lines << ownLines(core, Area::General);

    const WebServerConfig &w = core.webServer;
    lines << tr("Web server: language %1, %2")
                 .arg(w.Language == 0   ? tr("Spanish")
                      : w.Language == 1 ? tr("English")
                                        : QString::number(w.Language))
                 .arg(w.DHCP ? tr("address by DHCP")
                             : tr("address %1, netmask %2, gateway %3")
                                   .arg(ConfigurationFields::ipv4(w.IP),
                                        ConfigurationFields::ipv4(w.Netmask),
                                        ConfigurationFields::ipv4(w.Gateway)));
    lines << (w.Login ? tr("Web login: user \"%1\", password %2")
                            .arg(w.User, ConfigurationFields::secretState(w.Pass))
                      : tr("Web login: off"));
    lines << ownLines(core, Area::WebServer);

    const SmtpConfig &s = core.smtp;
    if (s.Enable) {
        QStringList mailed;
        if (s.Mask & SmtpConfig::AlarmsBit)
            mailed << tr("alarms");
        if (s.Mask & SmtpConfig::FaultsBit)
            mailed << tr("faults");
        lines << tr("E-mail: on, installation \"%1\"").arg(s.InstallId);
        lines << tr("E-mail server: %1 port %2, %3 authentication, user \"%4\", password %5")
                     .arg(s.Host)
                     .arg(s.Port)
                     .arg(s.Auth ? tr("password") : tr("plain"))
                     .arg(s.User, ConfigurationFields::secretState(s.Password));
        lines << tr("E-mail from %1@%2 to %3@%4, for %5")
                     .arg(s.SourceMail, s.SourceDomain, s.DestMail, s.DestDomain,
                          mailed.isEmpty() ? tr("nothing") : mailed.join(QStringLiteral(", ")));
    } else {
        lines << tr("E-mail: off");
    }
    lines << ownLines(core, Area::Email);

    int simple = 0;
    int logic = 0;
    core.countManeuvers(simple, logic);
    lines << tr("Maneuvers: %1 (%2 simple, %3 logic)")
                 .arg(core.maneuvers.size())
                 .arg(simple)
                 .arg(logic);
    for (int i = 0; i < core.maneuvers.size(); ++i) {
        const ManiobraConvencional &m = core.maneuvers.at(i);
        lines << QStringLiteral("  %1. %2 -> %3")
                     .arg(i + 1)
                     .arg(eventDescription(m), actionDescription(m));
    }
    for (QString &line : lines)
        line = ConfigurationFields::printable(line);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
