#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

class PanelConfiguration;

// The commissioning document of a configuration: installation, date, tool version and
// fingerprint, zones with names, boards, options, web server and e-mail (passwords as
// set or not set), the cause-and-effect matrix, the maneuvers and the check's findings.
// Texts are in the current language. Needs a QGuiApplication (fonts).
class CauseEffectReport {
    Q_DECLARE_TR_FUNCTIONS(CauseEffectReport)

public:
    explicit CauseEffectReport(const PanelConfiguration &core);

    void setSourceName(const QString &name) { source = name; } // e.g. the file name
    void setDate(const QDateTime &when) { date = when; }

    // The report as HTML for QTextDocument, also what the PDF shows.
    QString html() const;
    // A4 PDF, page header and footer on every page. False, with errorString(), when the
    // file cannot be written.
    bool writePdf(const QString &fileName);
    // The matrix as CSV, written atomically.
    bool writeCsv(const QString &fileName);
    QString errorString() const { return error; }

private:
    QString footer(int page, int pages) const;

    const PanelConfiguration &core;
    QString source;
    QDateTime date = QDateTime::currentDateTime();
    QString error;
};
