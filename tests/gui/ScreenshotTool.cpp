// Grabs the main window on each tab in each language, the maneuver dialog and the serial
// settings dialog, for the README and for checking the layout by eye; fails when a label is
// clipped: gui_screenshots OUTDIR [FILE]
#include "FakeSerialPortList.h"
#include "ScriptedDialogs.h"
#include "ui/DialogAddLogic.h"
#include "ui/MatrixView.h"
#include "ui/MyMainWidget.h"
#include "ui/MyMainWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/myconfigurationwidget.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QTabWidget>

#include <cstdio>

namespace {

// Under a real X server a label whose text grew while its page was hidden keeps its old
// width; say so rather than rely on spotting it.
int clippedLabels(QWidget *page, const QString &file) {
    int clipped = 0;
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (label->isVisible() && !label->wordWrap() &&
            label->width() < label->minimumSizeHint().width()) {
            std::fprintf(stderr, "%s: label %s is clipped\n", qPrintable(file),
                         qPrintable(label->objectName()));
            ++clipped;
        }
    }
    return clipped;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString out = QApplication::arguments().value(1, QStringLiteral("."));
    ScriptedDialogs dialogs;
    dialogs.openName = QApplication::arguments().value(2);
    int shots = 0; // saved without a clipped label
    const auto shoot = [&](QWidget *widget, const QString &name, const char *language) {
        QApplication::processEvents();
        const QString file = QStringLiteral("%1/%2-%3.png").arg(out, name, language);
        shots += widget->grab().save(file) && clippedLabels(widget, file) == 0 ? 1 : 0;
    };

    MyMainWindow window;
    window.show();
    if (!dialogs.openName.isEmpty())
        window.slotOpen();
    window.findChild<QAction *>(QStringLiteral("actionAdvanced"))->trigger();
    for (int zone = 1; zone <= qMin(2, window.panelCore()->num_zones); ++zone) // as installers do
        window.panelCore()->setZoneName(zone, QStringLiteral("Library - 1st floor"));
    window.mainWidget()->configurationWidget()->readNumberOfZones();
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    const int maneuver = window.panelCore()->maneuvers.isEmpty() ? -1 : 0;
    for (const char *language : {"en", "es"}) {
        window.loadLanguage(QLatin1String(language));
        int tab = 0;
        for (const char *page : {"elements", "actions", "advanced"}) {
            tabs->setCurrentIndex(tab++);
            shoot(&window, QLatin1String(page), language);
        }
        if (maneuver >= 0) {
            DialogAddLogic dialog(&window);
            dialog.loadManeuver(window.panelCore()->maneuvers.at(maneuver));
            dialog.show();
            shoot(&dialog, QStringLiteral("maneuver"), language);
        }
        FakeSerialPortList ports;
        ports.ports = {
            FakeSerialPortList::ft232(QStringLiteral("ttyUSB0"), QStringLiteral("FT232R USB UART")),
            FakeSerialPortList::ft232(QStringLiteral("ttyUSB1"))};
        SettingsDialog settings(nullptr, &ports);
        settings.preselect(QStringLiteral("ttyUSB2")); // chosen before, unplugged now
        settings.show();
        shoot(&settings, QStringLiteral("settings"), language);
        window.mainWidget()->showMatrix();
        shoot(window.mainWidget()->matrixView(), QStringLiteral("matrix"), language);
        window.mainWidget()->matrixView()->hide();
    }
    dialogs.answers = {true};
    // Three tabs, the settings dialog, the matrix and, with a file that has maneuvers, the
    // maneuver dialog, in each language.
    return shots == (maneuver >= 0 ? 12 : 10) ? 0 : 1;
}
