#include "ui/UserDialogs.h"

#include "ui/QtUserDialogs.h"

namespace {
UserDialogs *installed = nullptr;
}

UserDialogs &UserDialogs::current() {
    static QtUserDialogs standard;
    return installed ? *installed : standard;
}

void UserDialogs::install(UserDialogs *dialogs) {
    installed = dialogs;
}
