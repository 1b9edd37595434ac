#pragma once

#include <QWidget>

class MyActionsWidget;
class myAdvancedConfigurationWidget;
class myconfigurationwidget;
namespace Ui {
class MyMainWidget;
}

// The central tabs: zones and boards, maneuvers, and the advanced options, whose tab
// is shown only on request.
class MyMainWidget : public QWidget {
    Q_OBJECT

public:
    explicit MyMainWidget(QWidget *parent = nullptr);
    ~MyMainWidget() override;

    MyActionsWidget *actionsWidget() const { return actions; }
    myconfigurationwidget *configurationWidget() const { return configuration; }
    myAdvancedConfigurationWidget *advancedWidget() const { return advanced; }

    void showAdvancedTab(bool show);
    // Every editor shows the model again, without telling of values it cannot show.
    void showConfiguration();
    // The title of the tab that holds `editor`, in the current language.
    QString pageTitle(const QWidget *editor) const;
    void retranslate();
    // Lays the visible page out again, e.g. after its texts changed while it was hidden.
    void refreshLayout();

private:
    MyActionsWidget *actions;
    myconfigurationwidget *configuration;
    myAdvancedConfigurationWidget *advanced;
    Ui::MyMainWidget *ui;
};
