#pragma once

#include "model/ConfigurationField.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>
#include <vector>

class PanelConfiguration;
class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;
class ShownStates;
struct FieldDescriptor;

// The line edits and lists of a page that each show one setting of FieldTable, found by
// object name: what they show of the model, what they store into it, and why a text typed
// cannot be stored. Some settings are stored only while a check box allows it (addresses
// without DHCP); otherwise they are kept empty or zero.
class FieldControls {
    Q_DECLARE_TR_FUNCTIONS(FieldControls)

public:
    struct Mapping {
        const char *element;
        const char *attribute;
        const char *control;
        const char *reason = nullptr; // the label that says why, beside a line edit
        const char *needs = nullptr;  // the check box that allows storing it
        bool needsChecked = true;
    };

    FieldControls(QWidget *page, std::initializer_list<Mapping> mappings);

    // "192.168.1.2" as the model holds it; not four dot-separated parts: 0. A part that is
    // not a number counts 0, one above 255 its low 8 bits.
    static quint32 addressFromText(const QString &text);

    QList<QWidget *> controls(ConfigurationField::Area area) const;
    QList<QLineEdit *> lineEdits() const;

    void show(ConfigurationField::Area area, const PanelConfiguration &from);
    // Stores what the user changed since `shown` was taken, except what cannot be stored:
    // that is kept in the control, with its reason, until it is corrected.
    void store(PanelConfiguration &into, const ShownStates &shown) const;
    // Why the controls of `area` cannot be stored as they are, in the page's order.
    QStringList problems(ConfigurationField::Area area) const;
    void showProblems() const; // beside the line edits
    // Whether the page can show `value` as it is; nothing when no control here shows it.
    std::optional<bool> canShow(const FieldDescriptor &field, qint64 value) const;

private:
    struct Control {
        const FieldDescriptor *field;
        QWidget *widget;
        QLabel *reason;
        QAbstractButton *needs;
        bool needsChecked;
    };

    static void takeAddressesOnly(QLineEdit *edit, QLabel *reason, const FieldDescriptor *field);
    bool isStored(const Control &control) const;
    QString problemOf(const Control &control) const;
    void showText(QLineEdit *edit, const QString &text);

    std::vector<Control> list;
    QHash<const QLineEdit *, QString> escapedTexts; // shown escaped: the model's own text
};
