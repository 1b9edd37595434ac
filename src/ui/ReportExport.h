#pragma once

#include <QCoreApplication>
#include <QString>

class LastFolder;
class PanelConfiguration;
class QWidget;

// "Export report...": asks where the PDF goes, writes it with the cause-and-effect matrix
// beside it as CSV, and says where they went or why they could not be written.
class ReportExport {
    Q_DECLARE_TR_FUNCTIONS(ReportExport)

public:
    // `fileName`: the configuration's file, which names the report; empty when it has none.
    // The dialog starts in `folder`.
    static void run(QWidget *parent, const PanelConfiguration &configuration,
                    const QString &fileName, LastFolder &folder);
};
