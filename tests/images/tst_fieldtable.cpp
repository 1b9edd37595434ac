#include "images/GeneralConfigImage.h"
#include "images/WebServerImage.h"
#include "model/ConfigurationDiff.h"
#include "model/ConfigurationJson.h"
#include "model/FieldTable.h"
#include "model/MyXMLWriter.h"
#include "model/PanelConfiguration.h"
#include "model/XmlConfigReader.h"

#include <QBuffer>
#include <QJsonObject>
#include <QTest>

namespace {

using Kind = FieldDescriptor::Kind;
using Area = ConfigurationField::Area;

// The dump's object for each area, as the dump contract names them; "" the top level.
QString dumpObject(Area area) {
    return QLatin1String(area == Area::General     ? "generalConfig"
                         : area == Area::WebServer ? "webServer"
                         : area == Area::Email     ? "smtp"
                                                   : "");
}

QByteArray fileOf(const PanelConfiguration &c) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    MyXMLWriter writer(&c);
    if (!writer.write(&buffer))
        qWarning() << writer.errorString();
    return buffer.data();
}

// What the panel gives back of `c`: the general record and the web image, decoded.
PanelConfiguration throughImages(const PanelConfiguration &c) {
    PanelConfiguration read;
    GeneralConfigImage::decode(GeneralConfigImage::build(c.generalConfig), read.generalConfig);
    WebServerImage::decode(WebServerImage::build(c.webServer, c.smtp), read.webServer, read.smtp);
    return read;
}

} // namespace

class TestFieldTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachSetting_atItsBoundary_survivesFileDumpComparisonAndImage_data();
    void eachSetting_atItsBoundary_survivesFileDumpComparisonAndImage();
};

void TestFieldTable::eachSetting_atItsBoundary_survivesFileDumpComparisonAndImage_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("text");
    const PanelConfiguration defaults;
    for (int i = 0; i < int(FieldTable::all().size()); ++i) {
        const FieldDescriptor &d = FieldTable::all().at(i);
        const QString name = QStringLiteral("%1.%2").arg(d.element, d.attribute);
        qint64 number = 0;
        QString text;
        if (d.isText()) // 32 Latin-1 characters up to the last, each field its own
            text = (name + QStringLiteral(" Ñandú ÿ") + QString(32, QChar(0xe9))).left(32);
        else if (d.kind == Kind::Flag)
            number = d.number(defaults) == 1 ? 0 : 1;
        else if (d.kind == Kind::Address)
            number = 0xC0A80102; // every octet its own
        else
            number = d.member.maximum;
        QTest::newRow(qPrintable(name)) << i << number << text;
    }
}

void TestFieldTable::eachSetting_atItsBoundary_survivesFileDumpComparisonAndImage() {
    QFETCH(int, index);
    QFETCH(qint64, number);
    QFETCH(QString, text);
    const FieldDescriptor &d = FieldTable::all().at(index);
    const PanelConfiguration defaults;
    PanelConfiguration meant;
    if (d.isText())
        d.setText(meant, text);
    else
        d.setNumber(meant, number);
    QVERIFY(meant != defaults);

    PanelConfiguration read;
    QString error;
    QVERIFY2(XmlConfigReader::readData(fileOf(meant), &read, &error), qPrintable(error));
    QVERIFY(read == meant);

    QJsonObject dump = ConfigurationJson::toJson(meant);
    if (!dumpObject(d.area).isEmpty())
        dump = dump.value(dumpObject(d.area)).toObject();
    QCOMPARE(dump.value(QLatin1String(d.attribute)),
             d.isText() ? QJsonValue(text) : QJsonValue(number));

    const QList<ConfigurationDifference> differences = ConfigurationDiff::compare(defaults, meant);
    QCOMPARE(differences.size(), 1);
    QCOMPARE(differences.first().area, d.area);
    QCOMPARE(differences.first().item, d.labelText());

    if (d.panelHeld())
        QVERIFY(throughImages(meant).panelHeld() == meant.panelHeld());
    else
        QVERIFY(throughImages(meant) == throughImages(defaults));

    if (d.isText())
        return;
    // One beyond the member is refused, not cut.
    const QByteArray beyond = QStringLiteral("<CONFIG><%1 %2=\"%3\"/></CONFIG>")
                                  .arg(d.element, d.attribute)
                                  .arg(d.member.maximum + 1)
                                  .toUtf8();
    QVERIFY(!XmlConfigReader::readData(beyond, &read, &error));
    QVERIFY2(error.endsWith(QStringLiteral("%1 does not fit %2 to %3")
                                .arg(d.member.maximum + 1)
                                .arg(d.member.minimum)
                                .arg(d.member.maximum)),
             qPrintable(error));
}

QTEST_GUILESS_MAIN(TestFieldTable)
#include "tst_fieldtable.moc"
