#include "ui/ReportExport.h"

#include "report/CauseEffectReport.h"
#include "ui/LastFolder.h"
#include "ui/UserDialogs.h"

#include <QDir>
#include <QFileInfo>

void ReportExport::run(QWidget *parent, const PanelConfiguration &configuration,
                       const QString &fileName, LastFolder &folder) {
    const QString title = tr("Export report...");
    const QString base =
        fileName.isEmpty() ? QStringLiteral("report") : QFileInfo(fileName).completeBaseName();
    const QString pdf = folder.saveFileName(parent, title, tr("PDF files (*.pdf)"),
                                            QStringLiteral("pdf"), base + QStringLiteral(".pdf"));
    if (pdf.isEmpty())
        return;
    const QFileInfo info(pdf);
    const QString csv =
        info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".csv");
    CauseEffectReport report(configuration);
    report.setSourceName(QFileInfo(fileName).fileName());
    if (!report.writePdf(pdf) || !report.writeCsv(csv)) {
        UserDialogs::current().reportFailure(parent, title, tr("Could not export the report."),
                                             report.errorString());
        return;
    }
    UserDialogs::current().inform(
        parent, title,
        tr("Report saved as %1, matrix as %2.")
            .arg(QDir::toNativeSeparators(pdf), QDir::toNativeSeparators(csv)));
}
