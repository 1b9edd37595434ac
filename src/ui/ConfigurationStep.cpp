#include "ui/ConfigurationStep.h"

#include "model/FieldTable.h"

#include <algorithm>

namespace {

constexpr int TypingId = 1;

int firstRenamedZone(const PanelConfiguration &before, const PanelConfiguration &after) {
    int zone = 1;
    while (zone < PanelConfiguration::MaxZoneNumber &&
           before.zoneName(zone) == after.zoneName(zone))
        ++zone;
    return zone;
}

} // namespace

ConfigurationStep::ConfigurationStep(const PanelConfiguration &before,
                                     const PanelConfiguration &after, const QWidget *typedIn,
                                     int typingRun, Show show)
    : QUndoCommand(describe(before, after))
    , before(before)
    , after(after)
    , typedIn(typedIn)
    , typingRun(typingRun)
    , show(std::move(show)) {}

QString ConfigurationStep::describe(const PanelConfiguration &before,
                                    const PanelConfiguration &after) {
    // What the other changes follow from comes first: zones before the boards they gate.
    if (before.num_zones != after.num_zones)
        return tr("Change number of zones");
    if (before.elements != after.elements)
        return tr("Change boards");
    if (before.zoneNames() != after.zoneNames())
        return tr("Rename zone %1").arg(firstRenamedZone(before, after));
    const QList<ManiobraConvencional> &was = before.maneuvers;
    const QList<ManiobraConvencional> &is = after.maneuvers;
    if (was != is) {
        const auto number = std::mismatch(was.cbegin(), was.cend(), is.cbegin(), is.cend()).first -
                            was.cbegin() + 1;
        if (is.size() > was.size())
            return tr("Create maneuver %1").arg(number);
        if (is.size() < was.size())
            return tr("Delete maneuver %1").arg(number);
        return tr("Modify maneuver %1").arg(number);
    }
    for (const FieldDescriptor &field : FieldTable::all()) {
        if (field.compared(before) != field.compared(after))
            return tr("Change \"%1\"").arg(field.labelText());
    }
    return tr("Change the configuration");
}

void ConfigurationStep::undo() {
    show(before);
}

void ConfigurationStep::redo() {
    if (pushed)
        show(after);
    pushed = true;
}

int ConfigurationStep::id() const {
    return typedIn ? TypingId : -1;
}

bool ConfigurationStep::mergeWith(const QUndoCommand *other) {
    const auto *next = static_cast<const ConfigurationStep *>(other);
    if (next->typedIn != typedIn || next->typingRun != typingRun ||
        next->description() != description())
        return false;
    after = next->after;
    // Typed and taken back: nothing is left to undo.
    setObsolete(after == before);
    return true;
}
