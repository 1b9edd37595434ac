#pragma once

#include "UserDialogs.h"

#include <QStringList>

// Answers the program's questions from a script and records what it was shown.
class ScriptedDialogs : public UserDialogs {
public:
    ScriptedDialogs() { UserDialogs::install(this); }
    ~ScriptedDialogs() override { UserDialogs::install(nullptr); }

    bool askYesNo(QWidget *, const QString &title, const QString &text) override {
        questions << title + QStringLiteral(": ") + text;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    void inform(QWidget *, const QString &, const QString &text) override { messages << text; }
    void reportFailure(QWidget *, const QString &, const QString &text,
                       const QString &reason) override {
        failures << text + QStringLiteral("\n") + reason;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override {
        return openName;
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override {
        return saveName;
    }

    QList<bool> answers; // for askYesNo, in order; No once they run out
    QString openName;    // what the open dialog returns (empty: cancelled)
    QString saveName;
    QStringList questions;
    QStringList messages;
    QStringList failures;
};
