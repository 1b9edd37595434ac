#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "ui/myconfigurationwidget.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

class tst_myconfigurationwidget : public QObject {
    Q_OBJECT

private:
    QComboBox *box(const char *name) { return editor->findChild<QComboBox *>(name); }
    // "zones=2,b1=1": pick item 2 of the zone box, then item 1 of board box 1.
    void choose(const QString &steps);

    ScriptedDialogs *dialogs = nullptr;
    PanelCore *core = nullptr;
    myconfigurationwidget *editor = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();
    void choices_data();
    void choices();
    void modelValues_showOnBoxesAndStay_data();
    void modelValues_showOnBoxesAndStay();
    void unlistedZoneCount_shownAsItself();
};

void tst_myconfigurationwidget::init() {
    dialogs = new ScriptedDialogs;
    core = new PanelCore;
    editor = new myconfigurationwidget;
    editor->setPanelCore(core);
}

void tst_myconfigurationwidget::cleanup() {
    delete editor;
    delete core;
    delete dialogs;
}

void tst_myconfigurationwidget::choose(const QString &steps) {
    for (const QString &step : steps.split(QLatin1Char(','))) {
        const QStringList parts = step.split(QLatin1Char('='));
        const QString which = parts.at(0);
        QComboBox *target = which == QLatin1String("zones")
                                ? box("comboBoxMaxZones")
                                : box(qPrintable(QStringLiteral("comboBoxAuxType") + which.mid(1)));
        QVERIFY2(target->isEnabled(), qPrintable(step + QStringLiteral(" on a disabled box")));
        target->setCurrentIndex(parts.at(1).toInt());
    }
}

void tst_myconfigurationwidget::choices_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("zones");
    QTest::addColumn<QList<int>>("types");    // model slots 0..2
    QTest::addColumn<QList<int>>("shown");    // box indexes 1..3
    QTest::addColumn<QList<bool>>("enabled"); // boxes 1..3
    QTest::addColumn<int>("messages");

    QTest::newRow("eightZones_onlyFirstBoardOpen")
        << "zones=3" << 8 << QList<int>{0, 0, 0} << QList<int>{0, 0, 0}
        << QList<bool>{true, false, false} << 0;
    QTest::newRow("twelveZones_numberFromItem")
        << "zones=4" << 12 << QList<int>{0, 0, 0} << QList<int>{0, 0, 0}
        << QList<bool>{true, false, false} << 0;
    QTest::newRow("relaysThenSounders_packedIntoSlots")
        << "zones=2,b1=2,b2=1" << 4 << QList<int>{2, 1, 0} << QList<int>{2, 1, 0}
        << QList<bool>{true, true, true} << 0;
    QTest::newRow("threeBoards_allStored")
        << "zones=1,b1=1,b2=1,b3=2" << 2 << QList<int>{1, 1, 2} << QList<int>{1, 1, 2}
        << QList<bool>{true, true, true} << 0;
    QTest::newRow("firstBackToNone_clearsAllBoards")
        << "zones=2,b1=2,b2=1,b3=2,b1=0" << 4 << QList<int>{0, 0, 0} << QList<int>{0, 0, 0}
        << QList<bool>{true, false, false} << 0;
    QTest::newRow("secondBackToNone_clearsSecondAndThird")
        << "zones=2,b1=2,b2=1,b3=2,b2=0" << 4 << QList<int>{2, 0, 0} << QList<int>{2, 0, 0}
        << QList<bool>{true, true, false} << 0;
    QTest::newRow("zonesBackToSelect_clearsBoardsAndWarnsOnce")
        << "zones=2,b1=1,b2=2,zones=0" << 0 << QList<int>{0, 0, 0} << QList<int>{0, 0, 0}
        << QList<bool>{false, false, false} << 1;
}

