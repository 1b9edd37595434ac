#pragma once

#include <QWidget>

class PanelCore;
class QLineEdit;
namespace Ui {
class myAdvancedConfigurationWidget;
}

// General options, web server and e-mail settings. The controls hold the user's edits;
// the model is written only when asked (before a save or an upload) and read back after
// New, Open and a download.
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
    QList<QWidget *> smtpControls() const;
    QList<QLineEdit *> addressFields() const;

    Ui::myAdvancedConfigurationWidget *ui;
    PanelCore *core;
};
