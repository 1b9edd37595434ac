#include "report/CauseEffectReport.h"

#include "images/ConfigurationCheck.h"
#include "images/ConfigurationFingerprint.h"
#include "model/CauseEffectMatrix.h"
#include "model/ConfigurationFields.h"
#include "model/FileWriting.h"
#include "model/ManeuverDescription.h"
#include "model/PanelConfiguration.h"
#include "model/ProductInfo.h"
#include "report/ReportPages.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace {

using Area = ConfigurationField::Area;

// Matrix columns per table; more effects continue in a further table.
constexpr int EffectsPerTable = 12;

QString esc(const QString &text) {
    return text.toHtmlEscaped();
}

QString heading(const QString &text) {
    return QStringLiteral("<h2>%1</h2>").arg(esc(text));
}

QString row(const QStringList &cells, bool header = false) {
    const QString tag = header ? QStringLiteral("th") : QStringLiteral("td");
    QString html = QStringLiteral("<tr>");
    for (const QString &c : cells)
        html += QStringLiteral("<%1>%2</%1>").arg(tag, c);
    return html + QStringLiteral("</tr>");
}

QString table(const QString &head, const QString &body, const QString &extra = {}) {
    return QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                          "cellpadding=\"3\" %1><thead>%2</thead>%3</table>")
        .arg(extra, head, body);
}

QString fieldTable(const QList<ConfigurationField> &fields, Area area) {
    QString body;
    for (const ConfigurationField &f : fields) {
        if (f.area == area)
            body += row({esc(f.label), esc(f.shown)});
    }
    return table(
        row({esc(CauseEffectReport::tr("Setting")), esc(CauseEffectReport::tr("Value"))}, true),
        body);
}

} // namespace

CauseEffectReport::CauseEffectReport(const PanelConfiguration &core)
    : core(core) {}

QString CauseEffectReport::html() const {
    const QLocale locale;
    QString fingerprintProblem;
    QString fingerprint = ConfigurationFingerprint::of(core, &fingerprintProblem);
    if (fingerprint.isEmpty())
        fingerprint = tr("not available: %1").arg(fingerprintProblem);
    const QString installation =
        core.smtp.InstallId.isEmpty() ? tr("(no installation name)") : core.smtp.InstallId;

    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h1>%1</h1>").arg(esc(tr("Cause-and-effect report")));
    QString facts;
    facts += row({esc(tr("Installation")), esc(installation)});
    if (!source.isEmpty())
        facts += row({esc(tr("Configuration file")), esc(source)});
    facts += row({esc(tr("Date")), esc(locale.toString(date, QLocale::LongFormat))});
    facts += row({esc(tr("Tool")), esc(ProductInfo::model().trimmed() + QLatin1Char(' ') +
                                       ProductInfo::productLine().trimmed() + QLatin1Char(' ') +
                                       ProductInfo::version())});
    facts += row(
        {esc(tr("Configuration fingerprint")), QStringLiteral("<b>%1</b>").arg(esc(fingerprint))});
    html += table({}, facts);
    html += QStringLiteral("<p>%1</p>")
                .arg(esc(tr("The fingerprint is a checksum of everything the panel stores. A "
                            "configuration downloaded from the panel gives the same value.")));

    html += heading(tr("Zones"));
    QString zones;
    for (int z = 1; z <= core.num_zones; ++z)
        zones += row({QString::number(z), esc(core.zoneName(z))});
    html += core.num_zones > 0 ? table(row({esc(tr("Zone")), esc(tr("Name"))}, true), zones)
                               : QStringLiteral("<p>%1</p>").arg(esc(tr("No zones.")));

    html += heading(tr("Auxiliary boards"));
    QString boards;
    for (const Element &e : core.elements)
        boards +=
            row({QString::number(e.address + 1), esc(ConfigurationFields::boardName(e.type))});
    html += table(row({esc(tr("Board")), esc(tr("Type"))}, true), boards);

    const QList<ConfigurationField> fields =
        ConfigurationFields::of(core, ConfigurationFields::Scope::PanelHeld);
    for (Area area : {Area::General, Area::WebServer, Area::Email}) {
        html += heading(ConfigurationFields::areaName(area));
        html += fieldTable(fields, area);
    }

    html += heading(tr("Cause-and-effect matrix"));
    const CauseEffectMatrix matrix(core);
    if (matrix.causes().isEmpty()) {
        html += QStringLiteral("<p>%1</p>").arg(esc(tr("No maneuvers.")));
    } else {
        html += QStringLiteral("<p>%1</p>")
                    .arg(esc(tr("Rows: causes. Columns: effects E1, E2, ... as listed below. "
                                "A cell holds the delay before the effect, or %1 when it is "
                                "immediate.")
                                 .arg(QChar(CauseEffectMatrix::ImmediateMark))));
        const int effects = int(matrix.effects().size());
        for (int first = 0; first < effects; first += EffectsPerTable) {
            const int last = std::min(effects, first + EffectsPerTable);
            QStringList head{esc(tr("Cause"))};
            for (int c = first; c < last; ++c)
                head << QStringLiteral("E%1").arg(c + 1);
            QString body;
            for (int r = 0; r < matrix.causes().size(); ++r) {
                const auto &cause = matrix.causes().at(r);
                QString label = esc(cause.label);
                if (!cause.zoneNames.isEmpty())
                    label += QStringLiteral("<br/><i>%1</i>").arg(esc(cause.zoneNames));
                QStringList cells{label};
                for (int c = first; c < last; ++c)
                    cells << QStringLiteral("<center>%1</center>").arg(esc(matrix.cellText(r, c)));
                body += row(cells);
            }
            html += table(row(head, true), body);
            html += QStringLiteral("<p></p>");
        }
        QString legend;
        for (int c = 0; c < effects; ++c)
            legend += row({QStringLiteral("E%1").arg(c + 1), esc(matrix.effects().at(c).label)});
        html += table(row({esc(tr("Effect")), esc(tr("Action"))}, true), legend);
    }

    html += heading(tr("Maneuvers"));
    QString maneuvers;
    for (int i = 0; i < core.maneuvers.size(); ++i) {
        const ManiobraConvencional &m = core.maneuvers.at(i);
        QString events = esc(eventDescription(m));
        const QString names = ConfigurationFields::zoneNamesUsed(core, m);
        if (!names.isEmpty())
            events += QStringLiteral("<br/><i>%1</i>").arg(esc(names));
        maneuvers += row({QString::number(i + 1), esc(m.isLogic() ? tr("logic") : tr("simple")),
                          events, esc(actionDescription(m))});
    }
    html += core.maneuvers.isEmpty() ? QStringLiteral("<p>%1</p>").arg(esc(tr("No maneuvers.")))
                                     : table(row({QStringLiteral("#"), esc(tr("Kind")),
                                                  esc(tr("Events")), esc(tr("Action"))},
                                                 true),
                                             maneuvers);

    html += heading(tr("Consistency check"));
    const QList<ConfigurationProblem> problems = ConfigurationCheck::check(core);
    if (problems.isEmpty()) {
        html += QStringLiteral("<p>%1</p>").arg(esc(tr("No problems found.")));
    } else {
        html += QStringLiteral("<ul>");
        for (const ConfigurationProblem &p : problems)
            html += QStringLiteral("<li>%1 %2</li>")
                        .arg(esc(p.isError() ? tr("Error:") : tr("Warning:")), esc(p.message));
        html += QStringLiteral("</ul>");
    }
    return html + QStringLiteral("</body></html>");
}

