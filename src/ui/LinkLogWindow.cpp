#include "ui/LinkLogWindow.h"

#include "model/FileWriting.h"
#include "ui/UserDialogs.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

LinkLogWindow::LinkLogWindow(QWidget *parent)
    : QDialog(parent)
    , summary(new QLabel(this))
    , table(new QTableWidget(0, 4, this))
    , saveButton(new QPushButton(this))
    , closeButton(new QPushButton(this)) {
    setObjectName(QStringLiteral("linkLogWindow"));
    table->setObjectName(QStringLiteral("linkLogTable"));
    saveButton->setObjectName(QStringLiteral("linkLogSaveButton"));
    summary->setObjectName(QStringLiteral("linkLogSummary"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    // One line per frame, each column as wide as its longest text (scrolling sideways).
    table->setWordWrap(false);
    table->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    table->verticalHeader()->setDefaultSectionSize(QFontMetrics(table->font()).height() + 6);
    connect(saveButton, &QPushButton::clicked, this, &LinkLogWindow::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(table, 1);
    layout->addLayout(buttons);
    resize(1100, 600);
    retranslate();
}

void LinkLogWindow::retranslate() {
    setWindowTitle(tr("Link log"));
    saveButton->setText(tr("Save..."));
    closeButton->setText(tr("Close"));
    table->setHorizontalHeaderLabels({tr("Time"), tr("Direction"), tr("Bytes"), tr("Meaning")});
    setTraces(shown);
}

QString LinkLogWindow::directionName(LinkTrace::Direction direction) {
    switch (direction) {
    case LinkTrace::Direction::Sent:
        return tr("sent");
    case LinkTrace::Direction::Received:
        return tr("received");
    case LinkTrace::Direction::Problem:
        break;
    }
    return tr("problem");
}

void LinkLogWindow::setTraces(const QList<LinkTrace> &traces) {
    shown = traces;
    table->setRowCount(0);
    QStringList transfers;
    for (const LinkTrace &trace : traces) {
        transfers << tr("%1, %2 frames").arg(trace.transfer()).arg(trace.entries().size());
        for (const LinkTrace::Entry &entry : trace.entries()) {
            const int row = table->rowCount();
            table->insertRow(row);
            const QString cells[] = {
                entry.time.toLocalTime().toString(QStringLiteral("HH:mm:ss.zzz")),
                directionName(entry.direction), LinkTrace::hex(entry), entry.meaning};
            for (int column = 0; column < 4; ++column)
                table->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    summary->setText(transfers.isEmpty()
                         ? tr("No transfer with the panel yet.")
                         : tr("Last panel command: %1").arg(transfers.join(QStringLiteral(", "))));
    saveButton->setEnabled(!traces.isEmpty());
    table->resizeColumnsToContents();
}

QString LinkLogWindow::text() const {
    QStringList parts;
    for (const LinkTrace &trace : shown)
        parts << trace.toText();
    return parts.join(QLatin1Char('\n'));
}

void LinkLogWindow::save() {
    const QString name = UserDialogs::current().saveFileName(
        this, tr("Save link log"), QStringLiteral("link-log.txt"), tr("Text files (*.txt)"));
    if (name.isEmpty())
        return;
    QString reason;
    if (!FileWriting::write(name, text().toUtf8(), &reason))
        UserDialogs::current().reportFailure(this, tr("Save link log"),
                                             tr("Could not save %1.").arg(name), reason);
}
