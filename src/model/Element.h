#pragma once

#include <QtGlobal>

// One auxiliary-board slot of the panel.
struct Element {
    enum Type : quint8 { Empty = 0, SounderBoard = 1, RelayBoard = 2 };

    quint8 type = Empty;
    quint8 address = 0; // the slot's own index; fixed when the model is built

    friend bool operator==(const Element &a, const Element &b) {
        return a.type == b.type && a.address == b.address;
    }
    friend bool operator!=(const Element &a, const Element &b) { return !(a == b); }
};
