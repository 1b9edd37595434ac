#pragma once

#include <QObject>
#include <QSettings>

class MyMainWindow;

// What the window remembers between runs, where Qt keeps this program's settings: the
// serial port and the language the user chose, "Verify after upload", the window's size and
// position, the recent files and the folder of the file dialogs. Restored at start, before
// the window shows; saved whenever the window is hidden, which closing it does. The window
// owns it.
class WindowSettings : public QObject {
public:
    explicit WindowSettings(MyMainWindow *window);

    void restore();
    void save();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setOrRemove(const QString &key, const QString &value);

    MyMainWindow *window;
    QSettings settings;
    // Only a language picked in the menu: until then the window follows the system's.
    QString chosenLanguage;
};
