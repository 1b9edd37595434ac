#include "model/MyXMLHandler.h"

#include "model/FieldTable.h"
#include "model/PanelConfiguration.h"

#include <QXmlStreamAttributes>

#include <algorithm>
#include <limits>

MyXMLHandler::MyXMLHandler(PanelConfiguration *core)
    : core(core) {}

bool MyXMLHandler::number(QStringView attribute, QStringView value, qint64 min, qint64 max,
                          qint64 &out) {
    bool ok = false;
    const qint64 parsed = value.toLongLong(&ok, 10);
    if (!ok) {
        error = tr("element \"%1\", attribute \"%2\": \"%3\" is not a number")
                    .arg(element, attribute, value);
        return false;
    }
    if (parsed < min || parsed > max) {
        error = tr("element \"%1\", attribute \"%2\": %3 does not fit %4 to %5")
                    .arg(element, attribute, value)
                    .arg(min)
                    .arg(max);
        return false;
    }
    out = parsed;
    return true;
}

template <typename T> bool MyXMLHandler::field(QStringView attribute, QStringView value, T &out) {
    qint64 parsed = 0;
    if (!number(attribute, value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(),
                parsed))
        return false;
    out = T(parsed);
    return true;
}

bool MyXMLHandler::startElement(QStringView localName, const QXmlStreamAttributes &attributes) {
    element = localName.toString();
    if (localName == u"CONFIG")
        return readConfig(attributes);
    if (localName == u"Element")
        return readElement(attributes);
    if (FieldTable::hasElement(localName))
        return readSettings(attributes);
    if (localName == u"Event")
        return readEvent(attributes);
    if (localName == u"Action")
        return readAction(attributes);
    if (localName == u"Zone" && inZoneNames)
        return readZoneName(attributes);
    if (localName == u"Maniobra") {
        current.events.clear();
        maneuverLine = line;
    } else if (localName == u"ZoneNames") {
        inZoneNames = true;
    } else if (localName != u"Elements" && localName != u"Maniobras") {
        ignore(tr("element \"%1\" ignored").arg(element));
    }
    ignoreAttributes(attributes, {});
    return true;
}

bool MyXMLHandler::endElement(QStringView localName) {
    // The current maneuver is deliberately not reset: a following Maniobra without
    // an Action keeps this one's action and delay.
    if (localName == u"Maniobra") {
        if (!actionGiven)
            found.append({ConfigurationProblem::Severity::Error,
                          tr("Maneuver %1 has no \"Action\" element (line %2)")
                              .arg(core->maneuvers.size() + 1)
                              .arg(maneuverLine),
                          int(core->maneuvers.size())});
        actionGiven = false;
        core->addManeuver(current);
    } else if (localName == u"ZoneNames") {
        inZoneNames = false;
    }
    return true;
}

void MyXMLHandler::ignore(const QString &what) {
    ignoredNames.append(tr("line %1: %2").arg(line).arg(what));
}

void MyXMLHandler::ignoreAttributes(const QXmlStreamAttributes &attributes,
                                    std::initializer_list<QStringView> known) {
    for (const QXmlStreamAttribute &a : attributes) {
        if (std::find(known.begin(), known.end(), a.name()) == known.end())
            ignoreAttribute(a.name());
    }
}

void MyXMLHandler::ignoreAttribute(QStringView name) {
    ignore(tr("attribute \"%1\" of \"%2\" ignored").arg(name, element));
}

bool MyXMLHandler::readConfig(const QXmlStreamAttributes &attributes) {
    // num_zones only as the first attribute, as files have always been read.
    const bool zonesFirst = !attributes.isEmpty() && attributes.first().name() == u"num_zones";
    QXmlStreamAttributes others = attributes;
    if (zonesFirst) {
        others.removeFirst();
        if (!field(u"num_zones", attributes.first().value(), core->num_zones))
            return false;
    }
    ignoreAttributes(others, {u"Version", u"Date"});
    return true;
}

bool MyXMLHandler::readAttributes(const QXmlStreamAttributes &attributes,
                                  std::initializer_list<Binding> bindings) {
    for (const QXmlStreamAttribute &a : attributes) {
        if (std::none_of(bindings.begin(), bindings.end(),
                         [&](const Binding &b) { return a.name() == b.name; }))
            ignoreAttribute(a.name());
        for (const Binding &binding : bindings) {
            if (a.name() != binding.name)
                continue;
            const bool ok = std::visit(
                [&](auto *target) { return field(a.name(), a.value(), *target); }, binding.target);
            if (!ok)
                return false;
        }
    }
    return true;
}

bool MyXMLHandler::readSettings(const QXmlStreamAttributes &attributes) {
    for (const QXmlStreamAttribute &a : attributes) {
        const FieldDescriptor *setting = FieldTable::find(element, a.name());
        if (!setting) {
            ignoreAttribute(a.name());
        } else if (setting->isText()) {
            setting->setText(*core, a.value().toString());
        } else {
            qint64 value = 0;
            if (!number(a.name(), a.value(), setting->member.minimum, setting->member.maximum,
                        value))
                return false;
            setting->setNumber(*core, setting->onlyOneIsOn ? value == 1 : value);
        }
    }
    return true;
}

bool MyXMLHandler::readElement(const QXmlStreamAttributes &attributes) {
    Element e;
    if (!readAttributes(attributes, {{u"type", &e.type}, {u"address", &e.address}}))
        return false;
    // An address outside the three slots counts for nothing, as it always has.
    if (attributes.hasAttribute(QStringLiteral("address")))
        core->setElement(e.address, e, true);
    return true;
}

bool MyXMLHandler::readEvent(const QXmlStreamAttributes &attributes) {
    Event e;
    if (!readAttributes(attributes, {{u"evt_blk", &e.evt_blk},
                                     {u"evt_blk_prt", &e.evt_blk_prt},
                                     {u"evt_blk_type", &e.evt_blk_type},
                                     {u"evt_type", &e.evt_type}}))
        return false;
    current.events.append(e);
    return true;
}

bool MyXMLHandler::readAction(const QXmlStreamAttributes &attributes) {
    Action action;
    if (!readAttributes(attributes, {{u"act_blk", &action.act_blk},
                                     {u"act_blk_port", &action.act_blk_port},
                                     {u"act_blk_type", &action.act_blk_type},
                                     {u"act_type", &action.act_type},
                                     {u"delay", &action.delay}}))
        return false;
    current.setAction(action);
    actionGiven = true;
    return true;
}

bool MyXMLHandler::readZoneName(const QXmlStreamAttributes &attributes) {
    if (!attributes.hasAttribute(QStringLiteral("number"))) {
        error = tr("element \"Zone\" has no attribute \"number\"");
        return false;
    }
    ignoreAttributes(attributes, {u"number", u"name"});
    qint64 zone = 0;
    if (!number(u"number", attributes.value(QStringLiteral("number")), 1,
                PanelConfiguration::MaxZoneNumber, zone))
        return false;
    const QString name = attributes.value(QStringLiteral("name")).toString();
    const QString problem = PanelConfiguration::zoneNameProblem(int(zone), name);
    if (!problem.isEmpty()) {
        error = tr("element \"Zone\": %1").arg(problem);
        return false;
    }
    core->setZoneName(int(zone), name);
    return true;
}
