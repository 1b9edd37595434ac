#include "ManeuverText.h"
#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "model/ItemCodes.h"
#include "ui/DialogAddLogic.h"
#include "ui/MyActionsWidget.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

// "text:code" of every item, depth first.
QStringList describe(QTreeWidget *tree) {
    QStringList out;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        out << QStringLiteral("%1:%2").arg((*it)->text(0)).arg((*it)->type(), 0, 16);
    return out;
}

QTreeWidgetItem *findCode(QTreeWidget *tree, int code) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->type() == code)
            return *it;
    }
    return nullptr;
}

ManiobraConvencional maneuver(const QList<int> &events, int action) {
    ManiobraConvencional m;
    ItemCodes::toManeuver(events, action, &m);
    return m;
}

} // namespace

class tst_MyActionsWidget : public QObject {
    Q_OBJECT

private:
    QTreeWidget *tree(const char *name) { return editor->findChild<QTreeWidget *>(name); }
    QTableWidget *table() { return editor->findChild<QTableWidget *>("tableWidget"); }
    void setUpPanel(int zones) {
        core->num_zones = zones;
        editor->updateTrees();
        editor->refreshTable();
    }
    void selectEvents(const QList<int> &codes) {
        for (int code : codes)
            findCode(tree("eventsWidget"), code)->setSelected(true);
    }
    // A double-click is a press, release, press that Qt turns into a double-click.
    void doubleClick(QAbstractItemView *view, const QRect &item) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, item.center());
    }
    void dropOnAction(int code);
    QStringList rows() {
        QStringList out;
        for (int row = 0; row < table()->rowCount(); ++row)
            out << table()->item(row, 0)->text() + " => " + table()->item(row, 1)->text();
        return out;
    }

    ScriptedDialogs *dialogs = nullptr;
    PanelCore *core = nullptr;
    MyActionsWidget *editor = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void trees_data();
    void trees();
    void create_byDoubleClickOrDrop_data();
    void create_byDoubleClickOrDrop();
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

void tst_MyActionsWidget::dropOnAction(int code) {
    QTreeWidget *events = tree("eventsWidget");
    QTreeWidget *actions = tree("actionsWidget");
    // What the event tree hands to a drag of its selected items.
    std::unique_ptr<QMimeData> data(
        events->model()->mimeData(events->selectionModel()->selectedIndexes()));
    const QPoint at = actions->visualItemRect(findCode(actions, code)).center();
    // Shift asks for a move; the source would then delete what it dragged.
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, data.get(), Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(actions->viewport(), &enter);
    QDragMoveEvent move(at, offered, data.get(), Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(actions->viewport(), &move);
    QDropEvent drop(at, offered, data.get(), Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(actions->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
}

void tst_MyActionsWidget::trees_data() {
    QTest::addColumn<int>("zones");
    QTest::addColumn<QList<int>>("boards");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("actions");
    const QStringList panel{"Panel:4000", "Sirena 1:4001", "Sirena 2:4002"};
    QTest::newRow("relayThenSounders_gapHidesThirdBoard")
        << 2 << QList<int>{2, 1, 0}
        << QStringList{"Panel:4000", "Zone1:2000", "Zone2:2001", "Input:4004"}
        << panel + QStringList{"Aux Module 1:0", "Rele 1:1000",    "Rele 2:1001",   "Rele 3:1002",
                               "Rele 4:1003",    "Aux Module 2:0", "Sirena 1:1010", "Sirena 2:1011",
                               "Sirena 3:1012",  "Sirena 4:1013"};
    QTest::newRow("gap_thirdBoardNotOffered")
        << 2 << QList<int>{1, 0, 2}
        << QStringList{"Panel:4000", "Zone1:2000", "Zone2:2001", "Input:4004"}
        << panel + QStringList{"Aux Module 1:0", "Sirena 1:1000", "Sirena 2:1001", "Sirena 3:1002",
                               "Sirena 4:1003"};
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
    for (const char *name : {"eventsWidget", "actionsWidget", "pushButtonDel", "pushButtonMod"})
        QCOMPARE(editor->findChild<QWidget *>(name)->isEnabled(), zones != 0);
    // Board items cannot be chosen as an output; their outputs can.
    for (int i = 1; i < tree("actionsWidget")->topLevelItemCount(); ++i)
        QVERIFY(!(tree("actionsWidget")->topLevelItem(i)->flags() & Qt::ItemIsSelectable));
}

void tst_MyActionsWidget::create_byDoubleClickOrDrop_data() {
    QTest::addColumn<bool>("drop");
    QTest::newRow("double-click") << false;
    QTest::newRow("drop") << true;
}

void tst_MyActionsWidget::create_byDoubleClickOrDrop() {
    QFETCH(bool, drop);
    setUpPanel(4);
    selectEvents({ItemCodes::Input, ItemCodes::Panel, ItemCodes::zone(2)});
    if (drop) {
        dropOnAction(ItemCodes::Sounder1);
    } else {
        QTreeWidget *actions = tree("actionsWidget");
        doubleClick(actions, actions->visualItemRect(findCode(actions, ItemCodes::Sounder1)));
    }

    QCOMPARE(dialogs->messages, QStringList());
    QCOMPARE(core->maneuvers.size(), 1);
    QCOMPARE(maneuverText(core->maneuvers.first()),
             QStringLiteral("5.1.5.2 2.0.2.2 2.2.2.2 | 1.1.1.3 0")); // in selection order
    QCOMPARE(rows(), QStringList{"Entrada auxiliar ON - Cualquier alarma en panel - Cualquier "
                                 "alarma en zona 2 => Activar sirena 1 del panel"});
    QVERIFY(tree("eventsWidget")->selectedItems().isEmpty());
    QVERIFY(tree("actionsWidget")->selectedItems().isEmpty());
    // The dropped items are a request, not new outputs.
    QCOMPARE(describe(tree("actionsWidget")).size(), 3);
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
    QTest::newRow("key_twoSelected_removesFirstChosenSelectsNewFirst")
        << 3 << QList<int>{0, 2} << true << QList<int>{2, 3} << 0;
    QTest::newRow("button_onlyRow_nothingSelected")
        << 1 << QList<int>{0} << false << QList<int>{} << -1;
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
    QTest::mouseClick(editor->findChild<QPushButton *>("pushButtonMod"), Qt::LeftButton);
    QVERIFY(!QApplication::activeModalWidget()); // nothing selected: no dialog

    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<DialogAddLogic *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shown = true;
        dialog->findChild<QSpinBox *>("spinBoxLogDelay")->setValue(7);
        accept ? dialog->accept() : dialog->reject();
    });
    doubleClick(table(), table()->visualItemRect(table()->item(1, 1)));

    QVERIFY(shown);
    QCOMPARE(maneuverText(core->maneuvers.at(1)), expected);
    QCOMPARE(maneuverText(core->maneuvers.at(0)), QStringLiteral("2.1.2.2 | 1.1.1.3 0"));
    QCOMPARE(rows().at(1), row);
}

QTEST_MAIN(tst_MyActionsWidget)
#include "tst_MyActionsWidget.moc"
