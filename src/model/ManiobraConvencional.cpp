#include "model/ManiobraConvencional.h"

ManiobraConvencional::ManiobraConvencional(const QList<Event> &eventList, const Action &action) {
    setManiobra(eventList, action);
}

bool ManiobraConvencional::setManiobra(const QList<Event> &eventList, const Action &action) {
    events = eventList;
    setAction(action);
    return true;
}

Action ManiobraConvencional::action() const {
    return Action{act_blk, act_blk_port, act_blk_type, act_type, delay};
}

void ManiobraConvencional::setAction(const Action &action) {
    act_blk = action.act_blk;
    act_blk_port = action.act_blk_port;
    act_blk_type = action.act_blk_type;
    act_type = action.act_type;
    delay = action.delay;
}
