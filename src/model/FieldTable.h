#pragma once

#include "model/FieldDescriptor.h"

#include <QAnyStringView>
#include <QList>

#include <vector>

// Every setting of the general options, the web server and the e-mail settings, and the
// number of zones, as descriptors in the order people read them (the comparison, the
// report). Zones, boards, zone names and maneuvers have forms of their own. Adding a
// setting means adding its descriptor here and its control to the advanced editor.
class FieldTable {
public:
    static const std::vector<FieldDescriptor> &all();
    // Null when the file's element has no such setting.
    static const FieldDescriptor *find(QAnyStringView element, QAnyStringView attribute);
    static bool hasElement(QAnyStringView element);
    // In the order files are written.
    static QList<const FieldDescriptor *> inFileOrder();
};
