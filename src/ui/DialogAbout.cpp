#include "ui/DialogAbout.h"
#include "ui_DialogAbout.h"

#include "model/ProductInfo.h"

#include <QDir>
#include <QUrl>

DialogAbout::DialogAbout(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DialogAbout) {
    ui->setupUi(this);
    connect(ui->pushButton, &QPushButton::clicked, this, &QDialog::close);
    ui->label_1->setText(
        tr("Trevik Fire USB Configuration Software version %1").arg(ProductInfo::versionNumber()));
    ui->label_2->setText(tr("Compilation Date %1").arg(ProductInfo::buildDate()));
    const QString readme =
        QUrl::fromLocalFile(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                            QStringLiteral("/" MRB500_README_FROM_PROGRAM)))
            .toString();
    ui->label_3->setText(tr("Support: ask on the project's issue tracker, or read the "
                            "<a href=\"%1\">README</a> that comes with the program.")
                             .arg(readme));
    ui->label_4->setText(
        tr("Copyright the MRB-500 configurator contributors. Free software: you may use, "
           "study, share and change it. It comes with no warranty; check every "
           "configuration on the panel before relying on it."));
}

DialogAbout::~DialogAbout() {
    delete ui;
}
