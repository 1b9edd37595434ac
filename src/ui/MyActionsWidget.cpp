#include "ui/MyActionsWidget.h"
#include "ui_MyActionsWidget.h"

#include "images/ConfigurationCheck.h"
#include "link/PanelCore.h"
#include "model/ConfigurationFields.h"
#include "model/ItemCodes.h"
#include "model/ManeuverCodes.h"
#include "model/ManeuverDescription.h"
#include "ui/ActionTreeWidget.h"
#include "ui/DialogAddLogic.h"
#include "ui/ManeuverProblemMarks.h"
#include "ui/UserDialogs.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

namespace {

constexpr int TreeColumnWidth = 150;

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
    table->installEventFilter(this);

    connect(ui->pushButtonDel, &QPushButton::clicked, this, &MyActionsWidget::slotRemoveAction);
    connect(ui->pushButtonMod, &QPushButton::clicked, this, &MyActionsWidget::slotModify);
    connect(actionTree, &QTreeWidget::itemDoubleClicked, this,
            &MyActionsWidget::actionTreeDoubleClickedSlot);
    connect(table, &QTableWidget::itemDoubleClicked, this,
            &MyActionsWidget::tableDoubleClickedSlot);
    connect(actionTree, &ActionTreeWidget::createEvent, this,
            &MyActionsWidget::actionTreeDoubleClickedSlot);
    setUpCreationAids();
}

void MyActionsWidget::setUpCreationAids() {
    // The arrow, Enter in either tree and the outputs' menu ask for a maneuver as a drop does.
    connect(ui->toolButtonCreate, &QToolButton::clicked, this,
            &MyActionsWidget::slotCreateSelectedAction);
    ui->eventsWidget->installEventFilter(this);
    actionTree->installEventFilter(this);
    outputMenu = new QMenu(this);
    createFromInputs =
        outputMenu->addAction(QString(), this, &MyActionsWidget::slotCreateSelectedAction);
    createFromInputs->setObjectName(QStringLiteral("actionCreateFromInputs"));
    actionTree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(actionTree, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QTreeWidgetItem *output = actionTree->itemAt(at);
        if (!output || !(output->flags() & Qt::ItemIsSelectable))
            return;
        actionTree->setCurrentItem(output);
        createFromInputs->setEnabled(!ui->eventsWidget->selectedItems().isEmpty());
        outputMenu->popup(actionTree->viewport()->mapToGlobal(at));
    });
    // The hint keeps its line while hidden, so that the trees do not move under the mouse.
    QSizePolicy policy = ui->labelHint->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    ui->labelHint->setSizePolicy(policy);
    for (QTreeWidget *tree : {ui->eventsWidget, static_cast<QTreeWidget *>(actionTree)})
        connect(tree, &QTreeWidget::itemSelectionChanged, this, [this] {
            ui->labelHint->setVisible(ui->eventsWidget->selectedItems().isEmpty() &&
                                      actionTree->selectedItems().isEmpty());
        });
    retranslateCreationAids();
}

void MyActionsWidget::retranslateCreationAids() {
    createFromInputs->setText(tr("Create a maneuver from the selected inputs"));
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
          static_cast<QWidget *>(ui->toolButtonCreate), static_cast<QWidget *>(ui->pushButtonAdd),
          static_cast<QWidget *>(ui->pushButtonDel), static_cast<QWidget *>(ui->pushButtonMod)})
        w->setEnabled(usable);
    buildActionTree();
    // Zones and boards changed: a maneuver may now point at something the panel lacks.
    markProblems();
}

void MyActionsWidget::buildEventTree() {
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsEnabled;
    auto *panel = new QTreeWidgetItem(ui->eventsWidget, QStringList(tr("Panel")), ItemCodes::Panel);
    panel->setFlags(flags);
    panel->setIcon(0, QIcon(QStringLiteral(":/icons/icons/i_convpanel.png")));
    // Zone items have codes for 16 zones only; no panel has more than 12.
    const int zones = qMin<int>(core->num_zones, ItemCodes::MaxZoneItems);
    for (int n = 1; n <= zones; ++n) {
        QString text = tr("Zone") + QString::number(n);
        const QString name = core->zoneName(n);
        if (!name.isEmpty())
            text += QStringLiteral(" - ") + name;
        addItem(panel, text, ItemCodes::zone(n), flags, QStringLiteral(":/icons/icons/i_zona.png"));
    }
    addItem(panel, tr("Input"), ItemCodes::Input, flags);
    panel->setExpanded(true);
}

void MyActionsWidget::buildActionTree() {
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsDropEnabled | Qt::ItemIsEnabled;
    const QString sounderIcon = QStringLiteral(":/icons/icons/i_sounder.png");
    auto *panel = new QTreeWidgetItem(actionTree, QStringList(tr("Panel")), ItemCodes::Panel);
    panel->setFlags(flags);
    panel->setIcon(0, QIcon(QStringLiteral(":/icons/icons/i_convpanel.png")));
    const int panelSounderCodes[ManeuverCodes::PanelSounders] = {ItemCodes::Sounder1,
                                                                 ItemCodes::Sounder2};
    for (int j = 1; j <= ManeuverCodes::PanelSounders; ++j)
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
    markProblems();
}

