#include "ScriptedDialogs.h"
#include "ui/DialogAddLogic.h"
#include "ui/MyMainWindow.h"

#include <QtTest>
#include <QtWidgets>

// The matrix window follows the editors and opens a cell's maneuver in the logic dialog.
class tst_MatrixView : public QObject {
    Q_OBJECT

    template <class T> T *child(const char *name) { return window->findChild<T *>(name); }

    // Zone `zone` on the panel's sounder 1, through the arrow.
    void createOnSounder1(int zone) {
        auto *inputs = child<QTreeWidget>("eventsWidget");
        auto *outputs = child<QTreeWidget>("actionsWidget");
        inputs->topLevelItem(0)->child(zone - 1)->setSelected(true);
        outputs->topLevelItem(0)->child(0)->setSelected(true);
        child<QToolButton>("toolButtonCreate")->click();
    }

    QString row(int r) { // "(!)" for the problem mark
        QString out = matrix->verticalHeaderItem(r)->text().replace('\n', " / ");
        if (!matrix->verticalHeaderItem(r)->icon().isNull())
            out.prepend("(!) ");
        return out + " | " + matrix->item(r, 0)->text();
    }

    ScriptedDialogs *dialogs = nullptr;
    MyMainWindow *window = nullptr;
    QTableWidget *matrix = nullptr;

private Q_SLOTS:
    void init() {
        dialogs = new ScriptedDialogs;
        window = new MyMainWindow;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        child<QAction>("actionViewMatrix")->trigger();
        matrix = child<QTableWidget>("tableMatrix");
        QVERIFY(QTest::qWaitForWindowExposed(matrix));
    }
    void cleanup() {
        delete window;
        delete dialogs;
    }

    void matrix_followsEditsAndOpensCellsManeuver() {
        child<QComboBox>("comboBoxMaxZones")->setCurrentIndex(2); // 4 zones
        createOnSounder1(3);
        createOnSounder1(1);
        QTest::keyClicks(child<QLineEdit>("zoneNameEdit1"), "Hall");
        QCOMPARE(matrix->rowCount(), 2);
        QCOMPARE(row(0), "Any alarm in zone 1 / zone 1 Hall | X");
        child<QComboBox>("comboBoxMaxZones")->setCurrentIndex(1); // zone 3 gone: marked
        QCOMPARE(row(1), "(!) Any alarm in zone 3 | X");

        // The rows are sorted by zone: row 0 is the maneuver created second.
        QString title;
        QTimer::singleShot(0, [&title] {
            auto *dialog = qobject_cast<DialogAddLogic *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            title = dialog->windowTitle();
            dialog->findChild<QSpinBox *>("spinBoxLogDelay")->setValue(5);
            dialog->accept();
        });
        const QPoint cell = matrix->visualItemRect(matrix->item(0, 0)).center();
        QTest::mouseClick(matrix->viewport(), Qt::LeftButton, {}, cell); // Qt's double-click
        QTest::mouseDClick(matrix->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(title, "Maneuver 2");
        QCOMPARE(matrix->item(0, 0)->text(), "5 s");
        QCOMPARE(window->panelCore()->maneuvers.at(1).delay, 10);
    }
};

QTEST_MAIN(tst_MatrixView)
#include "tst_MatrixView.moc"
