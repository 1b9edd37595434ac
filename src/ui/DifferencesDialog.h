#pragma once

#include "model/ConfigurationDifference.h"

#include <QDialog>
#include <QList>

class QDialogButtonBox;
class QLabel;
class QScrollArea;
class QTableWidget;

// The differences between two configurations, one row each, read only. As a question
// ("confirm") it has OK and Cancel; otherwise only Close. It opens wide enough for every
// column's content where the screen allows; a long text above the table scrolls.
class DifferencesDialog : public QDialog {
    Q_OBJECT

public:
    DifferencesDialog(QWidget *parent, const QString &title, const QString &text,
                      const QList<ConfigurationDifference> &differences, bool confirm);

    static QString kindName(ConfigurationDifference::Kind kind);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int fitColumns(int available);
    void fitIntro(int width);

    QLabel *intro;
    QScrollArea *introArea;
    QTableWidget *table;
    QLabel *note;
    QDialogButtonBox *buttons;
};
