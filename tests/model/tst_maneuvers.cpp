#include "model/CauseEffectMatrix.h"
#include "model/ItemCodes.h"
#include "model/ManeuverDescription.h"
#include "model/ManiobraConvencional.h"
#include "model/PanelConfiguration.h"

#include <QTest>

Q_DECLARE_METATYPE(ManiobraConvencional)

namespace {

ManiobraConvencional maneuver(const QList<Event> &events, quint8 blk, quint8 type, quint8 port,
                              quint8 kind, quint16 delay) {
    ManiobraConvencional m;
    m.events = events;
    m.act_blk = blk;
    m.act_blk_type = type;
    m.act_blk_port = port;
    m.act_type = kind;
    m.delay = delay;
    return m;
}

} // namespace

// A maneuver as the panel's record, as text, from the editor's item codes and in the
// cause and effect matrix.
class TestManeuvers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void record_data() {
        QTest::addColumn<ManiobraConvencional>("maneuver");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<bool>("written"); // else only read: odd records are tolerated
        // Model order blk, prt, blk_type, type; the record swaps the middle two.
        QTest::newRow("simple, middle fields swapped, delay 0x1234")
            << maneuver({Event{1, 2, 3, 4}}, 6, 7, 1, 1, 0x1234)
            << QByteArray::fromHex("01030204 06070101 1234") << true;

        QByteArray twoEvents(54, '\0');
        twoEvents.replace(0, 8, QByteArray::fromHex("02020305 02020405"));
        twoEvents.replace(48, 6, QByteArray::fromHex("01010003 0258"));
        QTest::newRow("two events, sounders on, delay 600")
            << maneuver({Event{2, 3, 2, 5}, Event{2, 4, 2, 5}}, 1, 1, 0, 3, 600) << twoEvents
            << true;

        QByteArray gap(54, '\0');
        gap.replace(0, 4, QByteArray::fromHex("02020301"));
        gap.replace(8, 4, QByteArray::fromHex("02020401")); // after the zero slot: not an event
        gap.replace(48, 6, QByteArray::fromHex("01010003000a"));
        QTest::newRow("events end at the first zero slot")
            << maneuver({Event{2, 3, 2, 1}}, 1, 1, 0, 3, 10) << gap << false;
    }
    void record() {
        QFETCH(ManiobraConvencional, maneuver);
        QFETCH(QByteArray, record);
        QFETCH(bool, written);
        if (written)
            QCOMPARE(maneuver.toByteArray().toHex(' '), record.toHex(' '));
        QCOMPARE(ManiobraConvencional(record), maneuver);
    }

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
        row("any alarm, sounders on", {{2, 12, 2, 2}}, {1, 0, 1, 3, 0},
            "Cualquier alarma en zona 12 => Activar sirenas del panel");
        row("detector alarm, sounder 2 off", {{2, 3, 2, 5}}, {1, 2, 1, 4, 0},
            "Alarma de detector en zona 3 => Desactivar sirena 2 del panel");
        row("call point at the panel ignores its port, board output off", {{2, 5, 2, 7}},
            {8, 4, 7, 2, 0},
            "Alarma de pulsador en panel => Desactivar la salida 4 de la placa auxiliar 3");
        row("input off, delay in half seconds", {{5, 1, 5, 1}}, {1, 2, 1, 3, 10},
            "Entrada auxiliar OFF => Activar sirena 2 del panel  con retardo de 5s");
        row("undefined codes: no text, the delay and separators kept",
            {{2, 1, 2, 2}, {3, 1, 3, 2}, {2, 1, 2, 8}, {5, 1, 5, 3}}, {1, 0, 2, 3, 4},
            "Cualquier alarma en zona 1 -  -  -  =>   con retardo de 2s");
    }
    void description() {
        QFETCH(ManiobraConvencional, maneuver);
        QFETCH(QString, expected);
        QCOMPARE(eventDescription(maneuver) + QStringLiteral(" => ") + actionDescription(maneuver),
                 expected);
    }

    void toManeuver_data() {
        QTest::addColumn<QList<int>>("events");
        QTest::addColumn<int>("action");
        QTest::addColumn<ManiobraConvencional>("expected"); // no event: refused

        const Action sounders{1, 0, 1, 3, 0};
        auto row = [](const char *name, const QList<int> &events, int action,
                      const QList<Event> &expected, const Action &act) {
            QTest::newRow(name) << events << action << ManiobraConvencional(expected, act);
        };
        auto refused = [](const char *name, const QList<int> &events, int action) {
            QTest::newRow(name) << events << action << ManiobraConvencional();
        };
        using namespace ItemCodes;
        row("zone 1", {0x2000}, Panel, {{2, 1, 2, 2}}, sounders);
        row("zone 16", {0x200f}, Panel, {{2, 16, 2, 2}}, sounders);
        refused("zone 17", {0x2010}, Panel);
        row("slot 2 output 4", {zone(3)}, 0x1023, {{2, 3, 2, 2}}, Action{8, 4, 7, 1, 0});
        row("events in selection order", {zone(3), Input, zone(1)}, Sounder2,
            {{2, 3, 2, 2}, {5, 1, 5, 2}, {2, 1, 2, 2}}, Action{1, 2, 1, 3, 0});
    }
    void toManeuver() {
        QFETCH(QList<int>, events);
        QFETCH(int, action);
        QFETCH(ManiobraConvencional, expected);
        const ManiobraConvencional before({Event{5, 1, 5, 1}}, Action{1, 0, 1, 2, 8});
        ManiobraConvencional m = before;
        QCOMPARE(ItemCodes::toManeuver(events, action, &m), !expected.events.isEmpty());
        QCOMPARE(m, expected.events.isEmpty() ? before : expected);
    }

    // Causes simple first, effects by their codes; maneuvers sharing a cell joined in it.
    void csv_holdsEachManeuverInItsCellWhateverTheListOrder() {
        PanelConfiguration core;
        core.setZoneName(1, QStringLiteral("Hall, \"main\""));
        core.maneuvers = {
            ManiobraConvencional({{2, 1, 2, 2}, {2, 2, 2, 2}}, Action{6, 1, 7, 1, 40}),
            ManiobraConvencional({{5, 1, 5, 2}}, Action{1, 0, 1, 2, 0}),
            ManiobraConvencional({{2, 1, 2, 5}}, Action{1, 0, 1, 3, 3}),
            ManiobraConvencional({{2, 1, 2, 5}}, Action{1, 0, 1, 3, 0}),
        };
        const QByteArray expected =
            "Cause,Zone names,Reset general,Activar sirenas del panel,"
            "Activar la salida 1 de la placa auxiliar 1\r\n"
            "Alarma de detector en zona 1,\"zone 1 Hall, \"\"main\"\"\",,\"X, 1.5 s\",\r\n"
            "Entrada auxiliar ON,,X,,\r\n"
            "Cualquier alarma en zona 1 - Cualquier alarma en zona 2,\"zone 1 Hall, "
            "\"\"main\"\"\",,,20 s\r\n";
        QCOMPARE(CauseEffectMatrix(core).toCsv(), expected);
        std::reverse(core.maneuvers.begin(), core.maneuvers.end());
        QCOMPARE(CauseEffectMatrix(core).toCsv(), expected);
    }
};

QTEST_GUILESS_MAIN(TestManeuvers)
#include "tst_maneuvers.moc"
