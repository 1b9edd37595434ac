#include "model/PanelConfiguration.h"

PanelConfiguration::PanelConfiguration() {
    for (int i = 0; i < ElementSlots; ++i)
        elements[i].address = quint8(i);
}

bool PanelConfiguration::setElement(int index, const Element &element, bool overwrite) {
    if (index < 0 || index >= ElementSlots)
        return false;
    if (elements[index].type != Element::Empty && !overwrite)
        return false;
    elements[index].type = element.type;
    return true;
}

bool PanelConfiguration::getElement(int index, Element &out) const {
    if (index < 0 || index >= ElementSlots)
        return false;
    out = elements[index];
    return true;
}

int PanelConfiguration::countElements() const {
    int count = 0;
    for (const Element &e : elements)
        count += e.type != Element::Empty ? 1 : 0;
    return count;
}

bool PanelConfiguration::addManeuver(const ManiobraConvencional &maneuver) {
    maneuvers.append(maneuver);
    return true;
}

bool PanelConfiguration::getManeuver(int index, ManiobraConvencional &out) const {
    if (index < 0 || index >= maneuvers.size())
        return false;
    out = maneuvers.at(index);
    return true;
}

bool PanelConfiguration::setManeuver(int index, const ManiobraConvencional &maneuver) {
    if (index < 0 || index >= maneuvers.size())
        return false;
    maneuvers[index] = maneuver;
    return true;
}

bool PanelConfiguration::removeManeuver(int index) {
    if (maneuvers.isEmpty())
        return false;
    // An index outside a non-empty list is not a failure: callers rely on it.
    if (index >= 0 && index < maneuvers.size())
        maneuvers.removeAt(index);
    return true;
}

void PanelConfiguration::countManeuvers(int &simple, int &logic) const {
    simple = 0;
    logic = 0;
    for (const ManiobraConvencional &m : maneuvers)
        ++(m.isLogic() ? logic : simple);
}

void PanelConfiguration::setDefaults() {
    generalConfig = GeneralConfig();
}

QString PanelConfiguration::zoneNameProblem(int zone, const QString &name) {
    if (zone < 1 || zone > MaxZoneNumber)
        return tr("there is no zone %1; zones are numbered 1 to %2").arg(zone).arg(MaxZoneNumber);
    if (name.size() > MaxZoneNameLength)
        return tr("the name of zone %1 has %2 characters; at most %3")
            .arg(zone)
            .arg(name.size())
            .arg(MaxZoneNameLength);
    // One line that any file can hold.
    for (QChar c : name) {
        if (c.category() == QChar::Other_Control || c.unicode() == 0xfffe || c.unicode() == 0xffff)
            return tr("the name of zone %1 contains a control character").arg(zone);
    }
    return {};
}

bool PanelConfiguration::setZoneName(int zone, const QString &name) {
    if (!zoneNameProblem(zone, name).isEmpty())
        return false;
    if (name.isEmpty())
        names.remove(zone);
    else
        names.insert(zone, name);
    return true;
}

PanelConfiguration::PanelHeld PanelConfiguration::panelHeld() const {
    return {maneuvers, generalConfig, webServer, smtp};
}

void PanelConfiguration::setPanelHeld(const PanelHeld &held) {
    maneuvers = held.maneuvers;
    generalConfig = held.generalConfig;
    webServer = held.webServer;
    smtp = held.smtp;
}

void PanelConfiguration::takeInstallationFrom(const PanelConfiguration &other) {
    num_zones = other.num_zones;
    elements = other.elements;
    names = other.names;
}
