#include "model/ConfigurationJson.h"

#include "model/ManeuverDescription.h"
#include "model/PanelConfiguration.h"

#include <QJsonArray>

QJsonObject ConfigurationJson::toJson(const GeneralConfig &g) {
    return QJsonObject{{QStringLiteral("confirmation_general_mode"), g.confirmation_general_mode},
                       {QStringLiteral("short_general_mode"), g.short_general_mode},
                       {QStringLiteral("delay_confirmation"), g.delay_confirmation},
                       {QStringLiteral("cancel_delay"), g.cancel_delay},
                       {QStringLiteral("cancel_MCP_delay"), g.cancel_MCP_delay}};
}

QJsonObject ConfigurationJson::toJson(const WebServerConfig &w) {
    return QJsonObject{{QStringLiteral("DHCP"), w.DHCP},
                       {QStringLiteral("Login"), w.Login},
                       {QStringLiteral("Language"), w.Language},
                       {QStringLiteral("IP"), qint64(w.IP)},
                       {QStringLiteral("Netmask"), qint64(w.Netmask)},
                       {QStringLiteral("Gateway"), qint64(w.Gateway)},
                       {QStringLiteral("User"), w.User},
                       {QStringLiteral("Pass"), w.Pass}};
}

QJsonObject ConfigurationJson::toJson(const SmtpConfig &s) {
    return QJsonObject{{QStringLiteral("Enable"), s.Enable},
                       {QStringLiteral("Port"), s.Port},
                       {QStringLiteral("Auth"), s.Auth},
                       {QStringLiteral("Mask"), s.Mask},
                       {QStringLiteral("Host"), s.Host},
                       {QStringLiteral("User"), s.User},
                       {QStringLiteral("Password"), s.Password},
                       {QStringLiteral("SourceMail"), s.SourceMail},
                       {QStringLiteral("SourceDomain"), s.SourceDomain},
                       {QStringLiteral("DestMail"), s.DestMail},
                       {QStringLiteral("DestDomain"), s.DestDomain},
                       {QStringLiteral("InstallId"), s.InstallId}};
}

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

    return QJsonObject{{QStringLiteral("num_zones"), core.num_zones},
                       {QStringLiteral("elements"), elements},
                       {QStringLiteral("generalConfig"), toJson(core.generalConfig)},
                       {QStringLiteral("webServer"), toJson(core.webServer)},
                       {QStringLiteral("smtp"), toJson(core.smtp)},
                       {QStringLiteral("maneuvers"), maneuvers}};
}
