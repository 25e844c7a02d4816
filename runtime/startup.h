// Start-up: the toolkit comes up, the start-up form is created (its constructor runs its load
// handler, before the window is first shown), shown, and the event loop runs until the user
// closes it.
#pragma once

#include "accessibility.h"

#include <QApplication>

namespace runtime
{

template <typename StartupForm> int StartUp(int &argc, char **argv)
{
    QApplication application(argc, argv);
    InstallAccessibility();
    StartupForm form;
    form.show();
    return application.exec();
}

} // namespace runtime
