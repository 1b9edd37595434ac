// Grabs the main window on each tab and the maneuver dialog in each language, for the
// README and for checking the layout by eye: gui_screenshots OUTDIR [FILE]
#include "DialogAbout.h"
#include "DialogAddLogic.h"
#include "MyActionsWidget.h"
#include "MyMainWidget.h"
#include "MyMainWindow.h"
#include "PanelCore.h"
#include "ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>

#include <QStyleFactory>
#include <QTabWidget>
#include <cstdio>

namespace {

// Under a real X server a label whose text grew while its page was hidden keeps its old
// width; say so rather than rely on spotting it. Returns the number of clipped labels.
int reportClippedLabels(QWidget *page, const QString &file) {
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

// The first maneuver with the most events up to three: the dialog's usual busy case.
int busiestManeuver(const PanelCore &core) {
    int best = -1;
    for (int i = 0; i < core.maneuvers.size(); ++i) {
        const int events = int(core.maneuvers.at(i).events.size());
        if (events <= 3 && (best < 0 || events > core.maneuvers.at(best).events.size()))
            best = i;
    }
    return best;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString out = QApplication::arguments().value(1, QStringLiteral("."));
    ScriptedDialogs dialogs;
    dialogs.openName = QApplication::arguments().value(2);

    MyMainWindow window;
    window.show();
    if (!dialogs.openName.isEmpty())
        window.slotOpen();
    window.findChild<QAction *>(QStringLiteral("actionAdvanced"))->trigger();
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    const char *const tabNames[] = {"elements", "actions", "advanced"};
    int written = 0;
    for (const char *language : {"en", "es"}) {
        window.loadLanguage(QLatin1String(language));
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            const QString file =
                QStringLiteral("%1/%2-%3.png").arg(out, QLatin1String(tabNames[tab]), language);
            if (window.grab().save(file))
                ++written;
            written -= reportClippedLabels(tabs->currentWidget(), file);
        }
        const int maneuver = busiestManeuver(*window.panelCore());
        if (maneuver >= 0) {
            DialogAddLogic dialog(&window);
            dialog.loadManeuver(window.panelCore()->maneuvers.at(maneuver));
            dialog.show();
            QApplication::processEvents();
            const QString file =
                QStringLiteral("%1/maneuver-%2.png").arg(out, QLatin1String(language));
            if (dialog.grab().save(file))
                ++written;
            written -= reportClippedLabels(&dialog, file);
        }
    }
    DialogAbout about;
    about.show();
    QApplication::processEvents();
    if (about.grab().save(out + QStringLiteral("/about-es.png")))
        ++written;

    // The marks of maneuvers that no longer fit the panel: drop the zones to eight.
    window.panelCore()->num_zones = qMin(8, int(window.panelCore()->num_zones));
    window.mainWidget()->actionsWidget()->updateTrees();
    tabs->setCurrentIndex(1);
    QApplication::processEvents();
    if (window.grab().save(out + QStringLiteral("/actions-marks-es.png")))
        ++written;

    dialogs.answers = {true};
    // Six tabs, the about box, the marks and, with a file that has maneuvers, two dialogs.
    const int expected = busiestManeuver(*window.panelCore()) >= 0 ? 10 : 8;
    return written == expected ? 0 : 1;
}
