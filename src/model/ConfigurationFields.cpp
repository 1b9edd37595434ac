#include "model/ConfigurationFields.h"

#include "model/ManeuverCodes.h"
#include "model/ManeuverDescription.h"
#include "model/PanelConfiguration.h"

#include <QStringList>

namespace {

using Area = ConfigurationField::Area;

QString seconds(double value) {
    return ConfigurationFields::tr("%1 s").arg(value);
}

struct Builder {
    QList<ConfigurationField> fields;

    // `raw` tells apart values that are shown alike (unknown bits of a mask).
    void add(Area area, const char *key, const QString &label, const QString &shown,
             qint64 raw = -1) {
        fields.append({area, QLatin1String(key), label, ConfigurationFields::printable(shown),
                       raw < 0 ? shown : shown + QLatin1Char('#') + QString::number(raw), false});
    }
    void addSecret(Area area, const char *key, const QString &label, const QString &value) {
        fields.append(
            {area, QLatin1String(key), label,
             value.isEmpty() ? ConfigurationFields::tr("not set") : ConfigurationFields::tr("set"),
             value, true});
    }
};

} // namespace

QString ConfigurationFields::onOff(int value) {
    return value ? tr("on") : tr("off");
}

QString ConfigurationFields::sounders(quint8 mask) {
    QStringList which;
    if (mask & 0x01)
        which << tr("sounder 1");
    if (mask & 0x02)
        which << tr("sounder 2");
    return which.isEmpty() ? tr("none") : which.join(QStringLiteral(", "));
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
    Builder b;
    if (scope == Scope::Everything) {
        b.add(Area::Zones, "num_zones", tr("Number of zones"), QString::number(core.num_zones));
        for (const Element &e : core.elements)
            b.fields.append({Area::Boards, QStringLiteral("board%1").arg(e.address),
                             tr("Board %1").arg(e.address + 1), boardName(e.type),
                             boardName(e.type), false});
        for (auto it = core.zoneNames().cbegin(); it != core.zoneNames().cend(); ++it)
            b.fields.append({Area::ZoneNames, QStringLiteral("zone%1").arg(it.key()),
                             tr("Zone %1").arg(it.key()), it.value(), it.value(), false});
    }

    const GeneralConfig &g = core.generalConfig;
    b.add(Area::General, "confirmation", tr("Alarm confirmation"),
          onOff(g.confirmation_general_mode), g.confirmation_general_mode);
    b.add(Area::General, "delay_confirmation", tr("Confirmation delay"),
          seconds(g.delay_confirmation / 250.0), g.delay_confirmation);
    b.add(Area::General, "short", tr("Short circuit counts as alarm"), onOff(g.short_general_mode),
          g.short_general_mode);
    b.add(Area::General, "cancel_delay", tr("Sounder delay cancelled by a second alarm"),
          sounders(g.cancel_delay), g.cancel_delay);
    b.add(Area::General, "cancel_MCP_delay", tr("Sounder delay cancelled by a manual call point"),
          sounders(g.cancel_MCP_delay), g.cancel_MCP_delay);

    const WebServerConfig &w = core.webServer;
    b.add(Area::WebServer, "Language", tr("Web language"),
          w.Language == 0   ? tr("Spanish")
          : w.Language == 1 ? tr("English")
                            : QString::number(w.Language));
    b.add(Area::WebServer, "DHCP", tr("Address by DHCP"), onOff(w.DHCP), w.DHCP);
    b.add(Area::WebServer, "IP", tr("IP address"), ipv4(w.IP));
    b.add(Area::WebServer, "Netmask", tr("Net mask"), ipv4(w.Netmask));
    b.add(Area::WebServer, "Gateway", tr("Gateway"), ipv4(w.Gateway));
    b.add(Area::WebServer, "Login", tr("Web login"), onOff(w.Login), w.Login);
    b.add(Area::WebServer, "User", tr("Web user"), w.User);
    b.addSecret(Area::WebServer, "Pass", tr("Web password"), w.Pass);

    const SmtpConfig &s = core.smtp;
    QStringList mailed;
    if (s.Mask & 0x01)
        mailed << tr("alarms");
    if (s.Mask & 0x02)
        mailed << tr("faults");
    b.add(Area::Email, "Enable", tr("Send e-mails"), onOff(s.Enable), s.Enable);
    b.add(Area::Email, "InstallId", tr("Installation name"), s.InstallId);
    b.add(Area::Email, "Host", tr("E-mail server"), s.Host);
    b.add(Area::Email, "Port", tr("E-mail server port"), QString::number(s.Port));
    b.add(Area::Email, "Auth", tr("Authentication"), s.Auth ? tr("password") : tr("plain"), s.Auth);
    b.add(Area::Email, "User", tr("E-mail user"), s.User);
    b.addSecret(Area::Email, "Password", tr("E-mail password"), s.Password);
    b.add(Area::Email, "Mask", tr("Events mailed"),
          mailed.isEmpty() ? tr("none") : mailed.join(QStringLiteral(", ")), s.Mask);
    b.add(Area::Email, "SourceMail", tr("Sender mailbox"), s.SourceMail);
    b.add(Area::Email, "SourceDomain", tr("Sender domain"), s.SourceDomain);
    b.add(Area::Email, "DestMail", tr("Recipient mailbox"), s.DestMail);
    b.add(Area::Email, "DestDomain", tr("Recipient domain"), s.DestDomain);
    return b.fields;
}
