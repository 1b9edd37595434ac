#include "model/ManeuverDescription.h"

#include "model/ManeuverCodes.h"
#include "model/ManiobraConvencional.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

using namespace ManeuverCodes;

QString translated(const char *text) {
    return QCoreApplication::translate("ManiobraConvencional", text);
}

// Every event the panel defines, by block (evt_blk, equal to evt_blk_type) and type. A row
// with both texts takes the zone form when the event names a zone (a non-zero port).
struct EventCode {
    quint8 block;
    quint8 type;
    const char *zone;  // followed by the zone number; null when there is no zone form
    const char *panel; // null when there is no panel form
};

constexpr EventCode EventCodes[] = {
    {ZoneBlock, AnyFault, QT_TRANSLATE_NOOP("ManiobraConvencional", "Fallo en zona "),
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Fallo en panel")},
    {ZoneBlock, AnyAlarm, QT_TRANSLATE_NOOP("ManiobraConvencional", "Cualquier alarma en zona "),
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Cualquier alarma en panel")},
    {ZoneBlock, OpenCircuit,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Fallo de circuito abierto en zona "), nullptr},
    {ZoneBlock, ShortCircuit,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Fallo de cortocircuito en zona "), nullptr},
    {ZoneBlock, DetectorAlarm,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Alarma de detector en zona "), nullptr},
    {ZoneBlock, CallPointAlarm,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Alarma de pulsador en zona "), nullptr},
    {ZoneBlock, PanelCallPoint, nullptr,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Alarma de pulsador en panel")},
    {InputBlock, InputOff, nullptr,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Entrada auxiliar OFF")},
    {InputBlock, InputOn, nullptr,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Entrada auxiliar ON")},
};

// Every action the panel defines, by block type and type; the blocks it may address.
struct ActionCode {
    enum Form { Fixed, PanelSounders, BoardOutput };
    quint8 blockType;
    quint8 type;
    quint8 firstBlock;
    quint8 lastBlock;
    Form form;
    const char *text;
};

constexpr ActionCode ActionCodes[] = {
    {PanelBlockType, Mute, PanelBlock, PanelBlock, ActionCode::Fixed,
     QT_TRANSLATE_NOOP("ManiobraConvencional",
                       "Silenciar zumbador y activar led de silenciar central")},
    {PanelBlockType, Reset, PanelBlock, PanelBlock, ActionCode::Fixed,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Reset general")},
    {PanelBlockType, SoundersOn, PanelBlock, PanelBlock, ActionCode::PanelSounders,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Activar sirena")},
    {PanelBlockType, SoundersOff, PanelBlock, PanelBlock, ActionCode::PanelSounders,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Desactivar sirena")},
    {BoardBlockType, OutputOn, FirstBoardBlock, LastBoardBlock, ActionCode::BoardOutput,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Activar la salida ")},
    {BoardBlockType, OutputOff, FirstBoardBlock, LastBoardBlock, ActionCode::BoardOutput,
     QT_TRANSLATE_NOOP("ManiobraConvencional", "Desactivar la salida ")},
};

// The descriptions choose by block and type only, as they always have.
const EventCode *eventCode(const Event &e) {
    const auto found =
        std::find_if(std::begin(EventCodes), std::end(EventCodes), [&](const EventCode &c) {
            return c.block == e.evt_blk && c.type == e.evt_type;
        });
    return found != std::end(EventCodes) ? found : nullptr;
}

const ActionCode *actionCode(const ManiobraConvencional &m) {
    const auto found =
        std::find_if(std::begin(ActionCodes), std::end(ActionCodes), [&](const ActionCode &c) {
            return c.blockType == m.act_blk_type && c.type == m.act_type;
        });
    return found != std::end(ActionCodes) ? found : nullptr;
}

QString describeEvent(const Event &e) {
    const EventCode *code = eventCode(e);
    if (!code)
        return {};
    if (code->zone && (!code->panel || e.evt_blk_prt != PanelPort))
        return translated(code->zone) + QString::number(e.evt_blk_prt);
    return translated(code->panel);
}

} // namespace

bool isDefinedEvent(const Event &event) {
    return eventCode(event) && event.evt_blk_type == event.evt_blk;
}

bool isDefinedAction(const ManiobraConvencional &maneuver) {
    const ActionCode *code = actionCode(maneuver);
    return code && maneuver.act_blk >= code->firstBlock && maneuver.act_blk <= code->lastBlock;
}

QString eventDescription(const ManiobraConvencional &maneuver) {
    QString text;
    for (qsizetype i = 0; i < maneuver.events.size(); ++i) {
        if (i > 0)
            text += QStringLiteral(" - ");
        text += describeEvent(maneuver.events.at(i));
    }
    return text;
}

QString actionDescription(const ManiobraConvencional &m) {
    QString text;
    if (const ActionCode *code = actionCode(m)) {
        text = translated(code->text);
        switch (code->form) {
        case ActionCode::Fixed:
            break;
        case ActionCode::PanelSounders:
            text += (m.act_blk_port != AllPanelSounders
                         ? QStringLiteral(" ") + QString::number(m.act_blk_port)
                         : QStringLiteral("s")) +
                    QCoreApplication::translate("ManiobraConvencional", " del panel");
            break;
        case ActionCode::BoardOutput:
            text += QString::number(m.act_blk_port) +
                    QCoreApplication::translate("ManiobraConvencional", " de la placa auxiliar ") +
                    QString::number(boardSlot(m.act_blk) + 1);
            break;
        }
    }
    if (m.delay != 0)
        text += QCoreApplication::translate("ManiobraConvencional", "  con retardo de ") +
                QStringLiteral("%1s").arg(m.delay / 2);
    return text;
}
