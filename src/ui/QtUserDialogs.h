#pragma once

#include "ui/UserDialogs.h"

// The standard Qt message boxes and file dialogs.
class QtUserDialogs : public UserDialogs {
public:
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
    UnsavedChanges askSaveChanges(QWidget *parent, const QString &title,
                                  const QString &text) override;
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    void reportFailure(QWidget *parent, const QString &title, const QString &text,
                       const QString &reason) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    void showDifferences(QWidget *parent, const QString &title, const QString &text,
                         const QList<ConfigurationDifference> &differences) override;
    bool confirmDifferences(QWidget *parent, const QString &title, const QString &text,
                            const QList<ConfigurationDifference> &differences) override;
};