QString CauseEffectReport::footer(int page, int pages) const {
    const QString installation = core.smtp.InstallId;
    const QString where = installation.isEmpty() ? QString() : installation + QStringLiteral(" · ");
    const QString fingerprint = ConfigurationFingerprint::of(core);
    return tr("%1Fingerprint %2 · Page %3 of %4")
        .arg(where, fingerprint.isEmpty() ? tr("not available") : fingerprint)
        .arg(page)
        .arg(pages);
}

bool CauseEffectReport::writePdf(const QString &fileName) {
    error.clear();
    // QPdfWriter does not look at its device's write results: the PDF is made in memory
    // and then written whole, checked.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(tr("Cause-and-effect report"));
        writer.setCreator(ProductInfo::model().trimmed() + QLatin1Char(' ') +
                          ProductInfo::version());

        QPainter painter;
        if (!painter.begin(&writer)) {
            error = tr("cannot write %1: the PDF could not be started").arg(fileName);
            return false;
        }
        const QRect page = painter.viewport();
        const int footerHeight = writer.resolution() * 10 / 25; // 10 mm
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(9);

        QTextDocument document;
        document.documentLayout()->setPaintDevice(&writer);
        document.setDefaultFont(font);
        QTextOption option = document.defaultTextOption();
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        document.setDefaultTextOption(option);
        document.setDefaultStyleSheet(
            QStringLiteral("h1 { font-size: 16pt; } h2 { font-size: 12pt; margin-top: 12px; } "
                           "th { background-color: #e0e0e0; text-align: left; }"));
        document.setHtml(html());
        const QSizeF body(page.width(), page.height() - footerHeight);
        document.setPageSize(body);
        ReportPages::keepHeadingsWithNext(document);
        const int pages = document.pageCount();

        QFont small = font;
        small.setPointSizeF(7.5);
        for (int p = 0; p < pages; ++p) {
            if (p > 0)
                writer.newPage();
            painter.save();
            painter.translate(0, -p * body.height());
            document.drawContents(&painter, QRectF(QPointF(0, p * body.height()), body));
            painter.restore();
            painter.setFont(small);
            painter.drawText(QRect(0, int(body.height()), page.width(), footerHeight),
                             Qt::AlignRight | Qt::AlignBottom, footer(p + 1, pages));
        }
        painter.end();
    }
    QString reason;
    if (!FileWriting::write(fileName, pdf.data(), &reason)) {
        error = tr("cannot write %1: %2").arg(fileName, reason);
        return false;
    }
    return true;
}

bool CauseEffectReport::writeCsv(const QString &fileName) {
    error.clear();
    QString reason;
    if (!FileWriting::write(fileName, CauseEffectMatrix(core).toCsv(), &reason)) {
        error = tr("cannot write %1: %2").arg(fileName, reason);
        return false;
    }
    return true;
}
