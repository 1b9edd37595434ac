#include "images/ConfigurationFingerprint.h"
#include "model/PanelConfiguration.h"
#include "model/XmlConfigReader.h"
#include "report/CauseEffectReport.h"
#include "report/ReportPages.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTranslator>

class TestCauseEffectReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void html_holdsWhatCommissioningNeedsButNoPassword();
    void html_followsTheCurrentLanguage();
    void writePdf_replacesTheFileOnlyWhenWritten();
    void fingerprint_isThatOfWhatThePanelGivesBack();
    void heading_neverLastOnPage_data();
    void heading_neverLastOnPage();

private:
    PanelConfiguration core;
};

void TestCauseEffectReport::init() {
    core = PanelConfiguration();
    QVERIFY(XmlConfigReader::readFile(
        qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/school.xml"), &core));
    core.setZoneName(12, QStringLiteral("Gimnasio"));
}

void TestCauseEffectReport::html_holdsWhatCommissioningNeedsButNoPassword() {
    CauseEffectReport report(core);
    report.setSourceName(QStringLiteral("school.xml"));
    const QString html = report.html();
    for (const QString &part :
         {ConfigurationFingerprint::of(core), QStringLiteral("CEIP Río Tajo - Edificio A"),
          QStringLiteral("Version 2.07"), QStringLiteral("school.xml"),
          QStringLiteral("<td>12</td><td>Gimnasio</td>"), QStringLiteral("zone 12 Gimnasio"),
          QStringLiteral("<td>Web password</td><td>set</td>"),
          QStringLiteral("Activar la salida 2 de la placa auxiliar 2  con retardo de 60s"),
          QStringLiteral("<center>60 s</center>"), QStringLiteral("No problems found.")})
        QVERIFY2(html.contains(part), qPrintable(part));
    for (const char *password : {"Pr0tecci0n", "s3cret0-Tajo"})
        QVERIFY(!html.contains(QLatin1String(password)));
}

void TestCauseEffectReport::html_followsTheCurrentLanguage() {
    QTranslator spanish;
    QVERIFY(spanish.load(QCoreApplication::applicationDirPath() +
                         QStringLiteral("/languages/lang_es.qm")));
    QCoreApplication::installTranslator(&spanish);
    const QString html = CauseEffectReport(core).html();
    QCoreApplication::removeTranslator(&spanish);
    QVERIFY(html.contains(QLatin1String("Matriz de causa y efecto")));
    QVERIFY(html.contains(QStringLiteral("<td>Contraseña web</td><td>definida</td>")));
}

void TestCauseEffectReport::writePdf_replacesTheFileOnlyWhenWritten() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    CauseEffectReport report(core);
    QVERIFY2(report.writePdf(pdf), qPrintable(report.errorString()));
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
}

// The fingerprint printed is compared with one of the panel's download: only what the
// panel holds counts, in the order it gives it back, passwords only as set or not.
void TestCauseEffectReport::fingerprint_isThatOfWhatThePanelGivesBack() {
    core.maneuvers.move(core.maneuvers.size() - 1, 0); // a logic maneuver first
    const QString printed = ConfigurationFingerprint::of(core);
    QCOMPARE(printed.size(), 19);
    PanelConfiguration panel;
    panel.maneuvers = core.maneuvers;
    std::stable_partition(panel.maneuvers.begin(), panel.maneuvers.end(),
                          [](const ManiobraConvencional &m) { return !m.isLogic(); });
    QVERIFY(panel.maneuvers != core.maneuvers);
    panel.generalConfig = core.generalConfig;
    panel.webServer = core.webServer;
    panel.smtp = core.smtp;
    panel.smtp.Password = QStringLiteral("another");
    QCOMPARE(ConfigurationFingerprint::of(panel), printed);
    panel.smtp.Password.clear();
    QVERIFY(ConfigurationFingerprint::of(panel) != printed);
    panel.smtp.Password = core.smtp.Password;
    panel.maneuvers.first().delay += 1;
    QVERIFY(ConfigurationFingerprint::of(panel) != printed);
}

void TestCauseEffectReport::heading_neverLastOnPage_data() {
    QTest::addColumn<QString>("following");
    QTest::addColumn<QString>("first"); // the line that must be on the heading's page
    QTest::newRow("paragraph") << "<p>first line</p><p>second line</p>"
                               << "first line";
    QTest::newRow("tableHeaderAndFirstRow")
        << "<table><thead><tr><th>#</th></tr></thead><tr><td>Reset</td></tr><tr><td>Mute</td>"
           "</tr></table>"
        << "Reset";
}

// Whatever text comes before it, a heading is on the page of what follows it, and a page is
// added only where it would have stood alone.
void TestCauseEffectReport::heading_neverLastOnPage() {
    QFETCH(QString, following);
    QFETCH(QString, first);
    const auto parted = [&first](QTextDocument &document) {
        const auto page = [&document](const QString &text) {
            return int(
                document.documentLayout()->blockBoundingRect(document.find(text).block()).top() /
                document.pageSize().height());
        };
        return page(QStringLiteral("Maneuvers")) != page(first);
    };
    int moved = 0;
    for (int filler = 0; filler <= 24; ++filler) {
        QTextDocument plain, kept;
        for (QTextDocument *document : {&plain, &kept}) {
            document->setHtml(QStringLiteral("<p>filler</p>").repeated(filler) +
                              QStringLiteral("<h2>Maneuvers</h2>") + following +
                              QStringLiteral("<h2>Check</h2><p>No problems.</p>"));
            document->setPageSize(QSizeF(300, 240));
        }
        ReportPages::keepHeadingsWithNext(kept);
        QVERIFY2(!parted(kept), qPrintable(QString::number(filler)));
        QVERIFY(kept.pageCount() <= plain.pageCount() + (parted(plain) ? 1 : 0));
        moved += parted(plain) ? 1 : 0;
    }
    QVERIFY(moved > 0); // the filler did put the heading at the foot of a page
}

QTEST_MAIN(TestCauseEffectReport)
#include "tst_causeeffectreport.moc"