void MyActionsWidget::markProblems() {
    QTableWidget *table = ui->tableWidget;
    const ManeuverProblemMarks marks(*core);
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList tip = marks.reasons(row);
        // The zones' names come first: the table keeps the fixed descriptions. (While a
        // new model is being shown the table may still hold the old one's rows.)
        const QString names = row < core->maneuvers.size()
                                  ? ConfigurationFields::zoneNamesUsed(*core, core->maneuvers[row])
                                  : QString();
        if (!names.isEmpty())
            tip.prepend(names);
        table->item(row, 0)->setIcon(marks.mark({row}, style()));
        for (int column = 0; column < table->columnCount(); ++column)
            table->item(row, column)->setToolTip(tip.join(QLatin1Char('\n')));
    }
}

QList<int> MyActionsWidget::selectedManeuvers() const {
    QList<int> indexes;
    for (const QTableWidgetItem *item : ui->tableWidget->selectedItems()) {
        if (!indexes.contains(item->type()))
            indexes << item->type();
    }
    return indexes;
}

void MyActionsWidget::slotRemoveAction() {
    const QList<int> selected = selectedManeuvers();
    if (selected.isEmpty())
        return;
    const int index = selected.first();
    core->removeManeuver(index);
    refreshTable();
    emit edited();
    QTableWidget *table = ui->tableWidget;
    const int next = qMax(index - 1, 0);
    if (next < table->rowCount())
        table->selectRow(next);
    table->setFocus();
}

void MyActionsWidget::slotModify() {
    const QList<int> selected = selectedManeuvers();
    if (!selected.isEmpty())
        modifyManeuver(selected.first());
}

void MyActionsWidget::modifyManeuver(int index) {
    ManiobraConvencional maneuver;
    if (!core->getManeuver(index, maneuver))
        return;
    DialogAddLogic dialog(this);
    dialog.setManeuverNumber(index + 1);
    dialog.setBoards(*core);
    dialog.loadManeuver(maneuver);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.storeManeuver(maneuver);
    core->setManeuver(index, maneuver);
    refreshTable();
    emit edited();
    ui->tableWidget->selectRow(index);
}

void MyActionsWidget::slotCreateSelectedAction() {
    QList<int> eventCodes;
    for (const QTreeWidgetItem *item : ui->eventsWidget->selectedItems())
        eventCodes << item->type();
    if (eventCodes.isEmpty()) {
        UserDialogs::current().inform(this, QString(),
                                      tr("Please select one event source from the event tree"));
        return;
    }
    const QList<QTreeWidgetItem *> actions = actionTree->selectedItems();
    if (actions.size() != 1) {
        UserDialogs::current().inform(this, QString(),
                                      tr("Please select one action from the action tree"));
        return;
    }
    // The selection stays, so that the user only has to deselect the extra events.
    if (eventCodes.size() > ConfigurationCheck::MaxEventsPerManeuver) {
        UserDialogs::current().inform(this, QString(),
                                      tr("A maneuver can have at most %1 events; %2 are selected.")
                                          .arg(ConfigurationCheck::MaxEventsPerManeuver)
                                          .arg(eventCodes.size()));
        return;
    }

    // Refused here rather than cut short on the way to the panel.
    int simple = 0;
    int logic = 0;
    core->countManeuvers(simple, logic);
    const bool isLogic = eventCodes.size() > 1;
    if (isLogic && logic >= ConfigurationCheck::MaxLogicManeuvers) {
        clearTreeSelections();
        UserDialogs::current().inform(this, QString(),
                                      tr("Limite máximo maniobras lógicas permitidas: ") +
                                          QString::number(ConfigurationCheck::MaxLogicManeuvers));
        return;
    }
    if (!isLogic && simple >= ConfigurationCheck::MaxSimpleManeuvers) {
        clearTreeSelections();
        UserDialogs::current().inform(this, QString(),
                                      tr("Limite máximo maniobras simples permitidas: ") +
                                          QString::number(ConfigurationCheck::MaxSimpleManeuvers));
        return;
    }

    ManiobraConvencional maneuver;
    if (returnManeouver(eventCodes, QString::number(actions.first()->type(), 16), &maneuver)) {
        core->addManeuver(maneuver);
        refreshTable();
        emit edited();
        ui->tableWidget->scrollToBottom();
    }
    clearTreeSelections();
}

void MyActionsWidget::clearTreeSelections() {
    ui->eventsWidget->clearSelection();
    actionTree->clearSelection();
}

void MyActionsWidget::actionTreeDoubleClickedSlot(QTreeWidgetItem *, int) {
    slotCreateSelectedAction();
}

void MyActionsWidget::tableDoubleClickedSlot(QTableWidgetItem *) {
    slotModify();
}

bool MyActionsWidget::returnManeouver(QList<int> eventList, QString actionIndex,
                                      ManiobraConvencional *maniobra) {
    bool ok = false;
    const int actionCode = actionIndex.toInt(&ok, 16);
    return ok && ItemCodes::toManeuver(eventList, actionCode, maniobra);
}

bool MyActionsWidget::eventFilter(QObject *watched, QEvent *event) {
    const bool tree = watched == ui->eventsWidget || watched == actionTree;
    if (tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            slotCreateSelectedAction();
            return true;
        }
    }
    if (watched == ui->tableWidget && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        slotRemoveAction();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MyActionsWidget::retranslate() {
    ui->retranslateUi(this);
    ui->labelFilter->clear();
    retranslateCreationAids();
    // Tree and table texts come from the model, so they are rebuilt in the new language.
    updateTrees();
    refreshTable();
}
