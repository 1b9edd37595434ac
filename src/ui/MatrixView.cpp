#include "ui/MatrixView.h"

#include "model/CauseEffectMatrix.h"
#include "model/PanelConfiguration.h"
#include "ui/ManeuverProblemMarks.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int DefaultWidth = 960;
constexpr int DefaultHeight = 480;
constexpr int EffectWidth = 110;
constexpr int EffectLines = 3;
constexpr int ManeuverRole = Qt::UserRole;

} // namespace

MatrixView::MatrixView(QWidget *parent)
    : QDialog(parent)
    , legend(new QLabel)
    , table(new QTableWidget) {
    setObjectName(QStringLiteral("matrixView"));
    legend->setObjectName(QStringLiteral("labelMatrixLegend"));
    legend->setWordWrap(true);
    table->setObjectName(QStringLiteral("tableMatrix"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Effects are long sentences: wrapped in narrow columns, more of them fit side by side.
    table->horizontalHeader()->setDefaultAlignment(
        Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    table->horizontalHeader()->setDefaultSectionSize(EffectWidth);
    table->horizontalHeader()->setMinimumHeight(fontMetrics().lineSpacing() * EffectLines +
                                                fontMetrics().descent() * 2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(legend);
    layout->addWidget(table, 1);
    connect(table, &QTableWidget::cellDoubleClicked, this, &MatrixView::cellDoubleClicked);
    resize(DefaultWidth, DefaultHeight);
    refresh();
}

void MatrixView::refresh() {
    setWindowTitle(tr("Cause-and-effect matrix"));
    table->clear();
    table->setRowCount(0);
    table->setColumnCount(0);
    if (!model) {
        legend->clear();
        return;
    }
    const CauseEffectMatrix matrix(*model);
    legend->setText(
        matrix.causes().isEmpty()
            ? tr("No maneuvers.")
            : tr("Rows: causes. Columns: effects. A cell holds the delay before the effect, or "
                 "%1 when it is immediate. Double-click a cell to modify its maneuver.")
                  .arg(QChar(CauseEffectMatrix::ImmediateMark)));
    const ManeuverProblemMarks marks(*model);
    table->setRowCount(int(matrix.causes().size()));
    table->setColumnCount(int(matrix.effects().size()));
    for (int c = 0; c < table->columnCount(); ++c) {
        auto *header = new QTableWidgetItem(matrix.effects().at(c).label);
        header->setToolTip(header->text());
        table->setHorizontalHeaderItem(c, header);
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        const CauseEffectMatrix::Cause &cause = matrix.causes().at(r);
        // One event per line keeps the rows narrow, leaving the width to the effects.
        QString label = cause.label;
        label.replace(QStringLiteral(" - "), QStringLiteral("\n"));
        if (!cause.zoneNames.isEmpty())
            label += QLatin1Char('\n') + cause.zoneNames;
        auto *header = new QTableWidgetItem(label);
        const QList<int> rowManeuvers = matrix.maneuvers(r);
        header->setIcon(marks.mark(rowManeuvers, style()));
        QStringList reasons;
        for (int k : rowManeuvers) {
            for (const QString &reason : marks.reasons(k)) {
                if (!reasons.contains(reason))
                    reasons << reason;
            }
        }
        header->setToolTip(reasons.join(QLatin1Char('\n')));
        table->setVerticalHeaderItem(r, header);
        for (int c = 0; c < table->columnCount(); ++c) {
            auto *cell = new QTableWidgetItem(matrix.cellText(r, c));
            cell->setTextAlignment(Qt::AlignCenter);
            const QList<int> inCell = matrix.maneuvers(r, c);
            if (!inCell.isEmpty()) {
                QStringList names;
                for (int k : inCell)
                    names << tr("Maneuver %1").arg(k + 1);
                cell->setToolTip(names.join(QStringLiteral(", ")));
                // A cell joins maneuvers that differ only in their delay; the shortest opens.
                cell->setData(ManeuverRole, inCell.first());
            }
            table->setItem(r, c, cell);
        }
    }
}

void MatrixView::cellDoubleClicked(int row, int column) {
    const QTableWidgetItem *cell = table->item(row, column);
    if (cell && cell->data(ManeuverRole).isValid())
        emit maneuverChosen(cell->data(ManeuverRole).toInt());
}

void MatrixView::changeEvent(QEvent *event) {
    // The descriptions come from the model in the language now loaded.
    if (event->type() == QEvent::LanguageChange)
        refresh();
    QDialog::changeEvent(event);
}
