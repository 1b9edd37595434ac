#include "PanelCore.h"

#include "CmdConvencional.h"

PanelCore::PanelCore(QObject *parent)
    : QObject(parent)
    , cmd(new CmdConvencional) {
    for (int i = 0; i < ElementSlots; ++i)
        elements[i].address = quint8(i);
    cmd->setTrace(&trace);
    connect(cmd, &CmdConvencional::exchangeStep, this, &PanelCore::transferStep);
}

PanelCore::~PanelCore() {
    delete cmd;
}

bool PanelCore::setElement(int index, const Element &element, bool overwrite) {
    if (index < 0 || index >= ElementSlots)
        return false;
    if (elements[index].type != Element::Empty && !overwrite)
        return false;
    elements[index].type = element.type;
    return true;
}

bool PanelCore::getElement(int index, Element &out) const {
    if (index < 0 || index >= ElementSlots)
        return false;
    out = elements[index];
    return true;
}

int PanelCore::countElements() const {
    int count = 0;
    for (const Element &e : elements)
        count += e.type != Element::Empty ? 1 : 0;
    return count;
}

bool PanelCore::addManeuver(const ManiobraConvencional &maneuver) {
    maneuvers.append(maneuver);
    return true;
}

bool PanelCore::getManeuver(int index, ManiobraConvencional &out) const {
    if (index < 0 || index >= maneuvers.size())
        return false;
    out = maneuvers.at(index);
    return true;
}

bool PanelCore::setManeuver(int index, const ManiobraConvencional &maneuver) {
    if (index < 0 || index >= maneuvers.size())
        return false;
    maneuvers[index] = maneuver;
    return true;
}

bool PanelCore::removeManeuver(int index) {
    if (maneuvers.isEmpty())
        return false;
    // An index outside a non-empty list is not a failure: callers rely on it.
    if (index >= 0 && index < maneuvers.size())
        maneuvers.removeAt(index);
    return true;
}

void PanelCore::countManeuvers(int &simple, int &logic) const {
    simple = 0;
    logic = 0;
    for (const ManiobraConvencional &m : maneuvers)
        ++(m.isLogic() ? logic : simple);
}

void PanelCore::setSerialSettings(const SerialSettings &settings) {
    serialSettings = settings;
    portConfigured = settings.portSelected;
}

void PanelCore::setDefaults() {
    generalConfig = GeneralConfig();
}

QString PanelCore::zoneNameProblem(int zone, const QString &name) {
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

bool PanelCore::setZoneName(int zone, const QString &name) {
    if (!zoneNameProblem(zone, name).isEmpty())
        return false;
    if (name.isEmpty())
        names.remove(zone);
    else
        names.insert(zone, name);
    return true;
}

void PanelCore::copyConfigurationFrom(const PanelCore &other) {
    elements = other.elements;
    names = other.names;
    maneuvers = other.maneuvers;
    num_zones = other.num_zones;
    generalConfig = other.generalConfig;
    webServer = other.webServer;
    smtp = other.smtp;
}

bool PanelCore::sameConfiguration(const PanelCore &other) const {
    return elements == other.elements && maneuvers == other.maneuvers &&
           num_zones == other.num_zones && names == other.names &&
           generalConfig == other.generalConfig && webServer == other.webServer &&
           smtp == other.smtp;
}
