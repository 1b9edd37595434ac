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
    QTreeWidget *actions = tree("actionsWidget");
    QCOMPARE(actions->topLevelItemCount() + actions->topLevelItem(0)->childCount(), 3);
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
    const auto row = [](const char *name, int simple, int logic, const QList<int> &events,
                        int action, const char *message) {
        QTest::newRow(name) << simple << logic << events << action << QString(message);
    };
    const int sounder = ItemCodes::Sounder1;
    row("noEvent_asksForEvent", 0, 0, {}, sounder,
        "Please select one event source from the event tree");
    row("noAction_asksForAction", 0, 0, one, 0, "Please select one action from the action tree");
    row("thirteenEvents_refused", 0, 0, twelve + QList<int>{ItemCodes::Input}, sounder,
        "A maneuver can have at most 12 events; 13 are selected.");
    row("twelveEvents_created", 0, 0, twelve, sounder, "");
    row("simpleFull_oneEventRefused", 28, 0, one, sounder,
        "Limite máximo maniobras simples permitidas: 28");
    row("simpleFull_twoEventsCreated", 28, 39, two, sounder, "");
    row("logicFull_twoEventsRefused", 27, 40, two, sounder,
        "Limite máximo maniobras lógicas permitidas: 40");
    row("logicFull_oneEventCreated", 27, 40, one, sounder, "");
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
