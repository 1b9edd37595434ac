#pragma once

#include "ManiobraConvencional.h"

#include <QCoreApplication>
#include <QString>

#include <initializer_list>
#include <variant>

class PanelCore;
class QXmlStreamAttributes;

// Fills a model from the start and end tags of a configuration file, element by
// element, wherever the elements stand. Saved files rely on its leniency (unknown names
// ignored, an Action carried over to the next Maniobra); numbers, though, must be numbers
// that fit their field, or the tag is refused with the reason in errorString().
class MyXMLHandler {
    Q_DECLARE_TR_FUNCTIONS(MyXMLHandler)

public:
    explicit MyXMLHandler(PanelCore *core);

    bool startElement(QStringView localName, const QXmlStreamAttributes &attributes);
    bool endElement(QStringView localName);
    QString errorString() const { return error; }

private:
    bool readConfig(const QXmlStreamAttributes &attributes);
    bool readGeneralConfig(const QXmlStreamAttributes &attributes);
    bool readWebServer(const QXmlStreamAttributes &attributes);
    bool readSmtp(const QXmlStreamAttributes &attributes);
    bool readElement(const QXmlStreamAttributes &attributes);
    bool readEvent(const QXmlStreamAttributes &attributes);
    bool readAction(const QXmlStreamAttributes &attributes);
    bool readZoneName(const QXmlStreamAttributes &attributes);

    // One attribute and the field its value goes to: numbers must fit the field's type.
    struct Binding {
        QStringView name;
        std::variant<quint8 *, quint16 *, quint32 *, qint32 *, QString *> target;
    };
    bool readAttributes(const QXmlStreamAttributes &attributes,
                        std::initializer_list<Binding> bindings);

    // Parses a decimal value in [min, max]; on failure records why and returns false.
    bool number(QStringView attribute, QStringView value, qint64 min, qint64 max, qint64 &out);
    template <typename T> bool field(QStringView attribute, QStringView value, T &out);

    PanelCore *core;
    ManiobraConvencional current;
    QString element;
    bool inZoneNames = false; // "Zone" is read only there
    QString error;
};
