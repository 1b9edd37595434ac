#include "model/CauseEffectMatrix.h"
#include "model/PanelConfiguration.h"

#include <QTest>

class TestCauseEffectMatrix : public QObject {
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestCauseEffectMatrix)
#include "tst_causeeffectmatrix.moc"
