#include "ui/TransferProgressDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

TransferProgressDialog::TransferProgressDialog(const QString &label, int maximum, QWidget *parent)
    : QProgressDialog(label, QString(), 0, maximum, parent,
                      Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("transferProgressDialog"));
    setWindowModality(Qt::WindowModal);
    setCancelButton(nullptr);
    setMinimumDuration(0);
    setValue(0);
    show();
}

void TransferProgressDialog::keyPressEvent(QKeyEvent *event) {
    // Escape would close the dialog and free the window in the middle of a transfer.
    event->ignore();
}

void TransferProgressDialog::closeEvent(QCloseEvent *event) {
    event->ignore();
}
