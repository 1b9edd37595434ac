#include "ui/ShownStates.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include <algorithm>

namespace {

QVariant stateOf(const QWidget *control) {
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->isChecked();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentIndex();
    if (const auto *spin = qobject_cast<const QSpinBox *>(control))
        return spin->value();
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return {};
}

} // namespace

void ShownStates::remember(const QWidget *page) {
    states.clear();
    const QList<QWidget *> controls = page->findChildren<QWidget *>();
    for (const QWidget *control : controls) {
        const QVariant state = stateOf(control);
        if (state.isValid())
            states.insert(control, state);
    }
}

bool ShownStates::changed(std::initializer_list<const QWidget *> controls) const {
    if (states.isEmpty())
        return true;
    return std::any_of(controls.begin(), controls.end(), [this](const QWidget *control) {
        return stateOf(control) != states.value(control);
    });
}
