#pragma once

#include <QHash>
#include <QVariant>

#include <initializer_list>

class QWidget;

// The state of a page's controls (checked, index, value, text) as last read from or
// written to the model, so that writing can store only what the user changed since.
class ShownStates {
public:
    void remember(const QWidget *page);
    // True for every control before the first remember(), when the controls alone are the
    // truth. A null control counts as unchanged.
    bool changed(std::initializer_list<const QWidget *> controls) const;

private:
    QHash<const QWidget *, QVariant> states;
};
