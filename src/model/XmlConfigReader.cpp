#include "model/XmlConfigReader.h"

#include "model/MyXMLHandler.h"
#include "model/PanelConfiguration.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

bool fail(QString *error, const QString &reason) {
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool XmlConfigReader::readFile(const QString &fileName, PanelConfiguration *core, QString *error,
                               Notes *notes) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, tr("%1: cannot read: %2").arg(fileName, file.errorString()));
    // Bounded read: size() says nothing for pipes and devices.
    const QByteArray data = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(error, tr("%1: cannot read: %2").arg(fileName, file.errorString()));
    if (data.size() > MaxFileSize)
        return fail(error, tr("%1: larger than %2 bytes; not a configuration file")
                               .arg(fileName)
                               .arg(MaxFileSize));
    QString reason;
    if (!readData(data, core, &reason, notes))
        return fail(error, tr("%1: %2").arg(fileName, reason));
    return true;
}

bool XmlConfigReader::readData(const QByteArray &data, PanelConfiguration *core, QString *error,
                               Notes *notes) {
    if (data.size() > MaxFileSize)
        return fail(error, tr("larger than %1 bytes; not a configuration file").arg(MaxFileSize));

    // Fields the file does not set keep the target's values, as when filling it in place.
    PanelConfiguration scratch = *core;
    MyXMLHandler handler(&scratch);

    QXmlStreamReader xml(data);
    bool root = true;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        handler.setLine(xml.lineNumber());
        switch (token) {
        case QXmlStreamReader::DTD:
            // Refusing any DTD means no entity of the file's own is ever expanded.
            xml.raiseError(tr("document type declarations are not accepted"));
            break;
        case QXmlStreamReader::StartElement:
            // Any other document would read as an empty configuration, and an upload of
            // it would erase the panel.
            if (root && xml.name() != u"CONFIG")
                xml.raiseError(tr("the root element is \"%1\", not \"CONFIG\": not a "
                                  "configuration file")
                                   .arg(xml.name()));
            else if (!handler.startElement(xml.name(), xml.attributes()))
                xml.raiseError(handler.errorString());
            root = false;
            break;
        case QXmlStreamReader::EndElement:
            handler.endElement(xml.name());
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) {
        const QString what = xml.error() == QXmlStreamReader::CustomError
                                 ? xml.errorString()
                                 : tr("not well-formed XML (%1)").arg(xml.errorString());
        return fail(
            error,
            tr("line %1, column %2: %3").arg(xml.lineNumber()).arg(xml.columnNumber()).arg(what));
    }
    *core = scratch;
    if (notes)
        *notes = {handler.problems(), handler.ignored()};
    return true;
}
