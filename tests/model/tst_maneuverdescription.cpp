#include "model/ManeuverDescription.h"
#include "model/ManiobraConvencional.h"

#include <QTest>

Q_DECLARE_METATYPE(ManiobraConvencional)

class TestManeuverDescription : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each kind of event and of action once, as "events => action".
    void description_data() {
        QTest::addColumn<ManiobraConvencional>("maneuver");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const QList<Event> &events, const Action &action,
                      const char *text) {
            QTest::newRow(name) << ManiobraConvencional(events, action) << QString::fromUtf8(text);
        };
        row("panel fault, mute", {{2, 0, 2, 1}}, {1, 0, 1, 1, 0},
            "Fallo en panel => Silenciar zumbador y activar led de silenciar central");
        row("zone fault, reset", {{2, 4, 2, 1}}, {1, 0, 1, 2, 0},
            "Fallo en zona 4 => Reset general");
        row("any alarm, sounders on", {{2, 12, 2, 2}}, {1, 0, 1, 3, 0},
            "Cualquier alarma en zona 12 => Activar sirenas del panel");
        row("open circuit, sounder 2 on", {{2, 3, 2, 3}}, {1, 2, 1, 3, 0},
            "Fallo de circuito abierto en zona 3 => Activar sirena 2 del panel");
        row("short circuit, sounders off", {{2, 2, 2, 4}}, {1, 0, 1, 4, 0},
            "Fallo de cortocircuito en zona 2 => Desactivar sirenas del panel");
        row("detector alarm, sounder 2 off", {{2, 3, 2, 5}}, {1, 2, 1, 4, 0},
            "Alarma de detector en zona 3 => Desactivar sirena 2 del panel");
        row("call point in a zone, board output on", {{2, 7, 2, 6}}, {7, 2, 7, 1, 0},
            "Alarma de pulsador en zona 7 => Activar la salida 2 de la placa auxiliar 2");
        row("call point at the panel ignores its port, board output off", {{2, 5, 2, 7}},
            {8, 4, 7, 2, 0},
            "Alarma de pulsador en panel => Desactivar la salida 4 de la placa auxiliar 3");
        row("input off, delay in half seconds", {{5, 1, 5, 1}}, {1, 2, 1, 3, 10},
            "Entrada auxiliar OFF => Activar sirena 2 del panel  con retardo de 5s");
        row("input on, odd delay rounds down", {{5, 1, 5, 2}}, {7, 2, 7, 1, 1},
            "Entrada auxiliar ON => Activar la salida 2 de la placa auxiliar 2  con retardo de 0s");
        row("undefined codes: no text, the delay and separators kept",
            {{2, 1, 2, 2}, {3, 1, 3, 2}, {2, 1, 2, 8}, {5, 1, 5, 3}}, {1, 0, 2, 3, 4},
            "Cualquier alarma en zona 1 -  -  -  =>   con retardo de 2s");
        row("undefined actions", {{2, 1, 2, 5}, {2, 2, 2, 5}}, {1, 0, 1, 5, 0},
            "Alarma de detector en zona 1 - Alarma de detector en zona 2 => ");
        row("any alarm in the panel, undefined board action", {{2, 0, 2, 2}}, {6, 1, 7, 3, 0},
            "Cualquier alarma en panel => ");
    }
    void description() {
        QFETCH(ManiobraConvencional, maneuver);
        QFETCH(QString, expected);
        QCOMPARE(eventDescription(maneuver) + QStringLiteral(" => ") + actionDescription(maneuver),
                 expected);
    }
};

QTEST_GUILESS_MAIN(TestManeuverDescription)
#include "tst_maneuverdescription.moc"
