#include "ManeuverText.h"
#include "ui/DialogAddLogic.h"
#include "ui/LogEventWidget.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The items, the current one marked with "*".
QStringList items(const QComboBox *box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << (i == box->currentIndex() ? QStringLiteral("*") : QString()) + box->itemText(i);
    return out;
}

// Chooses an item by its text, as the user would (the change signal fires).
void choose(QComboBox *box, const QString &text) {
    if (!text.isEmpty())
        box->setCurrentIndex(box->findText(text));
}

} // namespace

class tst_DialogAddLogic : public QObject {
    Q_OBJECT

private:
    template <class T> T *child(const char *name) { return dialog->findChild<T *>(name); }
    QList<LogEventWidget *> lines() {
        QList<LogEventWidget *> out;
        auto *grid = child<QGridLayout>("logicLayout");
        for (int row = 0; row < grid->rowCount(); ++row) {
            if (QLayoutItem *item = grid->itemAtPosition(row, 0))
                out << qobject_cast<LogEventWidget *>(item->widget());
        }
        return out;
    }

    DialogAddLogic *dialog = nullptr;

private Q_SLOTS:
    void init() { dialog = new DialogAddLogic; }
    void cleanup() { delete dialog; }
    void load_data();
    void load();
    void store_data();
    void store();
    void okWithoutChanges_keepsManeuver_data();
    void okWithoutChanges_keepsManeuver();
};

void tst_DialogAddLogic::load_data() {
    QTest::addColumn<QString>("maneuver");
    // Per line: title | source items | detail items when the zone row shows
    QTest::addColumn<QStringList>("lineTexts");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QList<int>>("moduleOutputDelay"); // module -1: the frame is hidden
    QTest::newRow("module2Output3Off")
        << "2.0.2.7 | 7.3.7.2 10"
        << QStringList{"Event 1 | Alarma en panel,*Alarma de pulsador en panel,Averia en panel"}
        << QStringList{"Output ON", "*Output OFF"} << QList<int>{2, 3, 5};
    QTest::newRow("threeEvents_threeLinesInOrder")
        << "2.6.2.4 2.3.2.5 5.1.5.1 | 1.0.1.3 40"
        << QStringList{"Event 1 | Alarma en zona,*Averia en zona | "
                       "avería de corte,*avería de cruce,cualquier avería",
                       "Event 2 | *Alarma en zona,Averia en zona | "
                       "*alarma de detector,alarma de pulsador,cualquier alarma",
                       "Event 3 | Entrada ON,*Entrada OFF"}
        << QStringList{"*Sirenas ON", "Sirenas OFF"} << QList<int>{-1, 0, 20};
}

void tst_DialogAddLogic::load() {
    QFETCH(QString, maneuver);
    QFETCH(QStringList, lineTexts);
    QFETCH(QStringList, actions);
    QFETCH(QList<int>, moduleOutputDelay);
    dialog->loadManeuver(maneuverFromText(maneuver));
    dialog->show(); // loaded before it shows, as the editor does

    QStringList shown;
    for (LogEventWidget *line : lines()) {
        QString text = line->findChild<QGroupBox *>("groupBoxEvent")->title() + " | " +
                       items(line->findChild<QComboBox *>("comboBoxSourceType")).join(',');
        if (line->findChild<QFrame *>("frameZone")->isVisibleTo(dialog))
            text += " | " + items(line->findChild<QComboBox *>("comboBoxEventDetail")).join(',');
        shown << text;
    }
    QCOMPARE(shown, lineTexts);
    QCOMPARE(items(child<QComboBox>("comboBoxLogAction")), actions);
    const bool module = moduleOutputDelay[0] >= 0;
    QCOMPARE(child<QFrame>("frameAuxLog")->isVisibleTo(dialog), module);
    if (module)
        QCOMPARE(child<QSpinBox>("spinBoxLogModule")->value(), moduleOutputDelay[0]);
    if (module)
        QCOMPARE(child<QSpinBox>("spinBoxLogOutput")->value(), moduleOutputDelay[1]);
    QCOMPARE(child<QSpinBox>("spinBoxLogDelay")->value(), moduleOutputDelay[2]);
}