void tst_myconfigurationwidget::choices() {
    QFETCH(QString, steps);
    QFETCH(int, zones);
    QFETCH(QList<int>, types);
    QFETCH(QList<int>, shown);
    QFETCH(QList<bool>, enabled);
    QFETCH(int, messages);

    QSignalSpy boards(editor, &myconfigurationwidget::signalElementAddedRemovedModified);
    QSignalSpy zoneSignal(editor, &myconfigurationwidget::signalNumberOfZonesModified);
    choose(steps);

    QCOMPARE(core->num_zones, zones);
    for (int slot = 0; slot < 3; ++slot) {
        QCOMPARE(int(core->elements[slot].type), types.at(slot));
        QCOMPARE(int(core->elements[slot].address), slot);
        QComboBox *b = box(qPrintable(QStringLiteral("comboBoxAuxType%1").arg(slot + 1)));
        QCOMPARE(b->currentIndex(), shown.at(slot));
        QCOMPARE(b->isEnabled(), enabled.at(slot));
    }
    QCOMPARE(dialogs->messages.size(), messages);
    if (messages)
        QCOMPARE(dialogs->messages.first(),
                 QStringLiteral("Please introduce a valid number of zones before proceeding "
                                "with the configuration"));
    QVERIFY(zoneSignal.count() >= 1);
    if (steps.contains(QLatin1Char('b')))
        QVERIFY(boards.count() >= 1);
}

void tst_myconfigurationwidget::modelValues_showOnBoxesAndStay_data() {
    QTest::addColumn<int>("zones");
    QTest::addColumn<QList<int>>("types");    // model slots 0..2
    QTest::addColumn<QStringList>("shown");   // boxes 1..3
    QTest::addColumn<QList<bool>>("enabled"); // boxes 1..3

    QTest::newRow("soundersRelays_packed")
        << 4 << QList<int>{1, 2, 0} << QStringList{"Sirenas", "Relés", "Ninguna"}
        << QList<bool>{true, true, true};
    QTest::newRow("gap_thirdBoardKept")
        << 4 << QList<int>{1, 0, 2} << QStringList{"Sirenas", "Ninguna", "Relés"}
        << QList<bool>{true, true, false};
    QTest::newRow("unknownType_shownAsItself")
        << 2 << QList<int>{7, 0, 0} << QStringList{"unknown type 7", "Ninguna", "Ninguna"}
        << QList<bool>{true, true, false};
    QTest::newRow("noZones_boardsKept")
        << 0 << QList<int>{2, 0, 0} << QStringList{"Relés", "Ninguna", "Ninguna"}
        << QList<bool>{false, false, false};
}

void tst_myconfigurationwidget::modelValues_showOnBoxesAndStay() {
    QFETCH(int, zones);
    QFETCH(QList<int>, types);
    QFETCH(QStringList, shown);
    QFETCH(QList<bool>, enabled);
    choose(QStringLiteral("zones=2,b1=1")); // boxes that reading has to change
    core->num_zones = zones;
    for (int slot = 0; slot < 3; ++slot)
        core->elements[slot].type = quint8(types.at(slot));
    QSignalSpy zoneSignal(editor, &myconfigurationwidget::signalNumberOfZonesModified);

    editor->readNumberOfZones();
    editor->updateDeviceTree();

    QVERIFY(zoneSignal.count() >= 1);
    QCOMPARE(box("comboBoxMaxZones")->currentIndex() == 0, zones == 0);
    for (int slot = 0; slot < 3; ++slot) {
        QComboBox *b = box(qPrintable(QStringLiteral("comboBoxAuxType%1").arg(slot + 1)));
        QCOMPARE(b->currentText(), shown.at(slot));
        QCOMPARE(b->isEnabled(), enabled.at(slot));
        QCOMPARE(int(core->elements[slot].type), types.at(slot));
    }
    QCOMPARE(core->num_zones, zones);
}

void tst_myconfigurationwidget::unlistedZoneCount_shownAsItself() {
    core->num_zones = 6;
    editor->readNumberOfZones();
    QCOMPARE(box("comboBoxMaxZones")->currentText(), QStringLiteral("6"));
    QCOMPARE(core->num_zones, 6);

    // Back to a listed count: the extra item goes away.
    core->num_zones = 8;
    editor->readNumberOfZones();
    QCOMPARE(box("comboBoxMaxZones")->currentText(), QStringLiteral("8"));
    QCOMPARE(box("comboBoxMaxZones")->count(), 5);
    QCOMPARE(core->num_zones, 8);
}

QTEST_MAIN(tst_myconfigurationwidget)
#include "tst_myconfigurationwidget.moc"
