#include "ManeuverText.h"
#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "model/ItemCodes.h"
#include "ui/MyActionsWidget.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

QTreeWidgetItem *findCode(QTreeWidget *tree, int code) {
    QTreeWidgetItemIterator it(tree);
    while (*it && (*it)->type() != code)
        ++it;
    return *it;
}

// One maneuver editor on its own panel: 12 zones, a relay and a sounder board.
struct Editor {
    Editor() {
        core.num_zones = 12;
        core.elements[0].type = Element::RelayBoard;
        core.elements[1].type = Element::SounderBoard;
        widget.setPanelCore(&core);
        widget.updateTrees();
        widget.refreshTable();
        widget.resize(800, 700);
        widget.show();
    }
    QTreeWidget *tree(const char *name) { return widget.findChild<QTreeWidget *>(name); }
    void selectEvents(const QList<int> &codes) {
        for (int code : codes)
            findCode(tree("eventsWidget"), code)->setSelected(true);
    }
    QPoint outputAt(int code) {
        QTreeWidget *outputs = tree("actionsWidget");
        return outputs->visualItemRect(findCode(outputs, code)).center();
    }

    PanelCore core;
    MyActionsWidget widget;
};

// What a user's drag of the selected events onto that output hands the action tree; Shift
// asks for a move, which would make the event tree delete what it dragged.
Qt::DropAction drop(Editor &editor, int output) {
    QTreeWidget *events = editor.tree("eventsWidget");
    std::unique_ptr<QMimeData> data(
        events->model()->mimeData(events->selectionModel()->selectedIndexes()));
    QWidget *target = editor.tree("actionsWidget")->viewport();
    const QPoint at = editor.outputAt(output);
    const auto offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, data.get(), Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, offered, data.get(), Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent dropped(at, offered, data.get(), Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(target, &dropped);
    return dropped.dropAction();
}

QList<int> zones(int first, int last) {
    QList<int> codes;
    for (int n = first; n <= last; ++n)
        codes << ItemCodes::zone(n);
    return codes;
}

} // namespace

class tst_ManeuverCreation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void create_byAnyWay_asByDrop_data();
    void create_byAnyWay_asByDrop();
};

void tst_ManeuverCreation::create_byAnyWay_asByDrop_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QList<int>>("events");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("created");
    QTest::addColumn<QString>("maneuver"); // created by the drop; empty: not compared
    QTest::newRow("doubleClick_eventsInSelectionOrder")
        << "doubleClick" << QList<int>{ItemCodes::Input, ItemCodes::Panel, ItemCodes::zone(2)}
        << ItemCodes::Sounder1 << 1 << "5.1.5.2 2.0.2.2 2.2.2.2 | 1.1.1.3 0";
    QTest::newRow("arrow_oneZone_simple")
        << "arrow" << zones(1, 1) << ItemCodes::Sounder1 << 1 << "2.1.2.2 | 1.1.1.3 0";
    QTest::newRow("enter_twelveEvents_logic")
        << "enter" << zones(1, 11) + QList<int>{ItemCodes::Input} << ItemCodes::boardOutput(0, 4)
        << 1 << "";
    QTest::newRow("menu_panelAndZone12_logic")
        << "menu" << QList<int>{ItemCodes::Panel, ItemCodes::zone(12)}
        << ItemCodes::boardOutput(1, 1) << 1 << "";
    QTest::newRow("arrow_thirteenEvents_refusedAlike")
        << "arrow" << zones(1, 12) + QList<int>{ItemCodes::Input} << ItemCodes::Sounder2 << 0 << "";
}

void tst_ManeuverCreation::create_byAnyWay_asByDrop() {
    QFETCH(QString, way);
    QFETCH(QList<int>, events);
    QFETCH(int, output);
    QFETCH(int, created);
    QFETCH(QString, maneuver);
    ScriptedDialogs dropped;
    Editor byDrop;
    byDrop.selectEvents(events);
    QCOMPARE(drop(byDrop, output), Qt::CopyAction);
    QCOMPARE(byDrop.core.maneuvers.size(), created);
    if (!maneuver.isEmpty())
        QCOMPARE(maneuverText(byDrop.core.maneuvers.value(0)), maneuver);

    ScriptedDialogs dialogs;
    Editor editor;
    editor.selectEvents(events);
    QTreeWidget *outputs = editor.tree("actionsWidget");
    const QPoint at = editor.outputAt(output);
    if (way == "menu") {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, outputs->viewport()->mapToGlobal(at));
        QApplication::sendEvent(outputs->viewport(), &menu);
        editor.widget.findChild<QAction *>("actionCreateFromInputs")->trigger();
    } else if (way == "doubleClick") { // a press, release, press Qt makes a double-click
        QTest::mouseClick(outputs->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(outputs->viewport(), Qt::LeftButton, {}, at);
    } else {
        findCode(outputs, output)->setSelected(true);
        if (way == "enter")
            QTest::keyClick(outputs, Qt::Key_Return);
        else
            QTest::mouseClick(editor.widget.findChild<QToolButton *>("toolButtonCreate"),
                              Qt::LeftButton);
    }
    QCOMPARE(editor.core.maneuvers, byDrop.core.maneuvers);
    QCOMPARE(dialogs.messages, dropped.messages);
}

QTEST_MAIN(tst_ManeuverCreation)
#include "tst_ManeuverCreation.moc"
