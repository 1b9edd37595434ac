#include "ManeuverText.h"
#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "model/ItemCodes.h"
#include "ui/DialogAddLogic.h"
#include "ui/MyActionsWidget.h"

#include <QtTest>
#include <QtWidgets>

namespace {

ManiobraConvencional maneuver(const QList<int> &events, int action) {
    ManiobraConvencional m;
    ItemCodes::toManeuver(events, action, &m);
    return m;
}

} // namespace

// The maneuver editor's limits, removal and change; the ways to create are
// tst_ManeuverCreation's.
class tst_MyActionsWidget : public QObject {
    Q_OBJECT

private:
    QTableWidget *table() { return editor->findChild<QTableWidget *>("tableWidget"); }
    void select(const char *tree, int code) {
        for (QTreeWidgetItemIterator it(editor->findChild<QTreeWidget *>(tree)); *it; ++it)
            if ((*it)->type() == code)
                (*it)->setSelected(true);
    }
    void setUpPanel(int zones) {
        core->num_zones = zones;
        editor->updateTrees();
        editor->refreshTable();
    }

    ScriptedDialogs *dialogs = nullptr;
    PanelCore *core = nullptr;
    MyActionsWidget *editor = nullptr;

private Q_SLOTS:
    void init() {
        dialogs = new ScriptedDialogs;
        core = new PanelCore;
        editor = new MyActionsWidget;
        editor->setPanelCore(core);
        editor->resize(800, 700);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }
    void cleanup() {
        delete editor;
        delete core;
        delete dialogs;
    }
    void create_refusedAtLimits_data();
    void create_refusedAtLimits();
    void remove_byKeyFirstChosenThenByButton();
    void modify_data();
    void modify();
};

void tst_MyActionsWidget::create_refusedAtLimits_data() {
    QTest::addColumn<int>("simple");
    QTest::addColumn<int>("logic");
    QTest::addColumn<int>("events"); // zones 1.. selected
    QTest::addColumn<QString>("message");
    QTest::newRow("thirteenEvents_refused") << 0 << 0 << 13 << "at most 12 events";
    QTest::newRow("simpleFull_oneEventRefused") << 28 << 0 << 1 << "maniobras simples";
    QTest::newRow("simpleFull_twoEventsCreated") << 28 << 39 << 2 << "";
    QTest::newRow("logicFull_twoEventsRefused") << 27 << 40 << 2 << "maniobras lógicas";
}

void tst_MyActionsWidget::create_refusedAtLimits() {
    QFETCH(int, simple);
    QFETCH(int, logic);
    QFETCH(int, events);
    QFETCH(QString, message);
    for (int i = 0; i < simple; ++i)
        core->addManeuver(maneuver({ItemCodes::zone(1)}, ItemCodes::Panel));
    for (int i = 0; i < logic; ++i)
        core->addManeuver(maneuver({ItemCodes::zone(1), ItemCodes::zone(2)}, ItemCodes::Panel));
    setUpPanel(12);
    for (int n = 1; n <= qMin(events, 12); ++n)
        select("eventsWidget", ItemCodes::zone(n));
    if (events > 12)
        select("eventsWidget", ItemCodes::Input);
    select("actionsWidget", ItemCodes::Sounder1);
    editor->slotCreateSelectedAction();
    QCOMPARE(dialogs->messages.size(), message.isEmpty() ? 0 : 1);
    QVERIFY2(dialogs->messages.value(0).contains(message), qPrintable(dialogs->messages.value(0)));
    QCOMPARE(table()->rowCount(), simple + logic + (message.isEmpty() ? 1 : 0));
}

void tst_MyActionsWidget::remove_byKeyFirstChosenThenByButton() {
    for (int n = 1; n <= 4; ++n)
        core->addManeuver(maneuver({ItemCodes::zone(n)}, ItemCodes::Panel));
    setUpPanel(4);
    table()->setSelectionMode(QAbstractItemView::MultiSelection);
    table()->selectRow(0);
    table()->selectRow(2);
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Delete); // removes the first chosen, selects the new one
    table()->clearSelection();
    table()->selectRow(2); // the last row: the previous is selected after
    QTest::mouseClick(editor->findChild<QPushButton *>("pushButtonDel"), Qt::LeftButton);
    QList<int> zones;
    for (const ManiobraConvencional &m : core->maneuvers)
        zones << m.events.first().evt_blk_prt;
    QCOMPARE(zones, (QList<int>{2, 3}));
    QCOMPARE(table()->rowCount(), 2);
    const QModelIndexList rows = table()->selectionModel()->selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().row(), 1);
}

void tst_MyActionsWidget::modify_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ok_storesChangedDelay") << true << "2.3.2.5 | 1.0.1.3 14";
    QTest::newRow("cancel_changesNothing") << false << "2.3.2.5 | 1.0.1.3 40";
}

void tst_MyActionsWidget::modify() {
    QFETCH(bool, accept);
    QFETCH(QString, expected);
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
    const QPoint at = table()->visualItemRect(table()->item(1, 1)).center();
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, at); // Qt's double-click
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(shown);
    QCOMPARE(maneuverText(core->maneuvers.at(1)), expected);
    QCOMPARE(maneuverText(core->maneuvers.at(0)), QStringLiteral("2.1.2.2 | 1.1.1.3 0"));
    QCOMPARE(table()->item(1, 1)->text().endsWith(accept ? "7s" : "20s"), true);
}

QTEST_MAIN(tst_MyActionsWidget)
#include "tst_MyActionsWidget.moc"
