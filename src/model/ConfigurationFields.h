#pragma once

#include "model/ConfigurationField.h"

#include <QCoreApplication>
#include <QList>

class ManiobraConvencional;
class PanelConfiguration;

// The settings of a configuration as labelled fields, in the current language, for the
// comparison and the report.
class ConfigurationFields {
    Q_DECLARE_TR_FUNCTIONS(ConfigurationFields)

public:
    enum class Scope {
        Everything,
        PanelHeld, // only what the panel stores: no zones, boards or zone names
    };

    static QList<ConfigurationField> of(const PanelConfiguration &core,
                                        Scope scope = Scope::Everything);
    static QString areaName(ConfigurationField::Area area);

    static QString ipv4(quint32 address);
    static QString boardName(quint8 type);
    static QString onOff(int value);
    static QString secretState(const QString &secret); // "set" or "not set"
    // `text` with each control character as \xNN, so that it shows what it holds and does
    // nothing to a terminal.
    static QString printable(const QString &text);
    // "Alarma de detector en zona 3 => Activar sirenas del panel"
    static QString maneuverText(const ManiobraConvencional &maneuver);
    // "zone 3 Kitchen, zone 4 Hall" for the named zones the maneuver's events use.
    static QString zoneNamesUsed(const PanelConfiguration &core,
                                 const ManiobraConvencional &maneuver);
};
