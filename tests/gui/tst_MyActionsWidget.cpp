#include "ManeuverText.h"
#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "model/ItemCodes.h"
#include "ui/DialogAddLogic.h"
#include "ui/MyActionsWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// "text:code" for an item and its children, depth first.
QStringList describe(QTreeWidgetItem *item) {
    QStringList out{QStringLiteral("%1:%2").arg(item->text(0)).arg(item->type(), 0, 16)};
    for (int i = 0; i < item->childCount(); ++i)
        out += describe(item->child(i));
    return out;
}

QStringList describe(QTreeWidget *tree) {
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        out += describe(tree->topLevelItem(i));
    return out;
}

ManiobraConvencional maneuver(const QList<int> &events, int action) {
    ManiobraConvencional m;
    ItemCodes::toManeuver(events, action, &m);
    return m;
}

QTreeWidgetItem *findCode(QTreeWidget *tree, int code) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->type() == code)
            return *it;
    }
    return nullptr;
}

// Runs `script` on the maneuver dialog once it is open and modal.
void onDialog(const std::function<void(DialogAddLogic *)> &script) {
    QTimer::singleShot(0, [script] {
        auto *dialog = qobject_cast<DialogAddLogic *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        script(dialog);
    });
}

} // namespace

class tst_MyActionsWidget : public QObject {
    Q_OBJECT

private:
    QTreeWidget *tree(const char *name) { return editor->findChild<QTreeWidget *>(name); }
    QTableWidget *table() { return editor->findChild<QTableWidget *>("tableWidget"); }
    void setUpPanel(int zones);
    void selectEvents(const QList<int> &codes);
    void doubleClickAction(int code);
    void dropOnAction(int code);
    QStringList rows();

    ScriptedDialogs *dialogs = nullptr;
    PanelCore *core = nullptr;
    MyActionsWidget *editor = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void trees_data();
    void trees();
    void refreshTable_rowsInModelOrder();
    void form_hasItsFixedParts();
    void create_bySelectionAndDoubleClick_data();
    void create_bySelectionAndDoubleClick();
    void create_byDrop_equalsDoubleClick();
    void create_refused_data();
    void create_refused();
    void remove_data();
    void remove();
    void modify_data();
    void modify();
};

void tst_MyActionsWidget::init() {
    dialogs = new ScriptedDialogs;
    core = new PanelCore;
    editor = new MyActionsWidget;
    editor->setPanelCore(core);
    editor->resize(800, 700);
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor));
}

void tst_MyActionsWidget::cleanup() {
    delete editor;
    delete core;
    delete dialogs;
}

void tst_MyActionsWidget::setUpPanel(int zones) {
    core->num_zones = zones;
    editor->updateTrees();
    editor->refreshTable();
}

void tst_MyActionsWidget::selectEvents(const QList<int> &codes) {
    for (int code : codes) {
        QTreeWidgetItem *item = findCode(tree("eventsWidget"), code);
        QVERIFY2(item, qPrintable(QString::number(code, 16)));
        item->setSelected(true);
    }
}

