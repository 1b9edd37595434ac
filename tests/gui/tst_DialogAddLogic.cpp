#include "ManeuverText.h"
#include "ui/DialogAddLogic.h"
#include "ui/LogEventWidget.h"

#include <QtTest>
#include <QtWidgets>

// What the logic dialog stores of the user's choices, and that OK alone changes nothing.
class tst_DialogAddLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void store_data();
    void store();
};

void tst_DialogAddLogic::store_data() {
    QTest::addColumn<QString>("maneuver");
    // The first line's choices, then the action's; empty or -1 leaves a control alone.
    QTest::addColumn<QStringList>("choices"); // source, detail, action
    QTest::addColumn<QList<int>>("moduleOutputDelay");
    QTest::addColumn<QString>("expected"); // empty: the maneuver unchanged
    const QList<int> untouched{-1, -1, -1};
    const QStringList none{"", "", ""};
    QTest::newRow("delay7_stores14")
        << "2.3.2.5 | 1.0.1.3 40" << none << QList<int>{-1, -1, 7} << "2.3.2.5 | 1.0.1.3 14";
    QTest::newRow("inputToResetAndOff_delayZero")
        << "5.1.5.2 | 1.0.1.3 40" << QStringList{"Entrada OFF", "", "Reset"}
        << QList<int>{-1, -1, 9} << "5.1.5.1 | 1.0.1.2 0";
    QTest::newRow("zoneAlarmToShortCircuit_keepsZone")
        << "2.3.2.5 | 1.0.1.3 40" << QStringList{"Averia en zona", "avería de cruce", ""}
        << untouched << "2.3.2.4 | 1.0.1.3 40";
    QTest::newRow("module2Output3_toModule3Output1On")
        << "2.1.2.5 | 7.3.7.2 10" << QStringList{"", "", "Output ON"} << QList<int>{3, 1, -1}
        << "2.1.2.5 | 8.1.7.1 10";
    // OK alone: every family, values the boxes cannot show, codes without a description.
    for (const char *kept :
         {"2.4.2.2 2.4.2.5 2.4.2.6 | 1.0.1.3 8", "2.3.2.7 | 1.0.1.3 0", "5.1.5.2 | 1.0.1.1 8",
          "2.1.2.5 | 6.9.7.1 0", "2.1.2.5 | 1.1.1.3 6001", "3.1.3.9 2.1.2.0 | 2.5.2.3 7"})
        QTest::newRow(qPrintable(QStringLiteral("ok_keeps %1").arg(kept)))
            << kept << none << untouched << QString();
}

void tst_DialogAddLogic::store() {
    QFETCH(QString, maneuver);
    QFETCH(QStringList, choices);
    QFETCH(QList<int>, moduleOutputDelay);
    QFETCH(QString, expected);
    DialogAddLogic dialog;
    ManiobraConvencional m = maneuverFromText(maneuver);
    dialog.loadManeuver(m);
    auto *line = dialog.findChild<LogEventWidget *>();
    const QList<QComboBox *> boxes{line->findChild<QComboBox *>("comboBoxSourceType"),
                                   line->findChild<QComboBox *>("comboBoxEventDetail"),
                                   dialog.findChild<QComboBox *>("comboBoxLogAction")};
    for (int i = 0; i < 3; ++i) { // as the user chooses: the change signals fire
        if (!choices[i].isEmpty())
            boxes[i]->setCurrentIndex(boxes[i]->findText(choices[i]));
    }
    const char *const spins[] = {"spinBoxLogModule", "spinBoxLogOutput", "spinBoxLogDelay"};
    for (int i = 0; i < 3; ++i) {
        if (moduleOutputDelay[i] >= 0)
            dialog.findChild<QSpinBox *>(spins[i])->setValue(moduleOutputDelay[i]);
    }
    dialog.storeManeuver(m);
    QCOMPARE(maneuverText(m), expected.isEmpty() ? maneuver : expected);
}

QTEST_MAIN(tst_DialogAddLogic)
#include "tst_DialogAddLogic.moc"
