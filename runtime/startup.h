// Start-up: the toolkit comes up, the user's regional settings are read (here and nowhere else:
// the form and everything below it get them handed down), the start-up form is created (its
// constructor runs its load handler, before the window is first shown), shown, and the event
// loop runs until the user closes it.
#pragma once

#include "accessibility.h"

#include <QApplication>
#include <QLocale>

namespace runtime
{

template <typename StartupForm> int StartUp(int &argc, char **argv)
{
    QApplication application(argc, argv);
    InstallAccessibility();
    const QLocale regional = QLocale::system();
    StartupForm form(regional);
    form.show();
    return application.exec();
}

} // namespace runtime
