#include "ui/QtUserDialogs.h"

#include "ui/DifferencesDialog.h"

#include <QFileDialog>
#include <QMessageBox>

bool QtUserDialogs::askYesNo(QWidget *parent, const QString &title, const QString &text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

UserDialogs::UnsavedChanges QtUserDialogs::askSaveChanges(QWidget *parent, const QString &title,
                                                          const QString &text) {
    switch (QMessageBox::question(parent, title, text,
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                  QMessageBox::Save)) {
    case QMessageBox::Save:
        return UnsavedChanges::Save;
    case QMessageBox::Discard:
        return UnsavedChanges::Discard;
    default:
        return UnsavedChanges::Cancel;
    }
}

void QtUserDialogs::inform(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox::information(parent, title, text);
}

void QtUserDialogs::reportFailure(QWidget *parent, const QString &title, const QString &text,
                                  const QString &reason) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setInformativeText(reason);
    box.exec();
}

QString QtUserDialogs::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter) {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString QtUserDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter) {
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

void QtUserDialogs::showDifferences(QWidget *parent, const QString &title, const QString &text,
                                    const QList<ConfigurationDifference> &differences) {
    DifferencesDialog dialog(parent, title, text, differences, false);
    dialog.exec();
}

bool QtUserDialogs::confirmDifferences(QWidget *parent, const QString &title, const QString &text,
                                       const QList<ConfigurationDifference> &differences) {
    DifferencesDialog dialog(parent, title, text, differences, true);
    return dialog.exec() == QDialog::Accepted;
}
