#include "ItemCodes.h"
#include "MyActionsWidget.h"
#include "PanelCore.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

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

} // namespace

class tst_MyActionsWidget : public QObject {
    Q_OBJECT

private:
    QTreeWidget *tree(const char *name) { return editor->findChild<QTreeWidget *>(name); }

    PanelCore *core = nullptr;
    MyActionsWidget *editor = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void trees_data();
    void trees();
    void refreshTable_rowsInModelOrder();
    void form_hasItsFixedParts();
};

void tst_MyActionsWidget::init() {
    core = new PanelCore;
    editor = new MyActionsWidget;
    editor->setPanelCore(core);
}

void tst_MyActionsWidget::cleanup() {
    delete editor;
    delete core;
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
    auto *arrow = editor->findChild<QLabel *>("label");
    QVERIFY(!arrow->pixmap().isNull());
}

QTEST_MAIN(tst_MyActionsWidget)
#include "tst_MyActionsWidget.moc"