void tst_MyActionsWidget::doubleClickAction(int code) {
    QTreeWidget *actions = tree("actionsWidget");
    QTreeWidgetItem *item = findCode(actions, code);
    QVERIFY(item);
    const QPoint at = actions->visualItemRect(item).center();
    // A double-click is a press, release, press that Qt turns into a double-click.
    QTest::mouseClick(actions->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(actions->viewport(), Qt::LeftButton, {}, at);
}

void tst_MyActionsWidget::dropOnAction(int code) {
    QTreeWidget *events = tree("eventsWidget");
    QTreeWidget *actions = tree("actionsWidget");
    QTreeWidgetItem *item = findCode(actions, code);
    QVERIFY(item);
    // What the event tree hands to a drag of its selected items.
    std::unique_ptr<QMimeData> data(
        events->model()->mimeData(events->selectionModel()->selectedIndexes()));
    const QPoint at = actions->visualItemRect(item).center();
    // Shift asks for a move; the source would then delete what it dragged.
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, data.get(), Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(actions->viewport(), &enter);
    QDragMoveEvent move(at, offered, data.get(), Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(actions->viewport(), &move);
    QVERIFY(move.isAccepted());
    QDropEvent drop(at, offered, data.get(), Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(actions->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
}

QStringList tst_MyActionsWidget::rows() {
    QStringList out;
    for (int row = 0; row < table()->rowCount(); ++row)
        out << table()->item(row, 0)->text() + QStringLiteral(" => ") +
                   table()->item(row, 1)->text();
    return out;
}

void tst_MyActionsWidget::trees_data() {
    QTest::addColumn<int>("zones");
    QTest::addColumn<QList<int>>("boards");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("actions");

    const QStringList panelActions{"Panel:4000", "Sirena 1:4001", "Sirena 2:4002"};
    QTest::newRow("noZones_panelAndInputOnly")
        << 0 << QList<int>{0, 0, 0} << QStringList{"Panel:4000", "Input:4004"} << panelActions;
    QTest::newRow("relayFirst_gapHidesThirdBoard")
        << 2 << QList<int>{2, 0, 1}
        << QStringList{"Panel:4000", "Zone1:2000", "Zone2:2001", "Input:4004"}
        << panelActions + QStringList{"Aux Module 1:0", "Rele 1:1000", "Rele 2:1001", "Rele 3:1002",
                                      "Rele 4:1003"};
    QTest::newRow("twelveZonesTwoBoards_codesPerSlot")
        << 12 << QList<int>{1, 2, 0}
        << QStringList{"Panel:4000",  "Zone1:2000",  "Zone2:2001",  "Zone3:2002", "Zone4:2003",
                       "Zone5:2004",  "Zone6:2005",  "Zone7:2006",  "Zone8:2007", "Zone9:2008",
                       "Zone10:2009", "Zone11:200a", "Zone12:200b", "Input:4004"}
        << panelActions + QStringList{"Aux Module 1:0", "Sirena 1:1000", "Sirena 2:1001",
                                      "Sirena 3:1002",  "Sirena 4:1003", "Aux Module 2:0",
                                      "Rele 1:1010",    "Rele 2:1011",   "Rele 3:1012",
                                      "Rele 4:1013"};
}

void tst_MyActionsWidget::trees() {
    QFETCH(int, zones);
    QFETCH(QList<int>, boards);
    QFETCH(QStringList, events);
    QFETCH(QStringList, actions);

    core->num_zones = zones;
    for (int slot = 0; slot < 3; ++slot)
        core->elements[slot].type = quint8(boards.at(slot));
    editor->updateTrees();
    editor->updateTrees(); // rebuilt, not appended

    QCOMPARE(describe(tree("eventsWidget")), events);
    QCOMPARE(describe(tree("actionsWidget")), actions);
    const bool usable = zones != 0;
    QCOMPARE(tree("eventsWidget")->isEnabled(), usable);
    QCOMPARE(tree("actionsWidget")->isEnabled(), usable);
    QCOMPARE(editor->findChild<QPushButton *>("pushButtonDel")->isEnabled(), usable);
    QCOMPARE(editor->findChild<QPushButton *>("pushButtonMod")->isEnabled(), usable);

    // Board items cannot be chosen as an output; their outputs can.
    QTreeWidget *actionTree = tree("actionsWidget");
    for (int i = 1; i < actionTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *board = actionTree->topLevelItem(i);
        QVERIFY(!(board->flags() & Qt::ItemIsSelectable));
        QVERIFY(!board->icon(0).isNull());
        QVERIFY(board->child(0)->flags() & Qt::ItemIsDropEnabled);
    }
    QVERIFY(tree("eventsWidget")->topLevelItem(0)->flags() & Qt::ItemIsDragEnabled);
}

void tst_MyActionsWidget::refreshTable_rowsInModelOrder() {
    core->num_zones = 4;
    core->addManeuver(maneuver({ItemCodes::zone(3), ItemCodes::Input}, ItemCodes::Sounder2));
    core->addManeuver(maneuver({ItemCodes::zone(1)}, ItemCodes::Panel));
    editor->refreshTable();
    editor->refreshTable();

    auto *table = editor->findChild<QTableWidget *>("tableWidget");
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 0)->text(),
             QStringLiteral("Cualquier alarma en zona 3 - Entrada auxiliar ON"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Activar sirena 2 del panel"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("Activar sirenas del panel"));
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            QCOMPARE(table->item(row, column)->type(), row);
            QVERIFY(!(table->item(row, column)->flags() & Qt::ItemIsEditable));
        }
    }

    core->removeManeuver(0);
    editor->refreshTable();
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 0)->type(), 0);
}

