#pragma once

#include "ui/FieldControls.h"
#include "ui/ShownStates.h"

#include <QWidget>

#include <memory>

class PanelCore;
class QLineEdit;
struct FieldDescriptor;
namespace Ui {
class myAdvancedConfigurationWidget;
}

// General options, web server and e-mail settings. The controls hold the user's edits;
// the model is written only when asked (before a save or an upload) and read back after
// New, Open and a download. Writing stores only what the user changed since the model was
// read, so a value the controls cannot show survives; a field holding what the panel
// cannot store says why beside it and leaves the model alone until it is corrected.
class myAdvancedConfigurationWidget : public QWidget {
    Q_OBJECT

public:
    explicit myAdvancedConfigurationWidget(PanelCore *core, QWidget *parent = nullptr);
    ~myAdvancedConfigurationWidget() override;

    void setPanelCore(PanelCore *core) { this->core = core; }

    void readGeneralConfiguration();
    // The model's values, without telling of those the page cannot show (undo, redo).
    void showGeneralConfiguration();
    // Tells the user of the model's values that the page cannot show as they are.
    void reportUnshownValues();
    void writeGeneralConfiguration();
    void retranslate();
    // One line per field that holds what cannot be stored, naming the section, the field
    // and why; empty when writeGeneralConfiguration() can store everything shown.
    QStringList inputProblems() const;

    static quint32 ipFromText(const QString &text);
    static QString ipToText(quint32 address);

public Q_SLOTS:
    void updateWebserverConfiguration();
    void updateSMTPConfiguration();
    void confirmationSetted();
    void cancelDelayMcp();
    void cancelDelay();
    void checkBoxDHCPWebServerChangeSlot();
    void checkBoxLoginWebServerChangeSlot();
    void checkBoxSMTPChangeSlot(bool toggle);

Q_SIGNALS:
    // The user changed a control; the model still holds what it held.
    void edited();

private:
    QList<QLineEdit *> addressFields() const;
    void showInputProblems();
    bool canShow(const FieldDescriptor &field) const;

    Ui::myAdvancedConfigurationWidget *ui;
    PanelCore *core;
    std::unique_ptr<FieldControls> fields; // the line edits and lists showing one setting each
    ShownStates shown;
};
