#include "ScriptedDialogs.h"
#include "ui/MyMainWindow.h"

#include <QtTest>
#include <QtWidgets>

class tst_UndoRedo : public QObject {
    Q_OBJECT

    template <class T> T *child(const QString &name) { return window->findChild<T *>(name); }

    // What a control shows: the maneuver count and row 3, a box's item or a text.
    QVariant shown(const QString &name) {
        QWidget *control = child<QWidget>(name);
        if (auto *table = qobject_cast<QTableWidget *>(control))
            return QString::number(table->rowCount()) + table->item(2, 1)->text();
        return control->metaObject()->userProperty().read(control);
    }

    // As a user does: in a field with the focus, one key per event.
    void edit(const QString &control) {
        child<QTableWidget>("tableWidget")->selectRow(2);
        if (auto *outputs = child<QTreeWidget>(control)) { // zone 1 on the panel's sounder 1
            child<QTreeWidget>("eventsWidget")->topLevelItem(0)->child(0)->setSelected(true);
            outputs->setCurrentItem(outputs->topLevelItem(0)->child(0));
            emit outputs->itemDoubleClicked(outputs->currentItem(), 0);
        } else if (auto *box = child<QComboBox>(control)) {
            box->setCurrentIndex(1);
        } else if (auto *field = child<QLineEdit>(control)) {
            child<QTabWidget>("tabWidget")->setCurrentIndex(control.startsWith("txt") ? 2 : 0);
            field->setFocus();
            field->selectAll();
            for (const QChar c : QStringLiteral("Hall")) {
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, c, Qt::NoModifier);
                QCoreApplication::processEvents();
            }
        } else {
            child<QAbstractButton>(control)->click();
        }
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    ScriptedDialogs *dialogs = nullptr;
    MyMainWindow *window = nullptr;
    QAction *undo = nullptr;
    QAction *redo = nullptr;

private Q_SLOTS:
    void init() {
        dialogs = new ScriptedDialogs;
        window = new MyMainWindow;
        window->hideShowAdvancedTab(true);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        undo = child<QAction>("actionUndo");
        redo = child<QAction>("actionRedo");
        edit("comboBoxMaxZones");
        // Nothing of the configuration it replaces is left to undo.
        QVERIFY(
            window->openFile(qEnvironmentVariable("MRB500_SOURCE_DIR") + "/examples/school.xml"));
        QVERIFY(!undo->isEnabled());
        // Saved after a step: the saved state is not where the history starts.
        child<QComboBox>("comboBoxMaxZones")->setCurrentIndex(3); // 8 zones
        dialogs->saveName = dir.filePath("saved.xml");
        window->slotSaveAs();
    }

    void cleanup() {
        delete window;
        delete dialogs;
    }

    void edit_undoneToSavedFileAndRedone_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("step");
        const auto row = [](const char *name, const char *control, const char *step) {
            QTest::newRow(name) << QString(control) << QString(step);
        };
        row("zones", "comboBoxMaxZones", "Change number of zones");
        row("zoneName_typed", "zoneNameEdit8", "Rename zone 8");
        row("advancedText_typed", "txtSMTP_svr", "Change \"E-mail server\"");
        row("maneuverCreated", "actionsWidget", "Create maneuver 10");
        row("maneuverDeleted_noQuestion", "pushButtonDel", "Delete maneuver 3");
    }

    void edit_undoneToSavedFileAndRedone() {
        QFETCH(QString, control);
        QFETCH(QString, step);
        const QString shownBy = step.contains("maneuver") ? QStringLiteral("tableWidget") : control;
        const PanelConfiguration saved = *window->panelCore();
        const QVariant savedShown = shown(shownBy);

        edit(control);
        const PanelConfiguration edited = *window->panelCore();
        const QVariant editedShown = shown(shownBy);
        QVERIFY(edited != saved && window->isWindowModified());
        QCOMPARE(undo->text(), "Undo " + step);

        undo->trigger();
        QVERIFY(*window->panelCore() == saved && !window->isWindowModified());
        QCOMPARE(shown(shownBy), savedShown);
        QCOMPARE(redo->text(), "Redo " + step);

        redo->trigger();
        QVERIFY(*window->panelCore() == edited && window->isWindowModified());
        QCOMPARE(shown(shownBy), editedShown);
        QCOMPARE(dialogs->questions, QStringList());
    }
};

QTEST_MAIN(tst_UndoRedo)
#include "tst_UndoRedo.moc"