void tst_MyActionsWidget::form_hasItsFixedParts() {
    QVERIFY(editor->findChild<QPushButton *>("pushButtonAdd")->isHidden());
    auto *table = editor->findChild<QTableWidget *>("tableWidget");
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Event"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Action"));
    QCOMPARE(tree("eventsWidget")->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(tree("actionsWidget")->selectionMode(), QAbstractItemView::SingleSelection);
    auto *arrow = editor->findChild<QToolButton *>("toolButtonCreate");
    QVERIFY(!arrow->icon().isNull());
}

void tst_MyActionsWidget::create_bySelectionAndDoubleClick_data() {
    QTest::addColumn<QList<int>>("events");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("row");

    QTest::newRow("zone3AndInput_sounder2_logicManeuver")
        << QList<int>{ItemCodes::zone(3), ItemCodes::Input} << ItemCodes::Sounder2
        << "2.3.2.2 5.1.5.2 | 1.2.1.3 0"
        << "Cualquier alarma en zona 3 - Entrada auxiliar ON => Activar sirena 2 del panel";
    QTest::newRow("panelAsAction_allSounders")
        << QList<int>{ItemCodes::zone(1)} << ItemCodes::Panel << "2.1.2.2 | 1.0.1.3 0"
        << "Cualquier alarma en zona 1 => Activar sirenas del panel";
    QTest::newRow("inputThenZone_selectionOrderKept")
        << QList<int>{ItemCodes::Input, ItemCodes::Panel, ItemCodes::zone(2)} << ItemCodes::Sounder1
        << "5.1.5.2 2.0.2.2 2.2.2.2 | 1.1.1.3 0"
        << "Entrada auxiliar ON - Cualquier alarma en panel - Cualquier alarma en zona 2 => "
           "Activar sirena 1 del panel";
}

void tst_MyActionsWidget::create_bySelectionAndDoubleClick() {
    QFETCH(QList<int>, events);
    QFETCH(int, action);
    QFETCH(QString, expected);
    QFETCH(QString, row);

    setUpPanel(4);
    selectEvents(events);
    doubleClickAction(action);

    QCOMPARE(dialogs->messages, QStringList());
    QCOMPARE(core->maneuvers.size(), 1);
    QCOMPARE(maneuverText(core->maneuvers.first()), expected);
    QCOMPARE(rows(), QStringList{row});
    QVERIFY(tree("eventsWidget")->selectedItems().isEmpty());
    QVERIFY(tree("actionsWidget")->selectedItems().isEmpty());
}

void tst_MyActionsWidget::create_byDrop_equalsDoubleClick() {
    setUpPanel(4);
    const QList<int> events{ItemCodes::zone(2), ItemCodes::Input};
    selectEvents(events);
    doubleClickAction(ItemCodes::Sounder1);
    selectEvents(events);
    dropOnAction(ItemCodes::Sounder1);

    QCOMPARE(dialogs->messages, QStringList());
    QCOMPARE(core->maneuvers.size(), 2);
    QCOMPARE(maneuverText(core->maneuvers.at(1)), maneuverText(core->maneuvers.at(0)));
    QCOMPARE(maneuverText(core->maneuvers.at(1)), QStringLiteral("2.2.2.2 5.1.5.2 | 1.1.1.3 0"));
    // The dropped items are a request, not new outputs.
    QCOMPARE(describe(tree("actionsWidget")),
             (QStringList{"Panel:4000", "Sirena 1:4001", "Sirena 2:4002"}));
    QCOMPARE(describe(tree("eventsWidget")).size(), 6);
}

