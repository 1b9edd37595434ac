#include "MyXMLHandler.h"

#include "PanelCore.h"

#include <QXmlStreamAttributes>

#include <limits>

MyXMLHandler::MyXMLHandler(PanelCore *core)
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
    if (localName == u"Maniobra") {
        current.events.clear();
        return true;
    }
    if (localName == u"GeneralConfig")
        return readGeneralConfig(attributes);
    if (localName == u"WebServer")
        return readWebServer(attributes);
    if (localName == u"SMTP")
        return readSmtp(attributes);
    if (localName == u"Event")
        return readEvent(attributes);
    if (localName == u"Action")
        return readAction(attributes);
    if (localName == u"ZoneNames")
        inZoneNames = true;
    else if (localName == u"Zone" && inZoneNames)
        return readZoneName(attributes);
    return true;
}

bool MyXMLHandler::endElement(QStringView localName) {
    // The current maneuver is deliberately not reset: a following Maniobra without
    // an Action keeps this one's action and delay.
    if (localName == u"Maniobra")
        core->addManeuver(current);
    else if (localName == u"ZoneNames")
        inZoneNames = false;
    return true;
}

bool MyXMLHandler::readConfig(const QXmlStreamAttributes &attributes) {
    // Only as the first attribute, as files have always been read.
    if (attributes.isEmpty() || attributes.first().name() != u"num_zones")
        return true;
    return field(u"num_zones", attributes.first().value(), core->num_zones);
}

bool MyXMLHandler::readGeneralConfig(const QXmlStreamAttributes &attributes) {
    GeneralConfig &g = core->generalConfig;
    for (const QXmlStreamAttribute &a : attributes) {
        const QStringView name = a.name();
        const QStringView value = a.value();
        bool ok = true;
        if (name == u"num_zones")
            ok = field(name, value, core->num_zones);
        else if (name == u"confirmation_general_mode")
            ok = field(name, value, g.confirmation_general_mode);
        else if (name == u"short_general_mode")
            ok = field(name, value, g.short_general_mode);
        else if (name == u"cancel_delay")
            ok = field(name, value, g.cancel_delay);
        else if (name == u"cancel_MCP_delay")
            ok = field(name, value, g.cancel_MCP_delay);
        else if (name == u"delay_confirmation")
            ok = field(name, value, g.delay_confirmation);
        if (!ok)
            return false;
    }
    return true;
}

bool MyXMLHandler::readWebServer(const QXmlStreamAttributes &attributes) {
    WebServerConfig &w = core->webServer;
    for (const QXmlStreamAttribute &a : attributes) {
        const QStringView name = a.name();
        const QStringView value = a.value();
        bool ok = true;
        quint8 flag = 0;
        if (name == u"Language") {
            ok = field(name, value, w.Language);
        } else if (name == u"DHCP") {
            ok = field(name, value, flag);
            w.DHCP = flag == 1 ? 1 : 0;
        } else if (name == u"Login") {
            ok = field(name, value, flag);
            w.Login = flag == 1 ? 1 : 0;
        } else if (name == u"IP") {
            ok = field(name, value, w.IP);
        } else if (name == u"Gateway") {
            ok = field(name, value, w.Gateway);
        } else if (name == u"Netmask") {
            ok = field(name, value, w.Netmask);
        } else if (name == u"User") {
            w.User = value.toString();
        } else if (name == u"Pass") {
            w.Pass = value.toString();
        }
        if (!ok)
            return false;
    }
    return true;
}

bool MyXMLHandler::readSmtp(const QXmlStreamAttributes &attributes) {
    SmtpConfig &s = core->smtp;
    QString *const texts[] = {&s.Host,         &s.User,     &s.Password,   &s.SourceMail,
                              &s.SourceDomain, &s.DestMail, &s.DestDomain, &s.InstallId};
    const char16_t *const textNames[] = {u"Host",         u"User",     u"Password",   u"SourceMail",
                                         u"SourceDomain", u"DestMail", u"DestDomain", u"InstallId"};
    for (const QXmlStreamAttribute &a : attributes) {
        const QStringView name = a.name();
        const QStringView value = a.value();
        bool ok = true;
        if (name == u"Enable")
            ok = field(name, value, s.Enable);
        else if (name == u"Port")
            ok = field(name, value, s.Port);
        else if (name == u"Auth")
            ok = field(name, value, s.Auth);
        else if (name == u"Mask")
            ok = field(name, value, s.Mask);
        for (size_t i = 0; i < std::size(texts); ++i) {
            if (name == textNames[i])
                *texts[i] = value.toString();
        }
        if (!ok)
            return false;
    }
    return true;
}

bool MyXMLHandler::readElement(const QXmlStreamAttributes &attributes) {
    Element e;
    bool hasAddress = false;
    for (const QXmlStreamAttribute &a : attributes) {
        bool ok = true;
        if (a.name() == u"type") {
            ok = field(a.name(), a.value(), e.type);
        } else if (a.name() == u"address") {
            ok = field(a.name(), a.value(), e.address);
            hasAddress = true;
        }
        if (!ok)
            return false;
    }
    // An address outside the three slots counts for nothing, as it always has.
    if (hasAddress)
        core->setElement(e.address, e, true);
    return true;
}

bool MyXMLHandler::readEvent(const QXmlStreamAttributes &attributes) {
    Event e;
    for (const QXmlStreamAttribute &a : attributes) {
        bool ok = true;
        if (a.name() == u"evt_blk")
            ok = field(a.name(), a.value(), e.evt_blk);
        else if (a.name() == u"evt_blk_prt")
            ok = field(a.name(), a.value(), e.evt_blk_prt);
        else if (a.name() == u"evt_blk_type")
            ok = field(a.name(), a.value(), e.evt_blk_type);
        else if (a.name() == u"evt_type")
            ok = field(a.name(), a.value(), e.evt_type);
        if (!ok)
            return false;
    }
    current.events.append(e);
    return true;
}

bool MyXMLHandler::readAction(const QXmlStreamAttributes &attributes) {
    Action action;
    for (const QXmlStreamAttribute &a : attributes) {
        bool ok = true;
        if (a.name() == u"act_blk")
            ok = field(a.name(), a.value(), action.act_blk);
        else if (a.name() == u"act_blk_port")
            ok = field(a.name(), a.value(), action.act_blk_port);
        else if (a.name() == u"act_blk_type")
            ok = field(a.name(), a.value(), action.act_blk_type);
        else if (a.name() == u"act_type")
            ok = field(a.name(), a.value(), action.act_type);
        else if (a.name() == u"delay")
            ok = field(a.name(), a.value(), action.delay);
        if (!ok)
            return false;
    }
    current.setAction(action);
    return true;
}

bool MyXMLHandler::readZoneName(const QXmlStreamAttributes &attributes) {
    if (!attributes.hasAttribute(QStringLiteral("number"))) {
        error = tr("element \"Zone\" has no attribute \"number\"");
        return false;
    }
    qint64 zone = 0;
    if (!number(u"number", attributes.value(QStringLiteral("number")), 1, PanelCore::MaxZoneNumber,
                zone))
        return false;
    const QString name = attributes.value(QStringLiteral("name")).toString();
    const QString problem = PanelCore::zoneNameProblem(int(zone), name);
    if (!problem.isEmpty()) {
        error = tr("element \"Zone\": %1").arg(problem);
        return false;
    }
    core->setZoneName(int(zone), name);
    return true;
}
