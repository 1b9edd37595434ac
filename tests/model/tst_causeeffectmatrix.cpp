#include "model/CauseEffectMatrix.h"
#include "model/ManeuverDescription.h"
#include "model/PanelConfiguration.h"
#include "model/XmlConfigReader.h"

#include <QTest>

namespace {

// RFC 4180 lines of the matrix, fields unquoted.
QList<QStringList> parseCsv(const QByteArray &csv) {
    QList<QStringList> lines;
    QStringList fields;
    QString field;
    bool quoted = false;
    const QString text = QString::fromUtf8(csv);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"')
                field += text.at(++i);
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            fields << field;
            field.clear();
        } else if (c == u'\r') {
            fields << field;
            lines << fields;
            fields.clear();
            field.clear();
            ++i; // \n
        } else {
            field += c;
        }
    }
    return lines;
}

bool readSchool(PanelConfiguration &core) {
    return XmlConfigReader::readFile(
        qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/school.xml"), &core);
}

} // namespace

class TestCauseEffectMatrix : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void csv_holdsEveryManeuverInItsCell();
    void matrix_doesNotDependOnListOrder();
    void cell_joinsSharedCauseAndEffect();
};

void TestCauseEffectMatrix::csv_holdsEveryManeuverInItsCell() {
    PanelConfiguration core;
    QVERIFY(readSchool(core));
    core.setZoneName(1, QStringLiteral("Hall, \"main\""));
    QVERIFY(!core.maneuvers.isEmpty());
    const QList<QStringList> lines = parseCsv(CauseEffectMatrix(core).toCsv());
    const QStringList header = lines.first();
    QCOMPARE(header.mid(0, 2),
             (QStringList{QStringLiteral("Cause"), QStringLiteral("Zone names")}));

    int filled = 0;
    for (const QStringList &line : lines.mid(1)) {
        QCOMPARE(line.size(), header.size());
        filled += int(std::count_if(line.cbegin() + 2, line.cend(),
                                    [](const QString &f) { return !f.isEmpty(); }));
    }
    QCOMPARE(filled, core.maneuvers.size()); // school has no two maneuvers in one cell

    for (const ManiobraConvencional &m : core.maneuvers) {
        ManiobraConvencional immediate = m;
        immediate.delay = 0;
        const qsizetype column = header.indexOf(actionDescription(immediate));
        QVERIFY(column >= 2);
        const auto line = std::find_if(lines.cbegin() + 1, lines.cend(), [&](const QStringList &l) {
            return l.first() == eventDescription(m);
        });
        QVERIFY(line != lines.cend());
        QCOMPARE(line->at(column),
                 m.delay == 0 ? QStringLiteral("X") : QStringLiteral("%1 s").arg(m.delay / 2.0));
        const bool firstZone = m.events.first().evt_blk == 2 && m.events.first().evt_blk_prt == 1;
        QCOMPARE(line->at(1), firstZone ? QStringLiteral("zone 1 Hall, \"main\"") : QString());
    }
}

void TestCauseEffectMatrix::matrix_doesNotDependOnListOrder() {
    PanelConfiguration core;
    QVERIFY(readSchool(core));
    const QByteArray csv = CauseEffectMatrix(core).toCsv();
    std::reverse(core.maneuvers.begin(), core.maneuvers.end());
    QCOMPARE(CauseEffectMatrix(core).toCsv(), csv);
}

void TestCauseEffectMatrix::cell_joinsSharedCauseAndEffect() {
    PanelConfiguration core;
    const ManiobraConvencional later({Event{2, 1, 2, 5}}, Action{1, 0, 1, 3, 3});
    const ManiobraConvencional now({Event{2, 1, 2, 5}}, Action{1, 0, 1, 3, 0});
    core.maneuvers = {later, now};
    const CauseEffectMatrix matrix(core);
    QCOMPARE(matrix.causes().size(), 1);
    QCOMPARE(matrix.effects().size(), 1);
    QCOMPARE(matrix.cellText(0, 0), QStringLiteral("X, 1.5 s"));
}

QTEST_GUILESS_MAIN(TestCauseEffectMatrix)
#include "tst_causeeffectmatrix.moc"
