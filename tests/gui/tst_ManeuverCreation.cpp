#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "model/ItemCodes.h"
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
        return tree("actionsWidget")
            ->visualItemRect(findCode(tree("actionsWidget"), code))
            .center();
    }

    PanelCore core;
    MyActionsWidget widget;
};

// What a user's drag of the selected events onto that output hands the action tree.
void drop(Editor &editor, int output) {
    QTreeWidget *events = editor.tree("eventsWidget");
    std::unique_ptr<QMimeData> data(
        events->model()->mimeData(events->selectionModel()->selectedIndexes()));
    QWidget *target = editor.tree("actionsWidget")->viewport();
    const QPoint at = editor.outputAt(output);
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    QDropEvent dropped(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &dropped);
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
    void create_byArrowEnterOrMenu_asByDrop_data();
    void create_byArrowEnterOrMenu_asByDrop();
    void hint_shownWhileNothingSelected();
};

void tst_ManeuverCreation::create_byArrowEnterOrMenu_asByDrop_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QList<int>>("events");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("created");

    QTest::newRow("arrow_oneZone_simple") << "arrow" << zones(1, 1) << ItemCodes::Sounder1 << 1;
    QTest::newRow("enter_twelveEvents_logic")
        << "enter" << zones(1, 11) + QList<int>{ItemCodes::Input} << ItemCodes::boardOutput(0, 4)
        << 1;
    QTest::newRow("menu_panelAndZone12_logic")
        << "menu" << QList<int>{ItemCodes::Panel, ItemCodes::zone(12)}
        << ItemCodes::boardOutput(1, 1) << 1;
    QTest::newRow("arrow_thirteenEvents_refusedAlike")
        << "arrow" << zones(1, 12) + QList<int>{ItemCodes::Input} << ItemCodes::Sounder2 << 0;
}

void tst_ManeuverCreation::create_byArrowEnterOrMenu_asByDrop() {
    QFETCH(QString, way);
    QFETCH(QList<int>, events);
    QFETCH(int, output);
    QFETCH(int, created);

    ScriptedDialogs dropped;
    Editor byDrop;
    byDrop.selectEvents(events);
    drop(byDrop, output);

    ScriptedDialogs dialogs;
    Editor editor;
    editor.selectEvents(events);
    QTreeWidget *outputs = editor.tree("actionsWidget");
    if (way == "menu") {
        const QPoint at = editor.outputAt(output);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, outputs->viewport()->mapToGlobal(at));
        QApplication::sendEvent(outputs->viewport(), &menu);
        editor.widget.findChild<QAction *>("actionCreateFromInputs")->trigger();
    } else {
        findCode(outputs, output)->setSelected(true);
        if (way == "enter")
            QTest::keyClick(outputs, Qt::Key_Return);
        else
            QTest::mouseClick(editor.widget.findChild<QToolButton *>("toolButtonCreate"),
                              Qt::LeftButton);
    }

    QCOMPARE(byDrop.core.maneuvers.size(), created);
    QCOMPARE(editor.core.maneuvers, byDrop.core.maneuvers);
    QCOMPARE(dialogs.messages, dropped.messages);
}

void tst_ManeuverCreation::hint_shownWhileNothingSelected() {
    ScriptedDialogs dialogs;
    Editor editor;
    auto *hint = editor.widget.findChild<QLabel *>("labelHint");
    QVERIFY(hint->isVisible());
    findCode(editor.tree("actionsWidget"), ItemCodes::Sounder1)->setSelected(true);
    QVERIFY(!hint->isVisible());
    editor.selectEvents({ItemCodes::zone(2)});
    QTest::keyClick(editor.tree("eventsWidget"), Qt::Key_Enter);
    QCOMPARE(editor.core.maneuvers.size(), 1);
    QVERIFY(hint->isVisible()); // the selections are cleared by the creation
}

QTEST_MAIN(tst_ManeuverCreation)
#include "tst_ManeuverCreation.moc"
