#include "ui/DifferencesDialog.h"

#include "model/ConfigurationFields.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

DifferencesDialog::DifferencesDialog(QWidget *parent, const QString &title, const QString &text,
                                     const QList<ConfigurationDifference> &differences,
                                     bool confirm)
    : QDialog(parent)
    , intro(new QLabel(text, this))
    , table(new QTableWidget(int(differences.size()), 5, this))
    , buttons(new QDialogButtonBox(confirm ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                           : QDialogButtonBox::Close,
                                   this)) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("differencesDialog"));
    intro->setObjectName(QStringLiteral("differencesText"));
    intro->setWordWrap(true);
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
        for (int column = 0; column < 5; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(d.text());
            table->setItem(row, column, item);
        }
    }
    table->setVisible(!differences.isEmpty());
    // Long maneuver texts wrap onto more lines rather than being cut.
    table->resizeColumnsToContents();
    table->setColumnWidth(2, qMin(table->columnWidth(2), 440));
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeRowsToContents();
    if (confirm)
        buttons->button(QDialogButtonBox::Ok)->setText(tr("Write to panel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(table, 1);
    layout->addWidget(buttons);
    resize(860, differences.isEmpty() ? 160 : 520);
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
