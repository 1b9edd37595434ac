#pragma once

#include <QProgressDialog>

// Shown while a transfer with the panel runs: window-modal, so the user can start
// nothing else, and with no way to cancel or close it, since a half-written panel is
// worse than a wait. Visible at once, so that the window is held off from the start.
class TransferProgressDialog : public QProgressDialog {
    Q_OBJECT

public:
    TransferProgressDialog(const QString &label, int maximum, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

public Q_SLOTS:
    void reject() override {}
};
