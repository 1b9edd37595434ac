#include "ManeuverDescription.h"

#include "ManiobraConvencional.h"

#include <QCoreApplication>

namespace {

QString describeEvent(const Event &e) {
    const QString zone = QString::number(e.evt_blk_prt);
    if (e.evt_blk == 2) {
        switch (e.evt_type) {
        case 1:
            return e.evt_blk_prt != 0
                       ? QCoreApplication::translate("ManiobraConvencional", "Fallo en zona ") +
                             zone
                       : QCoreApplication::translate("ManiobraConvencional", "Fallo en panel");
        case 2:
            return e.evt_blk_prt != 0 ? QCoreApplication::translate("ManiobraConvencional",
                                                                    "Cualquier alarma en zona ") +
                                            zone
                                      : QCoreApplication::translate("ManiobraConvencional",
                                                                    "Cualquier alarma en panel");
        case 3:
            return QCoreApplication::translate("ManiobraConvencional",
                                               "Fallo de circuito abierto en zona ") +
                   zone;
        case 4:
            return QCoreApplication::translate("ManiobraConvencional",
                                               "Fallo de cortocircuito en zona ") +
                   zone;
        case 5:
            return QCoreApplication::translate("ManiobraConvencional",
                                               "Alarma de detector en zona ") +
                   zone;
        case 6:
            return QCoreApplication::translate("ManiobraConvencional",
                                               "Alarma de pulsador en zona ") +
                   zone;
        case 7:
            return QCoreApplication::translate("ManiobraConvencional",
                                               "Alarma de pulsador en panel");
        }
    } else if (e.evt_blk == 5) {
        if (e.evt_type == 1)
            return QCoreApplication::translate("ManiobraConvencional", "Entrada auxiliar OFF");
        if (e.evt_type == 2)
            return QCoreApplication::translate("ManiobraConvencional", "Entrada auxiliar ON");
    }
    return {};
}

QString panelSounders(const QString &verb, quint8 port) {
    const QString which =
        port != 0 ? QStringLiteral(" ") + QString::number(port) : QStringLiteral("s");
    return verb + which + QCoreApplication::translate("ManiobraConvencional", " del panel");
}

} // namespace

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
    if (m.act_blk_type == 1) {
        switch (m.act_type) {
        case 1:
            text = QCoreApplication::translate(
                "ManiobraConvencional", "Silenciar zumbador y activar led de silenciar central");
            break;
        case 2:
            text = QCoreApplication::translate("ManiobraConvencional", "Reset general");
            break;
        case 3:
            text =
                panelSounders(QCoreApplication::translate("ManiobraConvencional", "Activar sirena"),
                              m.act_blk_port);
            break;
        case 4:
            text = panelSounders(
                QCoreApplication::translate("ManiobraConvencional", "Desactivar sirena"),
                m.act_blk_port);
            break;
        }
    } else if (m.act_blk_type == 7 && (m.act_type == 1 || m.act_type == 2)) {
        text =
            (m.act_type == 1
                 ? QCoreApplication::translate("ManiobraConvencional", "Activar la salida ")
                 : QCoreApplication::translate("ManiobraConvencional", "Desactivar la salida ")) +
            QString::number(m.act_blk_port) +
            QCoreApplication::translate("ManiobraConvencional", " de la placa auxiliar ") +
            QString::number(int(m.act_blk) - 5);
    }
    if (m.delay != 0)
        text += QCoreApplication::translate("ManiobraConvencional", "  con retardo de ") +
                QStringLiteral("%1s").arg(m.delay / 2);
    return text;
}
