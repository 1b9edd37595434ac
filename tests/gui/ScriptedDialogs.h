#pragma once

#include "ui/UserDialogs.h"

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
    UnsavedChanges askSaveChanges(QWidget *, const QString &title, const QString &text) override {
        questions << title + QStringLiteral(": ") + text;
        return saveAnswers.isEmpty() ? UnsavedChanges::Cancel : saveAnswers.takeFirst();
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

    void showDifferences(QWidget *, const QString &, const QString &text,
                         const QList<ConfigurationDifference> &list) override {
        differences << shown(text, list);
    }
    bool confirmDifferences(QWidget *, const QString &, const QString &text,
                            const QList<ConfigurationDifference> &list) override {
        reviews << shown(text, list);
        return confirmReview;
    }
    static QString shown(const QString &text, const QList<ConfigurationDifference> &list) {
        QStringList lines(text);
        for (const ConfigurationDifference &d : list)
            lines << d.text();
        return lines.join(QLatin1Char('\n'));
    }

    bool confirmReview = true;
    QList<bool> answers;               // for askYesNo, in order; No once they run out
    QList<UnsavedChanges> saveAnswers; // for askSaveChanges; Cancel once they run out
    QString openName;                  // what the open dialog returns (empty: cancelled)
    QString saveName;
    QStringList questions;
    QStringList messages;
    QStringList failures;
    QStringList differences; // shown: the text, then one line per difference
    QStringList reviews;     // asked to confirm, the same way (answered by confirmReview)
};
