#include "ConfigurationSummary.h"

#include "ManeuverDescription.h"
#include "PanelCore.h"

#include <QStringList>

namespace {

QString onOff(quint8 value) {
    return value ? ConfigurationSummary::tr("on") : ConfigurationSummary::tr("off");
}

QString sounders(quint8 mask) {
    QStringList which;
    if (mask & 0x01)
        which << ConfigurationSummary::tr("sounder 1");
    if (mask & 0x02)
        which << ConfigurationSummary::tr("sounder 2");
    return which.isEmpty() ? ConfigurationSummary::tr("none") : which.join(QStringLiteral(", "));
}

QString secret(const QString &password) {
    return password.isEmpty() ? ConfigurationSummary::tr("not set")
                              : ConfigurationSummary::tr("set");
}

QString boardName(quint8 type) {
    switch (type) {
    case Element::Empty:
        return ConfigurationSummary::tr("none");
    case Element::SounderBoard:
        return ConfigurationSummary::tr("sounder board");
    case Element::RelayBoard:
        return ConfigurationSummary::tr("relay board");
    }
    return ConfigurationSummary::tr("unknown type %1").arg(type);
}

} // namespace

QString ConfigurationSummary::ipv4(quint32 a) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(a >> 24)
        .arg((a >> 16) & 0xff)
        .arg((a >> 8) & 0xff)
        .arg(a & 0xff);
}

QString ConfigurationSummary::text(const PanelCore &core) {
    QStringList lines;
    lines << tr("Zones: %1").arg(core.num_zones);
    for (const Element &e : core.elements)
        lines << tr("Auxiliary board %1: %2").arg(e.address + 1).arg(boardName(e.type));

    const GeneralConfig &g = core.generalConfig;
    lines << tr("Alarm confirmation: %1, delay %2 s")
                 .arg(onOff(g.confirmation_general_mode))
                 .arg(g.delay_confirmation / 250.0);
    lines << tr("Short circuit counts as alarm: %1").arg(onOff(g.short_general_mode));
    lines << tr("Sounder delay cancelled by a second alarm: %1").arg(sounders(g.cancel_delay));
    lines << tr("Sounder delay cancelled by a manual call point: %1")
                 .arg(sounders(g.cancel_MCP_delay));

    const WebServerConfig &w = core.webServer;
    lines << tr("Web server: language %1, %2")
                 .arg(w.Language == 0   ? tr("Spanish")
                      : w.Language == 1 ? tr("English")
                                        : QString::number(w.Language))
                 .arg(w.DHCP ? tr("address by DHCP")
                             : tr("address %1, netmask %2, gateway %3")
                                   .arg(ipv4(w.IP), ipv4(w.Netmask), ipv4(w.Gateway)));
    lines << (w.Login ? tr("Web login: user \"%1\", password %2").arg(w.User, secret(w.Pass))
                      : tr("Web login: off"));

    const SmtpConfig &s = core.smtp;
    if (s.Enable) {
        QStringList mailed;
        if (s.Mask & 0x01)
            mailed << tr("alarms");
        if (s.Mask & 0x02)
            mailed << tr("faults");
        lines << tr("E-mail: on, installation \"%1\"").arg(s.InstallId);
        lines << tr("E-mail server: %1 port %2, %3 authentication, user \"%4\", password %5")
                     .arg(s.Host)
                     .arg(s.Port)
                     .arg(s.Auth ? tr("password") : tr("plain"))
                     .arg(s.User, secret(s.Password));
        lines << tr("E-mail from %1@%2 to %3@%4, for %5")
                     .arg(s.SourceMail, s.SourceDomain, s.DestMail, s.DestDomain,
                          mailed.isEmpty() ? tr("nothing") : mailed.join(QStringLiteral(", ")));
    } else {
        lines << tr("E-mail: off");
    }

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
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
