#include "Mrb500Ctl.h"

#include "ProductInfo.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mrb500ctl"));
    QCoreApplication::setApplicationVersion(ProductInfo::version());
    Mrb500Ctl ctl;
    return ctl.run(QCoreApplication::arguments());
}
