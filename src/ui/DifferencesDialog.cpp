#include "ui/DifferencesDialog.h"

#include "model/ConfigurationFields.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Columns = 5;
constexpr int FirstWrappedColumn = 2; // the setting or maneuver, before, after
constexpr int NarrowestWrapped = 120;
constexpr int DefaultHeight = 520;

// The width at which the wrapped columns together take no more than `budget`: the
// widest are narrowed first, each to no less than NarrowestWrapped.
int wrapWidth(QList<int> widths, int budget) {
    std::sort(widths.begin(), widths.end());
    int left = budget;
    for (int i = 0; i < widths.size(); ++i) {
        const int share = left / int(widths.size() - i);
        if (widths.at(i) > share)
            return std::max(share, NarrowestWrapped);
        left -= widths.at(i);
    }
    return widths.isEmpty() ? NarrowestWrapped : widths.last();
}

} // namespace

DifferencesDialog::DifferencesDialog(QWidget *parent, const QString &title, const QString &text,
                                     const QList<ConfigurationDifference> &differences,
                                     bool confirm)
    : QDialog(parent)
    , intro(new QLabel(text))
    , introArea(new QScrollArea(this))
    , table(new QTableWidget(int(differences.size()), Columns, this))
    , note(new QLabel(tr("The panel does not store the number of zones, the boards or the zone "
                         "names, so they are not compared."),
                      this))
    , buttons(new QDialogButtonBox(confirm ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                           : QDialogButtonBox::Close,
                                   this)) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("differencesDialog"));
    intro->setObjectName(QStringLiteral("differencesText"));
    intro->setWordWrap(true);
    intro->setTextInteractionFlags(Qt::TextSelectableByMouse);
    introArea->setObjectName(QStringLiteral("differencesTextArea"));
    introArea->setWidget(intro);
    introArea->setWidgetResizable(true);
    introArea->setFrameShape(QFrame::NoFrame);
    introArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setObjectName(QStringLiteral("differencesNote"));
    table->setObjectName(QStringLiteral("differencesTable"));
    table->setHorizontalHeaderLabels(
        {tr("Area"), tr("Change"), tr("Setting or maneuver"), tr("Before"), tr("After")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(true);
    table->verticalHeader()->hide();
    for (int row = 0; row < differences.size(); ++row) {
        const ConfigurationDifference &d = differences[row];
        const QString cells[] = {ConfigurationFields::areaName(d.area), kindName(d.kind), d.item,
                                 d.before, d.after};
        for (int column = 0; column < Columns; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(d.text());
            table->setItem(row, column, item);
        }
    }
    table->setVisible(!differences.isEmpty());
    if (confirm)
        buttons->button(QDialogButtonBox::Ok)->setText(tr("Write to panel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(introArea);
    layout->addWidget(table, 1);
    layout->addWidget(note);
    layout->addWidget(buttons);

    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    const QMargins margins = layout->contentsMargins();
    const int frame = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    const int outside = margins.left() + margins.right() + frame;
    const int width = std::max({fitColumns(available.width() * 9 / 10 - outside) + outside,
                                note->sizeHint().width() + margins.left() + margins.right(),
                                minimumSizeHint().width()});
    fitIntro(width - margins.left() - margins.right());
    const int height = differences.isEmpty() ? sizeHint().height() : DefaultHeight;
    resize(width, std::min(height, available.height() * 9 / 10));
}

int DifferencesDialog::fitColumns(int available) {
    // Each column as wide as its header and cells; where that is wider than the screen,
    // the long texts wrap onto more lines instead of going behind a scroll bar.
    table->resizeColumnsToContents();
    int fixed = 0;
    QList<int> wrapped;
    for (int column = 0; column < Columns; ++column) {
        const int natural = table->columnWidth(column);
        if (column < FirstWrappedColumn)
            fixed += natural;
        else
            wrapped << natural;
    }
    const int cap = wrapWidth(wrapped, available - fixed);
    int total = fixed;
    for (int column = FirstWrappedColumn; column < Columns; ++column) {
        table->setColumnWidth(column, std::min(table->columnWidth(column), cap));
        total += table->columnWidth(column);
    }
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeRowsToContents();
    return total;
}

void DifferencesDialog::fitIntro(int width) {
    // As tall as the text up to a third of the screen; a longer text scrolls there.
    const int most = screen()->availableGeometry().height() / 3;
    introArea->setFixedHeight(std::min(intro->heightForWidth(width), most));
}

void DifferencesDialog::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    fitIntro(introArea->width());
}

QString DifferencesDialog::kindName(ConfigurationDifference::Kind kind) {
    switch (kind) {
    case ConfigurationDifference::Kind::Added:
        return tr("added");
    case ConfigurationDifference::Kind::Removed:
        return tr("removed");
    case ConfigurationDifference::Kind::Changed:
        break;
    }
    return tr("changed");
}
