#include "model/ManeuverDescription.h"
#include "model/ManiobraConvencional.h"

#include <QTest>

Q_DECLARE_METATYPE(Event)

class TestManeuverDescription : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eventDescription_singleEvent_data() {
        QTest::addColumn<Event>("event");
        QTest::addColumn<QString>("expected");

        QTest::newRow("panel fault") << Event{2, 0, 2, 1} << "Fallo en panel";
        QTest::newRow("zone fault") << Event{2, 4, 2, 1} << "Fallo en zona 4";
        QTest::newRow("any alarm in panel") << Event{2, 0, 2, 2} << "Cualquier alarma en panel";
        QTest::newRow("any alarm in zone") << Event{2, 12, 2, 2} << "Cualquier alarma en zona 12";
        QTest::newRow("open circuit") << Event{2, 3, 2, 3} << "Fallo de circuito abierto en zona 3";
        QTest::newRow("open circuit zone 0")
            << Event{2, 0, 2, 3} << "Fallo de circuito abierto en zona 0";
        QTest::newRow("short circuit") << Event{2, 2, 2, 4} << "Fallo de cortocircuito en zona 2";
        QTest::newRow("detector alarm") << Event{2, 3, 2, 5} << "Alarma de detector en zona 3";
        QTest::newRow("call point in zone") << Event{2, 7, 2, 6} << "Alarma de pulsador en zona 7";
        QTest::newRow("call point at panel") << Event{2, 0, 2, 7} << "Alarma de pulsador en panel";
        QTest::newRow("call point at panel ignores port")
            << Event{2, 5, 2, 7} << "Alarma de pulsador en panel";
        QTest::newRow("aux input off") << Event{5, 1, 5, 1} << "Entrada auxiliar OFF";
        QTest::newRow("aux input on") << Event{5, 1, 5, 2} << "Entrada auxiliar ON";
        QTest::newRow("unknown block") << Event{3, 1, 3, 2} << "";
        QTest::newRow("unknown zone type") << Event{2, 1, 2, 8} << "";
        QTest::newRow("unknown aux type") << Event{5, 1, 5, 3} << "";
    }
    void eventDescription_singleEvent() {
        QFETCH(Event, event);
        QFETCH(QString, expected);
        QCOMPARE(eventDescription(ManiobraConvencional({event}, Action{})), expected);
    }

    void eventDescription_list_data() {
        QTest::addColumn<QList<Event>>("events");
        QTest::addColumn<QString>("expected");

        QTest::newRow("no events") << QList<Event>{} << "";
        QTest::newRow("zone alarm and aux input")
            << QList<Event>{{2, 3, 2, 5}, {5, 1, 5, 2}}
            << "Alarma de detector en zona 3 - Entrada auxiliar ON";
        QTest::newRow("separator kept for silent event")
            << QList<Event>{{2, 1, 2, 2}, {3, 0, 3, 0}, {2, 2, 2, 2}}
            << "Cualquier alarma en zona 1 -  - Cualquier alarma en zona 2";
        QTest::newRow("silent first event")
            << QList<Event>{{9, 0, 9, 0}, {5, 1, 5, 1}} << " - Entrada auxiliar OFF";
    }
    void eventDescription_list() {
        QFETCH(QList<Event>, events);
        QFETCH(QString, expected);
        QCOMPARE(eventDescription(ManiobraConvencional(events, Action{})), expected);
    }

    void actionDescription_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("expected");

        QTest::newRow("mute") << Action{1, 0, 1, 1, 0}
                              << "Silenciar zumbador y activar led de silenciar central";
        QTest::newRow("reset") << Action{1, 0, 1, 2, 0} << "Reset general";
        QTest::newRow("all sounders on") << Action{1, 0, 1, 3, 0} << "Activar sirenas del panel";
        QTest::newRow("sounder 1 on") << Action{1, 1, 1, 3, 0} << "Activar sirena 1 del panel";
        QTest::newRow("sounder 2 on") << Action{1, 2, 1, 3, 0} << "Activar sirena 2 del panel";
        QTest::newRow("all sounders off")
            << Action{1, 0, 1, 4, 0} << "Desactivar sirenas del panel";
        QTest::newRow("sounder 2 off") << Action{1, 2, 1, 4, 0} << "Desactivar sirena 2 del panel";
        QTest::newRow("board output on")
            << Action{7, 2, 7, 1, 0} << "Activar la salida 2 de la placa auxiliar 2";
        QTest::newRow("board 3 output 4 off")
            << Action{8, 4, 7, 2, 0} << "Desactivar la salida 4 de la placa auxiliar 3";
        QTest::newRow("sounder 2 delay 10")
            << Action{1, 2, 1, 3, 10} << "Activar sirena 2 del panel  con retardo de 5s";
        QTest::newRow("odd delay rounds down")
            << Action{7, 2, 7, 1, 1}
            << "Activar la salida 2 de la placa auxiliar 2  con retardo de 0s";
        QTest::newRow("largest delay")
            << Action{1, 0, 1, 2, 65535} << "Reset general  con retardo de 32767s";
        QTest::newRow("unknown block type keeps delay")
            << Action{1, 0, 2, 3, 4} << "  con retardo de 2s";
        QTest::newRow("unknown panel action") << Action{1, 0, 1, 5, 0} << "";
        QTest::newRow("unknown board action") << Action{6, 1, 7, 3, 0} << "";
    }
    void actionDescription() {
        QFETCH(Action, action);
        QFETCH(QString, expected);
        QCOMPARE(::actionDescription(ManiobraConvencional({}, action)), expected);
    }
};

QTEST_GUILESS_MAIN(TestManeuverDescription)
#include "tst_maneuverdescription.moc"
