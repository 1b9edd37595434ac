#include "model/MyXMLWriter.h"

#include "model/ConfigurationFields.h"
#include "model/FieldTable.h"
#include "model/FileWriting.h"
#include "model/PanelConfiguration.h"
#include "model/ProductInfo.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

// XML 1.0 cannot carry these, not even as character references.
bool xmlCanHold(const QString &text) {
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xfffe || u == 0xffff;
    });
}

} // namespace

MyXMLWriter::MyXMLWriter(const PanelConfiguration *core)
    : core(core) {}

bool MyXMLWriter::writeFile(const QString &fileName) {
    error.clear();
    // Written whole to memory first: the file is replaced only by a complete document.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write(&buffer)) {
        error = tr("Cannot write %1: %2").arg(fileName, error);
        return false;
    }
    QString reason;
    if (!FileWriting::write(fileName, buffer.data(), &reason)) {
        error = tr("Cannot write %1: %2").arg(fileName, reason);
        return false;
    }
    return true;
}

bool MyXMLWriter::write(QIODevice *device) {
    error.clear();
    if (!checkTexts())
        return false;
    QXmlStreamWriter writer(device);
    xml = &writer;
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("CONFIG"));
    writer.writeAttribute(QStringLiteral("Version"), ProductInfo::version());
    writer.writeAttribute(QStringLiteral("Date"),
                          QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
    writeSettings();
    writeElements();
    writeZoneNames();
    writeManeuvers();
    writer.writeEndElement();
    writer.writeEndDocument();
    xml = nullptr;
    if (writer.hasError()) {
        error = tr("Cannot write the configuration: %1").arg(device->errorString());
        return false;
    }
    return true;
}

bool MyXMLWriter::checkTexts() {
    // The texts as the user reads them, so that the refusal names the field.
    for (const ConfigurationField &field : ConfigurationFields::of(*core)) {
        if (xmlCanHold(field.compared))
            continue;
        error = field.secret ? tr("%1 contains a control character, which a configuration file "
                                  "cannot hold")
                                   .arg(field.label)
                             : tr("%1 \"%2\" contains a control character, which a configuration "
                                  "file cannot hold")
                                   .arg(field.label, field.shown);
        return false;
    }
    return true;
}

// Every attribute is written whatever DHCP, Login and Enable say: a switch turned off
// keeps what was typed behind it, and a download keeps what the panel holds.
void MyXMLWriter::writeSettings() {
    const char *element = nullptr;
    for (const FieldDescriptor *setting : FieldTable::inFileOrder()) {
        if (!element || qstrcmp(element, setting->element) != 0) {
            element = setting->element;
            xml->writeEmptyElement(QLatin1String(element));
        }
        xml->writeAttribute(QLatin1String(setting->attribute),
                            setting->isText() ? setting->text(*core)
                                              : QString::number(setting->number(*core)));
    }
}

void MyXMLWriter::writeElements() {
    xml->writeStartElement(QStringLiteral("Elements"));
    for (int i = 0; i < PanelConfiguration::ElementSlots; ++i) {
        Element e;
        core->getElement(i, e);
        if (e.type == Element::Empty)
            continue;
        xml->writeEmptyElement(QStringLiteral("Element"));
        xml->writeAttribute(QStringLiteral("address"), QString::number(e.address));
        xml->writeAttribute(QStringLiteral("type"), QString::number(e.type));
    }
    xml->writeEndElement();
}

// Readers that know no zone names skip this element; files without names stay as they
// always were.
void MyXMLWriter::writeZoneNames() {
    if (core->zoneNames().isEmpty())
        return;
    xml->writeStartElement(QStringLiteral("ZoneNames"));
    for (auto it = core->zoneNames().cbegin(); it != core->zoneNames().cend(); ++it) {
        xml->writeEmptyElement(QStringLiteral("Zone"));
        xml->writeAttribute(QStringLiteral("number"), QString::number(it.key()));
        xml->writeAttribute(QStringLiteral("name"), it.value());
    }
    xml->writeEndElement();
}

void MyXMLWriter::writeManeuvers() {
    xml->writeStartElement(QStringLiteral("Maniobras"));
    for (const ManiobraConvencional &m : core->maneuvers) {
        xml->writeStartElement(QStringLiteral("Maniobra"));
        for (const Event &e : m.events) {
            xml->writeEmptyElement(QStringLiteral("Event"));
            xml->writeAttribute(QStringLiteral("evt_blk"), QString::number(e.evt_blk));
            xml->writeAttribute(QStringLiteral("evt_blk_prt"), QString::number(e.evt_blk_prt));
            xml->writeAttribute(QStringLiteral("evt_blk_type"), QString::number(e.evt_blk_type));
            xml->writeAttribute(QStringLiteral("evt_type"), QString::number(e.evt_type));
        }
        xml->writeEmptyElement(QStringLiteral("Action"));
        xml->writeAttribute(QStringLiteral("act_blk"), QString::number(m.act_blk));
        xml->writeAttribute(QStringLiteral("act_blk_port"), QString::number(m.act_blk_port));
        xml->writeAttribute(QStringLiteral("act_blk_type"), QString::number(m.act_blk_type));
        xml->writeAttribute(QStringLiteral("act_type"), QString::number(m.act_type));
        xml->writeAttribute(QStringLiteral("delay"), QString::number(m.delay));
        xml->writeEndElement();
    }
    xml->writeEndElement();
}
