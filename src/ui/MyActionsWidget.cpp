#include "MyActionsWidget.h"
#include "ui_MyActionsWidget.h"

#include "ActionTreeWidget.h"
#include "ItemCodes.h"
#include "ManeuverDescription.h"
#include "PanelCore.h"

#include <QHeaderView>

namespace {

constexpr int TreeColumnWidth = 150;
constexpr int PanelSounders = 2;

QIcon boardIcon(quint8 type) {
    if (type == Element::SounderBoard)
        return QIcon(QStringLiteral(":/icons/icons/i_sounder.png"));
    if (type == Element::RelayBoard)
        return QIcon(QStringLiteral(":/icons/icons/i_io.png"));
    return {};
}

QTreeWidgetItem *addItem(QTreeWidgetItem *parent, const QString &text, int code,
                         Qt::ItemFlags flags, const QString &icon = {}) {
    auto *item = new QTreeWidgetItem(parent, QStringList(text), code);
    item->setFlags(flags);
    if (!icon.isEmpty())
        item->setIcon(0, QIcon(icon));
    return item;
}

} // namespace

MyActionsWidget::MyActionsWidget(QWidget *parent)
    : QWidget(parent)
    , actionTree(new ActionTreeWidget(this))
    , ui(new Ui::MyActionsWidget) {
    ui->setupUi(this);
    actionTree->setObjectName(QStringLiteral("actionsWidget"));
    ui->layoutOutputs->addWidget(actionTree);
    ui->labelFilter->clear();
    ui->labelFilter->hide();
    ui->pushButtonAdd->hide();

    setUpTree(ui->eventsWidget);
    setUpTree(actionTree);
    ui->eventsWidget->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ui->eventsWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->eventsWidget->setDragEnabled(true);
    ui->eventsWidget->setDropIndicatorShown(false);
    ui->eventsWidget->setDragDropMode(QAbstractItemView::DragOnly);
    actionTree->setSelectionMode(QAbstractItemView::SingleSelection);
    actionTree->setDragDropMode(QAbstractItemView::DropOnly);

    QTableWidget *table = ui->tableWidget;
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setAlternatingRowColors(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

MyActionsWidget::~MyActionsWidget() {
    delete ui;
}

void MyActionsWidget::setUpTree(QTreeWidget *tree) {
    tree->setColumnCount(1);
    tree->setColumnWidth(0, TreeColumnWidth);
    tree->setHeaderHidden(true);
    tree->setAlternatingRowColors(true);
    tree->setExpandsOnDoubleClick(false);
    QPalette palette = tree->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::Highlight, QBrush(Qt::blue, Qt::SolidPattern));
    tree->setPalette(palette);
}

void MyActionsWidget::updateTrees() {
    ui->eventsWidget->clear();
    actionTree->clear();
    buildEventTree();
    const bool usable = core->num_zones != 0;
    for (QWidget *w :
         {static_cast<QWidget *>(ui->eventsWidget), static_cast<QWidget *>(actionTree),
          static_cast<QWidget *>(ui->pushButtonAdd), static_cast<QWidget *>(ui->pushButtonDel),
          static_cast<QWidget *>(ui->pushButtonMod)})
        w->setEnabled(usable);
    buildActionTree();
}

void MyActionsWidget::buildEventTree() {
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsEnabled;
    auto *panel = new QTreeWidgetItem(ui->eventsWidget, QStringList(tr("Panel")), ItemCodes::Panel);
    panel->setFlags(flags);
    panel->setIcon(0, QIcon(QStringLiteral(":/icons/icons/i_convpanel.png")));
    // Zone items have codes for 16 zones only; no panel has more than 12.
    const int zones = qMin<int>(core->num_zones, ItemCodes::MaxZoneItems);
    for (int n = 1; n <= zones; ++n)
        addItem(panel, tr("Zone") + QString::number(n), ItemCodes::zone(n), flags,
                QStringLiteral(":/icons/icons/i_zona.png"));
    addItem(panel, tr("Input"), ItemCodes::Input, flags);
    panel->setExpanded(true);
}

void MyActionsWidget::buildActionTree() {
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsDropEnabled | Qt::ItemIsEnabled;
    const QString sounderIcon = QStringLiteral(":/icons/icons/i_sounder.png");
    auto *panel = new QTreeWidgetItem(actionTree, QStringList(tr("Panel")), ItemCodes::Panel);
    panel->setFlags(flags);
    panel->setIcon(0, QIcon(QStringLiteral(":/icons/icons/i_convpanel.png")));
    const int panelSounderCodes[PanelSounders] = {ItemCodes::Sounder1, ItemCodes::Sounder2};
    for (int j = 1; j <= PanelSounders; ++j)
        addItem(panel, tr("Sirena") + QStringLiteral(" ") + QString::number(j),
                panelSounderCodes[j - 1], flags, sounderIcon);
    panel->setExpanded(true);

    // Boards are packed from slot 0; the first empty slot ends them.
    for (int slot = 0; slot < PanelCore::ElementSlots; ++slot) {
        const Element &board = core->elements[slot];
        if (board.type == Element::Empty)
            break;
        auto *item = new QTreeWidgetItem(
            actionTree, QStringList(tr("Aux Module ") + QString::number(board.address + 1)), 0);
        item->setFlags(Qt::ItemIsEnabled);
        item->setIcon(0, boardIcon(board.type));
        const bool sounders = board.type == Element::SounderBoard;
        const QString output = sounders ? tr("Sirena") : tr("Rele");
        const QString icon = sounders ? sounderIcon : QStringLiteral(":/icons/icons/i_io.png");
        for (int j = 1; j <= ItemCodes::BoardOutputs; ++j)
            addItem(item, output + QStringLiteral(" ") + QString::number(j),
                    ItemCodes::boardOutput(slot, j), flags, icon);
        item->setExpanded(true);
    }
}

void MyActionsWidget::refreshTable() {
    QTableWidget *table = ui->tableWidget;
    table->setRowCount(0);
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    for (int k = 0; k < core->maneuvers.size(); ++k) {
        ManiobraConvencional maneuver;
        core->getManeuver(k, maneuver);
        const int row = table->rowCount();
        table->insertRow(row);
        auto *event = new QTableWidgetItem(eventDescription(maneuver), k);
        auto *action = new QTableWidgetItem(actionDescription(maneuver), k);
        event->setFlags(flags);
        action->setFlags(flags);
        table->setItem(row, 0, event);
        table->setItem(row, 1, action);
    }
}

void MyActionsWidget::retranslate() {
    ui->retranslateUi(this);
    ui->labelFilter->clear();
    // Tree and table texts come from the model, so they are rebuilt in the new language.
    updateTrees();
    refreshTable();
}
