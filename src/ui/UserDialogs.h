#pragma once

#include "model/ConfigurationDifference.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QWidget;

// Every question, message and file dialog of the program goes through here, so that a
// different implementation can answer without a person at the screen.
class UserDialogs {
    Q_DECLARE_TR_FUNCTIONS(UserDialogs)

public:
    enum class UnsavedChanges { Save, Discard, Cancel };

    virtual ~UserDialogs() = default;

    // Yes/No question; true for Yes. No is the default, so that Enter never takes the
    // answer that loses or risks something.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
    // Edits that are not saved would be lost: save them first, discard them, or cancel
    // what was asked for. Save is the default.
    virtual UnsavedChanges askSaveChanges(QWidget *parent, const QString &title,
                                          const QString &text) = 0;
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;
    // A failure: `text` is the standard message, `reason` the why, shown below it.
    virtual void reportFailure(QWidget *parent, const QString &title, const QString &text,
                               const QString &reason) = 0;
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) = 0;
    // saveFileName() ending in ".`suffix`", added when the typed name lacks it (so that
    // the file shows in Open's filter); a file that the added suffix would replace is
    // replaced only if the user says so. Empty: cancelled.
    QString saveFileNameWithSuffix(QWidget *parent, const QString &caption, const QString &dir,
                                   const QString &filter, const QString &suffix);
    // The differences between two configurations, under `text`; an empty list is shown
    // as "no differences".
    virtual void showDifferences(QWidget *parent, const QString &title, const QString &text,
                                 const QList<ConfigurationDifference> &differences) = 0;
    // The same as a question; true only when the user confirms.
    virtual bool confirmDifferences(QWidget *parent, const QString &title, const QString &text,
                                    const QList<ConfigurationDifference> &differences) = 0;

    // The implementation in use; the standard Qt dialogs unless another was installed.
    static UserDialogs &current();
    // Installs `dialogs` (not owned) in place of the standard ones; nullptr restores them.
    static void install(UserDialogs *dialogs);
};
