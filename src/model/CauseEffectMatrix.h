#pragma once

#include "model/ManiobraConvencional.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class PanelConfiguration;

// The maneuvers as a cause-and-effect matrix: one row per distinct trigger (one event, or
// the event list of a logic maneuver), one column per distinct action, each cell the
// delays of the maneuvers joining them. Rows and columns are sorted by their codes, so
// the matrix does not depend on the order of the maneuver list.
class CauseEffectMatrix {
    Q_DECLARE_TR_FUNCTIONS(CauseEffectMatrix)

public:
    static constexpr char16_t ImmediateMark = u'X';

    struct Cause {
        QList<Event> events;
        QString label;     // the event description
        QString zoneNames; // names of the zones it uses, if any
    };
    struct Effect {
        Action action; // delay 0
        QString label; // the action description without delay
    };

    explicit CauseEffectMatrix(const PanelConfiguration &core);

    const QList<Cause> &causes() const { return rows; }
    const QList<Effect> &effects() const { return columns; }
    // Delays in half-seconds of the maneuvers in that cell, ascending; empty when none.
    QList<quint16> delays(int cause, int effect) const;
    // Indexes in the maneuver list of the maneuvers in that cell, in the order of delays().
    QList<int> maneuvers(int cause, int effect) const;
    // Indexes of every maneuver with that cause, ascending.
    QList<int> maneuvers(int cause) const;
    // "X" for immediate, "20 s" for a delay; several joined by ", "; empty when none.
    QString cellText(int cause, int effect) const;
    static QString delayText(quint16 halfSeconds);

    // The whole matrix as CSV (RFC 4180, UTF-8): header "Cause", "Zone names", then
    // one column per effect; one line per cause.
    QByteArray toCsv() const;

private:
    QList<Cause> rows;
    QList<Effect> columns;
    QList<quint16> maneuverDelays;  // by maneuver index
    QList<QList<QList<int>>> cells; // [row][column]: maneuver indexes
};
