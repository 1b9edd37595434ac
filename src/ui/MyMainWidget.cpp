#include "ui/MyMainWidget.h"
#include "ui_MyMainWidget.h"

#include "ui/MyActionsWidget.h"
#include "ui/myAdvancedConfigurationWidget.h"
#include "ui/myconfigurationwidget.h"

#include <QLayout>

namespace {
constexpr int AdvancedTab = 2;
}

MyMainWidget::MyMainWidget(QWidget *parent)
    : QWidget(parent)
    , actions(new MyActionsWidget(this))
    , configuration(new myconfigurationwidget(this))
    , advanced(new myAdvancedConfigurationWidget(nullptr, this))
    , ui(new Ui::MyMainWidget) {
    ui->setupUi(this);
    ui->layoutTab1->addWidget(configuration);
    ui->layoutTab2->addWidget(actions);
    ui->layoutTab3->addWidget(advanced);
    retranslate();
    ui->tabWidget->setCurrentIndex(0);
    ui->tabWidget->removeTab(AdvancedTab);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &MyMainWidget::refreshLayout);
}

MyMainWidget::~MyMainWidget() {
    delete ui;
}

void MyMainWidget::showAdvancedTab(bool show) {
    const bool shown = ui->tabWidget->indexOf(ui->tab_3) >= 0;
    if (show && !shown)
        ui->tabWidget->insertTab(AdvancedTab, ui->tab_3, pageTitle(advanced));
    else if (!show && shown)
        ui->tabWidget->removeTab(AdvancedTab);
}

void MyMainWidget::showConfiguration() {
    configuration->readNumberOfZones();
    configuration->updateDeviceTree();
    advanced->showGeneralConfiguration();
    actions->refreshTable();
    actions->updateTrees();
}

QString MyMainWidget::pageTitle(const QWidget *editor) const {
    if (editor == configuration)
        return tr("Elements");
    if (editor == actions)
        return tr("Actions");
    return tr("Advanced Configuration");
}

void MyMainWidget::retranslate() {
    ui->tabWidget->setTabText(0, pageTitle(configuration));
    ui->tabWidget->setTabText(1, pageTitle(actions));
    ui->tabWidget->setTabText(AdvancedTab, pageTitle(advanced));
}

void MyMainWidget::refreshLayout() {
    // A page hidden behind another tab keeps its old geometry when its texts change;
    // every nested layout has to run again, not only the page's own.
    QWidget *page = ui->tabWidget->currentWidget();
    if (!page)
        return;
    QList<QWidget *> widgets = page->findChildren<QWidget *>();
    widgets.prepend(page);
    for (QWidget *w : widgets) {
        if (QLayout *layout = w->layout()) {
            layout->invalidate();
            layout->activate();
        }
    }
}