void tst_DialogAddLogic::store_data() {
    QTest::addColumn<QString>("maneuver");
    // Choices on the first line, then the action area; empty or -1 leaves a control alone.
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<int>>("moduleOutputDelay");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const char *maneuver, const char *source,
                        const char *detail, const char *action, const QList<int> &boxes,
                        const char *expected) {
        QTest::newRow(name) << QString(maneuver) << QString(source) << QString(detail)
                            << QString(action) << boxes << QString(expected);
    };
    const char *detector = "2.3.2.5 | 1.0.1.3 40";
    const QList<int> untouched{-1, -1, -1};
    row("delay7_stores14", detector, "", "", "", {-1, -1, 7}, "2.3.2.5 | 1.0.1.3 14");
    row("soundersOff_keepsDelay", detector, "", "", "Sirenas OFF", untouched,
        "2.3.2.5 | 1.0.1.4 40");
    row("inputToResetAndOff_delayZero", "5.1.5.2 | 1.0.1.3 40", "Entrada OFF", "", "Reset",
        {-1, -1, 9}, "5.1.5.1 | 1.0.1.2 0");
    row("zoneAlarmToShortCircuit_keepsZone", detector, "Averia en zona", "avería de cruce", "",
        untouched, "2.3.2.4 | 1.0.1.3 40");
    row("panelFaultToCallPoint", "2.0.2.1 | 1.0.1.4 0", "Alarma de pulsador en panel", "", "",
        untouched, "2.0.2.7 | 1.0.1.4 0");
    row("module2Output3_toModule3Output1On", "2.1.2.5 | 7.3.7.2 10", "", "", "Output ON",
        {3, 1, -1}, "2.1.2.5 | 8.1.7.1 10");
}

void tst_DialogAddLogic::store() {
    QFETCH(QString, maneuver);
    QFETCH(QString, source);
    QFETCH(QString, detail);
    QFETCH(QString, action);
    QFETCH(QList<int>, moduleOutputDelay);
    QFETCH(QString, expected);
    ManiobraConvencional m = maneuverFromText(maneuver);
    dialog->loadManeuver(m);
    LogEventWidget *line = lines().value(0);
    choose(line->findChild<QComboBox *>("comboBoxSourceType"), source);
    choose(line->findChild<QComboBox *>("comboBoxEventDetail"), detail);
    choose(child<QComboBox>("comboBoxLogAction"), action);
    const char *const boxes[] = {"spinBoxLogModule", "spinBoxLogOutput", "spinBoxLogDelay"};
    for (int i = 0; i < 3; ++i) {
        if (moduleOutputDelay[i] >= 0)
            child<QSpinBox>(boxes[i])->setValue(moduleOutputDelay[i]);
    }
    dialog->storeManeuver(m);
    QCOMPARE(maneuverText(m), expected);
}

void tst_DialogAddLogic::okWithoutChanges_keepsManeuver_data() {
    QTest::addColumn<QString>("maneuver");
    // Every event kind of the three families, every action, with and without a delay.
    QTest::newRow("zoneAlarms_soundersOnDelayed") << "2.4.2.2 2.4.2.5 2.4.2.6 | 1.0.1.3 8";
    QTest::newRow("boardOutputOn_delayed") << "2.12.2.5 5.1.5.1 | 6.1.7.1 12";
    QTest::newRow("panelCallPointWithZone_zoneKept") << "2.3.2.7 | 1.0.1.3 0";
    QTest::newRow("inputOtherPort_portKept") << "5.2.5.1 | 1.0.1.2 0";
    QTest::newRow("blockTypesDiffer_kept") << "2.3.5.5 5.1.2.2 | 1.0.7.3 0";
    QTest::newRow("muteWithDelay_delayKept") << "5.1.5.2 | 1.0.1.1 8";
    QTest::newRow("outputAboveBox_kept") << "2.1.2.5 | 6.9.7.1 0";
    QTest::newRow("oddDelay_kept") << "2.1.2.5 | 1.1.1.3 41";
    QTest::newRow("delayAboveBox_kept") << "2.1.2.5 | 1.1.1.3 6001";
    QTest::newRow("unknownCodes_kept") << "3.1.3.9 2.1.2.0 | 2.5.2.3 7";
}

void tst_DialogAddLogic::okWithoutChanges_keepsManeuver() {
    QFETCH(QString, maneuver);
    ManiobraConvencional m = maneuverFromText(maneuver);
    dialog->loadManeuver(m);
    dialog->storeManeuver(m);
    QCOMPARE(maneuverText(m), maneuver);
}

QTEST_MAIN(tst_DialogAddLogic)
#include "tst_DialogAddLogic.moc"
