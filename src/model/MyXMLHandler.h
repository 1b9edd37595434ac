#pragma once

#include "model/ConfigurationProblem.h"
#include "model/ManiobraConvencional.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <variant>

class PanelConfiguration;
class QXmlStreamAttributes;

// Fills a model from the start and end tags of a configuration file, element by
// element, wherever the elements stand. Saved files rely on its leniency (unknown names
// ignored, an Action carried over to the next Maniobra); numbers, though, must be numbers
// that fit their field, or the tag is refused with the reason in errorString(). What the
// leniency hides is kept: ignored names as notes, and a Maniobra that has no Action of its
// own as a problem, since the panel would get an action nobody wrote for it.
class MyXMLHandler {
    Q_DECLARE_TR_FUNCTIONS(MyXMLHandler)

public:
    explicit MyXMLHandler(PanelConfiguration *core);

    bool startElement(QStringView localName, const QXmlStreamAttributes &attributes);
    bool endElement(QStringView localName);
    QString errorString() const { return error; }

    void setLine(qint64 number) { line = number; } // of the tag given next, for the notes
    const QStringList &ignored() const { return ignoredNames; }
    const QList<ConfigurationProblem> &problems() const { return found; }

private:
    bool readConfig(const QXmlStreamAttributes &attributes);
    // The general options, web server and e-mail settings, as FieldTable describes them.
    bool readSettings(const QXmlStreamAttributes &attributes);
    bool readElement(const QXmlStreamAttributes &attributes);
    bool readEvent(const QXmlStreamAttributes &attributes);
    bool readAction(const QXmlStreamAttributes &attributes);
    bool readZoneName(const QXmlStreamAttributes &attributes);

    // One attribute and the field its value goes to: numbers must fit the field's type.
    struct Binding {
        QStringView name;
        std::variant<quint8 *, quint16 *> target;
    };
    bool readAttributes(const QXmlStreamAttributes &attributes,
                        std::initializer_list<Binding> bindings);
    void ignore(const QString &what);
    // Notes every attribute whose name is not among `known`.
    void ignoreAttributes(const QXmlStreamAttributes &attributes,
                          std::initializer_list<QStringView> known);
    void ignoreAttribute(QStringView name);

    // Parses a decimal value in [min, max]; on failure records why and returns false.
    bool number(QStringView attribute, QStringView value, qint64 min, qint64 max, qint64 &out);
    template <typename T> bool field(QStringView attribute, QStringView value, T &out);

    PanelConfiguration *core;
    ManiobraConvencional current;
    QString element;
    bool inZoneNames = false; // "Zone" is read only there
    bool actionGiven = false; // an Action since the last Maniobra ended
    qint64 line = 0;
    qint64 maneuverLine = 0; // where the current Maniobra starts
    QString error;
    QStringList ignoredNames;
    QList<ConfigurationProblem> found;
};