void tst_MyActionsWidget::create_refused_data() {
    QTest::addColumn<int>("simple");
    QTest::addColumn<int>("logic");
    QTest::addColumn<QList<int>>("events");
    QTest::addColumn<int>("action"); // 0: none selected
    QTest::addColumn<QString>("message");

    QList<int> twelve;
    for (int n = 1; n <= 12; ++n)
        twelve << ItemCodes::zone(n);
    const QList<int> one{ItemCodes::zone(1)};
    const QList<int> two{ItemCodes::zone(1), ItemCodes::zone(2)};

    QTest::newRow("noEvent_asksForEvent") << 0 << 0 << QList<int>{} << ItemCodes::Sounder1
                                          << "Please select one event source from the event tree";
    QTest::newRow("noAction_asksForAction")
        << 0 << 0 << one << 0 << "Please select one action from the action tree";
    QTest::newRow("thirteenEvents_refused")
        << 0 << 0 << twelve + QList<int>{ItemCodes::Input} << ItemCodes::Sounder1
        << "A maneuver can have at most 12 events; 13 are selected.";
    QTest::newRow("twelveEvents_created") << 0 << 0 << twelve << ItemCodes::Sounder1 << "";
    QTest::newRow("simpleFull_oneEventRefused") << 28 << 0 << one << ItemCodes::Sounder1
                                                << "Limite máximo maniobras simples permitidas: 28";
    QTest::newRow("simpleFull_twoEventsCreated") << 28 << 39 << two << ItemCodes::Sounder1 << "";
    QTest::newRow("logicFull_twoEventsRefused") << 27 << 40 << two << ItemCodes::Sounder1
                                                << "Limite máximo maniobras lógicas permitidas: 40";
    QTest::newRow("logicFull_oneEventCreated") << 27 << 40 << one << ItemCodes::Sounder1 << "";
}

void tst_MyActionsWidget::create_refused() {
    QFETCH(int, simple);
    QFETCH(int, logic);
    QFETCH(QList<int>, events);
    QFETCH(int, action);
    QFETCH(QString, message);

    for (int i = 0; i < simple; ++i)
        core->addManeuver(maneuver({ItemCodes::zone(1)}, ItemCodes::Panel));
    for (int i = 0; i < logic; ++i)
        core->addManeuver(maneuver({ItemCodes::zone(1), ItemCodes::zone(2)}, ItemCodes::Panel));
    setUpPanel(12);
    selectEvents(events);
    if (action != 0)
        findCode(tree("actionsWidget"), action)->setSelected(true);
    editor->slotCreateSelectedAction();

    const bool created = message.isEmpty();
    QCOMPARE(dialogs->messages, created ? QStringList() : QStringList{message});
    QCOMPARE(core->maneuvers.size(), simple + logic + (created ? 1 : 0));
    QCOMPARE(table()->rowCount(), core->maneuvers.size());
    if (created)
        QCOMPARE(core->maneuvers.last().events.size(), events.size());
}

void tst_MyActionsWidget::remove_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("selected"); // rows, in selection order
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QList<int>>("zonesLeft"); // the zone of each remaining maneuver
    QTest::addColumn<int>("selectedAfter");    // -1: nothing

    QTest::newRow("button_lastRow_selectsPrevious")
        << 3 << QList<int>{2} << false << QList<int>{1, 2} << 1;
    QTest::newRow("key_firstRow_selectsNewFirst")
        << 3 << QList<int>{0} << true << QList<int>{2, 3} << 0;
    QTest::newRow("button_onlyRow_emptyAndNothingSelected")
        << 1 << QList<int>{0} << false << QList<int>{} << -1;
    QTest::newRow("key_twoSelected_removesFirstChosenOnly")
        << 3 << QList<int>{2, 0} << true << QList<int>{1, 2} << 1;
    QTest::newRow("button_nothingSelected_nothingRemoved")
        << 2 << QList<int>{} << false << QList<int>{1, 2} << -1;
}

