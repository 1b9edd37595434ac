// Grabs the main window on each tab in each language, for the README and for checking
// the layout by eye: gui_screenshots OUTDIR
#include "DialogAbout.h"
#include "MyMainWindow.h"
#include "ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>

#include <QStyleFactory>
#include <QTabWidget>
#include <cstdio>

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
            // Under a real X server a label whose text grew while its page was hidden
            // keeps its old width; say so rather than rely on spotting it.
            for (QLabel *label : tabs->currentWidget()->findChildren<QLabel *>()) {
                if (label->isVisible() && !label->wordWrap() &&
                    label->width() < label->minimumSizeHint().width()) {
                    std::fprintf(stderr, "%s: label %s is clipped\n", qPrintable(file),
                                 qPrintable(label->objectName()));
                    --written;
                }
            }
        }
    }
    DialogAbout about;
    about.show();
    QApplication::processEvents();
    if (about.grab().save(out + QStringLiteral("/about-es.png")))
        ++written;
    dialogs.answers = {true};
    return written == 7 ? 0 : 1;
}
