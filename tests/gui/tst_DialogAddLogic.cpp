#include "ManeuverText.h"
#include "ui/DialogAddLogic.h"
#include "ui/LogEventWidget.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QtTest>

namespace {

QStringList items(const QComboBox *box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << (i == box->currentIndex() ? QStringLiteral("*") : QString()) + box->itemText(i);
    return out;
}

// Chooses an item by its text, as the user would (the change signal fires).
void choose(QComboBox *box, const QString &text) {
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text + QStringLiteral(" not in ") + items(box).join(',')));
    box->setCurrentIndex(index);
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
    void init();
    void cleanup();
    void load_data();
    void load();
    void store_data();
    void store();
    void okWithoutChanges_keepsManeuver_data();
    void okWithoutChanges_keepsManeuver();
};

void tst_DialogAddLogic::init() {
    dialog = new DialogAddLogic;
}

void tst_DialogAddLogic::cleanup() {
    delete dialog;
}

void tst_DialogAddLogic::load_data() {
    QTest::addColumn<QString>("maneuver");
    // Per line: title | source items | detail items when the zone row shows
    QTest::addColumn<QStringList>("lineTexts");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("auxFrame");
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("delay");

    QTest::newRow("zone3Detector_soundersOnAfter20s")
        << "2.3.2.5 | 1.0.1.3 40"
        << QStringList{"Event 1 | *Alarma en zona,Averia en zona | "
                       "*alarma de detector,alarma de pulsador,cualquier alarma"}
        << QStringList{"*Sirenas ON", "Sirenas OFF"} << false << 0 << 0 << 20;
    QTest::newRow("inputOnReset_fourActions")
        << "5.1.5.2 | 1.0.1.2 0" << QStringList{"Event 1 | *Entrada ON,Entrada OFF"}
        << QStringList{"Sirenas ON", "Sirenas OFF", "Mute", "*Reset"} << false << 0 << 0 << 0;
    QTest::newRow("module2Output3Off")
        << "2.0.2.7 | 7.3.7.2 10"
        << QStringList{"Event 1 | Alarma en panel,"
                       "*Alarma de pulsador en panel,Averia en panel"}
        << QStringList{"Output ON", "*Output OFF"} << true << 2 << 3 << 5;
    QTest::newRow("threeEvents_threeLinesInOrder")
        << "2.6.2.4 2.0.2.1 5.1.5.1 | 6.1.7.1 1"
        << QStringList{"Event 1 | Alarma en zona,*Averia en zona | "
                       "avería de corte,*avería de cruce,cualquier avería",
                       "Event 2 | Alarma en panel,Alarma de pulsador en panel,*Averia en panel",
                       "Event 3 | Entrada ON,*Entrada OFF"}
        << QStringList{"*Output ON", "Output OFF"} << true << 1 << 1 << 0;
    QTest::newRow("unknownCodes_emptyLists")
        << "3.1.3.9 2.1.2.0 | 2.0.2.3 4" << QStringList{"Event 1 | ", "Event 2 | "} << QStringList{}
        << false << 0 << 0 << 2;
}

void tst_DialogAddLogic::load() {
    QFETCH(QString, maneuver);
    QFETCH(QStringList, lineTexts);
    QFETCH(QStringList, actions);
    QFETCH(bool, auxFrame);
    QFETCH(int, module);
    QFETCH(int, output);
    QFETCH(int, delay);

    dialog->loadManeuver(maneuverFromText(maneuver));
    dialog->show(); // loaded before it shows, as the editor does

    QStringList shown;
    for (LogEventWidget *line : lines()) {
        QVERIFY(line);
        QCOMPARE(line->minimumHeight(), 150);
        QString text = line->findChild<QGroupBox *>("groupBoxEvent")->title() +
                       QStringLiteral(" | ") +
                       items(line->findChild<QComboBox *>("comboBoxSourceType")).join(',');
        if (line->findChild<QFrame *>("frameZone")->isVisibleTo(dialog))
            text += QStringLiteral(" | ") +
                    items(line->findChild<QComboBox *>("comboBoxEventDetail")).join(',');
        shown << text;
    }
    QCOMPARE(shown, lineTexts);
    QCOMPARE(items(child<QComboBox>("comboBoxLogAction")), actions);
    QCOMPARE(child<QFrame>("frameAuxLog")->isVisibleTo(dialog), auxFrame);
    if (auxFrame) {
        QCOMPARE(child<QSpinBox>("spinBoxLogModule")->value(), module);
        QCOMPARE(child<QSpinBox>("spinBoxLogOutput")->value(), output);
    }
    QCOMPARE(child<QSpinBox>("spinBoxLogDelay")->value(), delay);
    QCOMPARE(dialog->size(), QSize(650, 600));
}

