#pragma once

#include <QHash>
#include <QVariant>
#include <QWidget>

#include <initializer_list>

class PanelCore;
class QLineEdit;
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
    static constexpr int SecondsToDelayUnits = 250;

    explicit myAdvancedConfigurationWidget(PanelCore *core, QWidget *parent = nullptr);
    ~myAdvancedConfigurationWidget() override;

    void setPanelCore(PanelCore *core) { this->core = core; }

    void readGeneralConfiguration();
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
    struct CheckedField;

    QList<QWidget *> smtpControls() const;
    QList<QLineEdit *> addressFields() const;
    QList<CheckedField> checkedFields() const;
    QString problemOf(const CheckedField &field) const;
    void showInputProblems();
    void rememberShownStates();
    bool changedSinceShown(std::initializer_list<const QWidget *> controls) const;
    void reportUnshownValues();
    void showText(QLineEdit *field, const QString &text);

    Ui::myAdvancedConfigurationWidget *ui;
    PanelCore *core;
    // Each control's state as last read from or written to the model; empty before the
    // first, when the controls alone are the truth.
    QHash<const QWidget *, QVariant> shownStates;
    QHash<const QLineEdit *, QString> escapedTexts; // shown escaped: the model's own text
};