void tst_MyActionsWidget::remove() {
    QFETCH(int, count);
    QFETCH(QList<int>, selected);
    QFETCH(bool, byKey);
    QFETCH(QList<int>, zonesLeft);
    QFETCH(int, selectedAfter);

    for (int n = 1; n <= count; ++n)
        core->addManeuver(maneuver({ItemCodes::zone(n)}, ItemCodes::Panel));
    setUpPanel(4);
    table()->setSelectionMode(QAbstractItemView::MultiSelection);
    for (int row : selected)
        table()->selectRow(row);
    if (byKey) {
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_Delete);
    } else {
        QTest::mouseClick(editor->findChild<QPushButton *>("pushButtonDel"), Qt::LeftButton);
    }

    QList<int> zones;
    for (const ManiobraConvencional &m : core->maneuvers)
        zones << m.events.first().evt_blk_prt;
    QCOMPARE(zones, zonesLeft);
    QCOMPARE(table()->rowCount(), zonesLeft.size());
    QList<int> rowsSelected;
    for (const QModelIndex &index : table()->selectionModel()->selectedRows())
        rowsSelected << index.row();
    QCOMPARE(rowsSelected, selectedAfter < 0 ? QList<int>() : QList<int>{selectedAfter});
}

void tst_MyActionsWidget::modify_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("row");

    QTest::newRow("ok_storesChangedDelay")
        << true << "2.3.2.5 | 1.0.1.3 14"
        << "Alarma de detector en zona 3 => Activar sirenas del panel  con retardo de 7s";
    QTest::newRow("cancel_changesNothing")
        << false << "2.3.2.5 | 1.0.1.3 40"
        << "Alarma de detector en zona 3 => Activar sirenas del panel  con retardo de 20s";
}

void tst_MyActionsWidget::modify() {
    QFETCH(bool, accept);
    QFETCH(QString, expected);
    QFETCH(QString, row);

    core->addManeuver(maneuver({ItemCodes::zone(1)}, ItemCodes::Sounder1));
    core->addManeuver(maneuverFromText(QStringLiteral("2.3.2.5 | 1.0.1.3 40")));
    setUpPanel(4);

    // Nothing selected: no dialog.
    QTest::mouseClick(editor->findChild<QPushButton *>("pushButtonMod"), Qt::LeftButton);

    bool shown = false;
    onDialog([&](DialogAddLogic *dialog) {
        shown = true;
        dialog->findChild<QSpinBox *>("spinBoxLogDelay")->setValue(7);
        dialog->findChild<QComboBox *>("comboBoxLogAction")->setCurrentIndex(1);
        if (accept) {
            dialog->findChild<QComboBox *>("comboBoxLogAction")->setCurrentIndex(0);
            dialog->accept();
        } else {
            dialog->findChild<QComboBox *>("comboBoxSourceType")->setCurrentIndex(1);
            dialog->reject();
        }
    });
    const QPoint at = table()->visualItemRect(table()->item(1, 1)).center();
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, at);

    QVERIFY(shown);
    QCOMPARE(core->maneuvers.size(), 2);
    QCOMPARE(maneuverText(core->maneuvers.at(1)), expected);
    QCOMPARE(maneuverText(core->maneuvers.at(0)), QStringLiteral("2.1.2.2 | 1.1.1.3 0"));
    QCOMPARE(rows().at(1), row);
}

QTEST_MAIN(tst_MyActionsWidget)
#include "tst_MyActionsWidget.moc"