void tst_DialogAddLogic::store_data() {
    QTest::addColumn<QString>("maneuver");
    // Choices on the first line, then the action area; empty or -1 leaves a control alone.
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QString>("expected");

    const QString detector = QStringLiteral("2.3.2.5 | 1.0.1.3 40");
    QTest::newRow("delay7_stores14") << detector << ""
                                     << ""
                                     << "" << -1 << -1 << 7 << "2.3.2.5 | 1.0.1.3 14";
    QTest::newRow("soundersOff_keepsDelay")
        << detector << ""
        << ""
        << "Sirenas OFF" << -1 << -1 << -1 << "2.3.2.5 | 1.0.1.4 40";
    QTest::newRow("inputToMute_delayZero") << "5.1.5.2 | 1.0.1.3 40"
                                           << ""
                                           << ""
                                           << "Mute" << -1 << -1 << -1 << "5.1.5.2 | 1.0.1.1 0";
    QTest::newRow("inputToResetAndOff_delayZero")
        << "5.1.5.2 | 1.0.1.3 40"
        << "Entrada OFF"
        << ""
        << "Reset" << -1 << -1 << 9 << "5.1.5.1 | 1.0.1.2 0";
    QTest::newRow("zoneAlarmToShortCircuit_keepsZone")
        << detector << "Averia en zona"
        << "avería de cruce"
        << "" << -1 << -1 << -1 << "2.3.2.4 | 1.0.1.3 40";
    QTest::newRow("faultSwitchedToAlarm_detectorFirst")
        << "2.9.2.3 | 1.0.1.4 0"
        << "Alarma en zona"
        << ""
        << "" << -1 << -1 << -1 << "2.9.2.5 | 1.0.1.4 0";
    QTest::newRow("module2Output3_toModule3Output1On")
        << "2.1.2.5 | 7.3.7.2 10"
        << ""
        << ""
        << "Output ON" << 3 << 1 << -1 << "2.1.2.5 | 8.1.7.1 10";
}

void tst_DialogAddLogic::store() {
    QFETCH(QString, maneuver);
    QFETCH(QString, source);
    QFETCH(QString, detail);
    QFETCH(QString, action);
    QFETCH(int, module);
    QFETCH(int, output);
    QFETCH(int, delay);
    QFETCH(QString, expected);

    ManiobraConvencional m = maneuverFromText(maneuver);
    dialog->loadManeuver(m);
    LogEventWidget *line = lines().value(0);
    if (!source.isEmpty())
        choose(line->findChild<QComboBox *>("comboBoxSourceType"), source);
    if (!detail.isEmpty())
        choose(line->findChild<QComboBox *>("comboBoxEventDetail"), detail);
    if (!action.isEmpty())
        choose(child<QComboBox>("comboBoxLogAction"), action);
    if (module >= 0)
        child<QSpinBox>("spinBoxLogModule")->setValue(module);
    if (output >= 0)
        child<QSpinBox>("spinBoxLogOutput")->setValue(output);
    if (delay >= 0)
        child<QSpinBox>("spinBoxLogDelay")->setValue(delay);
    dialog->storeManeuver(m);

    QCOMPARE(maneuverText(m), expected);
}

void tst_DialogAddLogic::okWithoutChanges_keepsManeuver_data() {
    QTest::addColumn<QString>("maneuver");
    // Every event kind of the three families, every action, with and without a delay.
    QTest::newRow("zoneAlarms_soundersOnDelayed") << "2.4.2.2 2.4.2.5 2.4.2.6 | 1.0.1.3 8";
    QTest::newRow("zoneFaults_sounder2Off") << "2.4.2.1 2.4.2.3 2.4.2.4 | 1.2.1.4 0";
    QTest::newRow("panelKinds_sounder1On") << "2.0.2.2 2.0.2.7 2.0.2.1 | 1.1.1.3 0";
    QTest::newRow("inputOn_mute") << "5.1.5.2 | 1.0.1.1 0";
    QTest::newRow("inputOff_reset") << "5.1.5.1 | 1.0.1.2 0";
    QTest::newRow("boardOutputOn_delayed") << "2.12.2.5 5.1.5.1 | 6.1.7.1 12";
    QTest::newRow("board3Output4Off") << "2.1.2.6 | 8.4.7.2 0";
    // Bytes the dialog cannot show.
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
