#include "FullConfiguration.h"

#include "model/ManeuverCodes.h"
#include "model/PanelConfiguration.h"

namespace {

namespace Codes = ManeuverCodes;

QString text32(const char *stem) {
    return QString::fromLatin1(stem).leftJustified(32, QLatin1Char('x'), true);
}

} // namespace

void fillFullConfiguration(PanelConfiguration &core) {
    core.num_zones = 12;
    core.elements[0].type = Element::SounderBoard;
    core.elements[1].type = Element::RelayBoard;
    core.elements[2].type = Element::RelayBoard;
    core.maneuvers.clear();
    for (int i = 0; i < 28; ++i) {
        const quint8 zone = quint8(1 + i % 12);
        const quint8 type = quint8(Codes::AnyFault + i % Codes::LastZoneEvent);
        core.maneuvers.append(ManiobraConvencional(
            {Event{Codes::ZoneBlock, zone, Codes::ZoneBlock, type}},
            Action{Codes::PanelBlock, Codes::AllPanelSounders, Codes::PanelBlockType,
                   Codes::SoundersOn, quint16(i * 20)}));
    }
    for (int i = 0; i < 40; ++i) {
        QList<Event> events;
        for (int e = 0; e < 12; ++e)
            events.append(Event{Codes::ZoneBlock, quint8(1 + (i + e) % 12), Codes::ZoneBlock,
                                Codes::DetectorAlarm});
        core.maneuvers.append(ManiobraConvencional(
            events, Action{Codes::boardBlock(i % 3), quint8(1 + i % Codes::BoardOutputs),
                           Codes::BoardBlockType, Codes::OutputOn, quint16(i)}));
    }
    core.generalConfig = GeneralConfig{1, 1, 7500, 3, 3};
    core.webServer.DHCP = 0;
    core.webServer.Login = 1;
    core.webServer.IP = 0xC0A80A32;
    core.webServer.Netmask = 0xFFFFFF00;
    core.webServer.Gateway = 0xC0A80A01;
    core.webServer.User = text32("conserje-edificio-principal");
    core.webServer.Pass = text32("Pr0tecci0n-contra-incendios");
    core.smtp.Enable = 1;
    core.smtp.Port = 587;
    core.smtp.Auth = 1;
    core.smtp.Mask = 3;
    core.smtp.Host = text32("smtp.servidor-de-correo.example");
    core.smtp.User = text32("alarmas-edificio-principal");
    core.smtp.Password = text32("s3cret0-del-correo-de-alarmas");
    core.smtp.SourceMail = text32("alarmas.incendio.edificio");
    core.smtp.SourceDomain = text32("colegio-publico-rio-tajo.example");
    core.smtp.DestMail = text32("mantenimiento.y.seguridad");
    core.smtp.DestDomain = text32("ayuntamiento-de-la-villa.example");
    core.smtp.InstallId = text32("CEIP Rio Tajo - Edificio A");
}
