#pragma once

#include "model/ConfigurationDifference.h"

#include <QDialog>
#include <QList>

class QDialogButtonBox;
class QLabel;
class QTableWidget;

// The differences between two configurations, one row each, read only. As a question
// ("confirm") it has OK and Cancel; otherwise only Close.
class DifferencesDialog : public QDialog {
    Q_OBJECT

public:
    DifferencesDialog(QWidget *parent, const QString &title, const QString &text,
                      const QList<ConfigurationDifference> &differences, bool confirm);

    static QString kindName(ConfigurationDifference::Kind kind);

private:
    QLabel *intro;
    QTableWidget *table;
    QDialogButtonBox *buttons;
};
