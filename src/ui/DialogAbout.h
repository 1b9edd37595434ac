#pragma once

#include <QDialog>

namespace Ui {
class DialogAbout;
}

// Product, version, build date, where to get help, and the licence.
class DialogAbout : public QDialog {
    Q_OBJECT

public:
    explicit DialogAbout(QWidget *parent = nullptr);
    ~DialogAbout() override;

private:
    Ui::DialogAbout *ui;
};
