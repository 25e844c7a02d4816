// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the payment schedule takes from the key press to its first frame: the window with the
// initial amount and rate over 360 months, Enter pressed in its result box, and the clock stopped
// once the schedule's window has been exposed and painted (the turn of the event loop after its
// first expose, when the frame has been handed to the window system). Enter comes 300 ms after
// the focus reached the result box, as from a user's Tab; the first opening is the first since
// the program started (the focus had the schedule's module loaded by then), the later ones what a
// user who opens it again waits.
//
//   bench-schedule [OPENINGS]     (default 10; run it under a display, e.g. Xvfb with xcb)
#include "form1.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace
{
// Stops the clock after the first expose of the schedule's window.
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !shown) {
            auto *window = qobject_cast<QWindow *>(watched);
            const QWidgetList widgets = QApplication::topLevelWidgets();
            const bool schedule =
                window && std::any_of(widgets.begin(), widgets.end(), [&](QWidget *w) {
                    return w->windowHandle() == window && w->objectName() == u"PaymentSchedule"_s;
                });
            if (schedule && window->isExposed()) {
                shown = true;
                QTimer::singleShot(0, qApp, [this] { milliseconds = clock.nsecsElapsed() / 1e6; });
            }
        }
        return false;
    }
    QElapsedTimer clock;
    bool shown = false;
    double milliseconds = -1;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    runtime::InstallAccessibility();
    const int openings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    Form1 form(QLocale::system());
    form.Text3->setText(u"360"_s);
    form.show();
    form.activateWindow();
    FirstFrame watch;
    application.installEventFilter(&watch);
    std::vector<double> times;
    for (int i = 0; i < openings; ++i) {
        // Settled: the main window shown and the result box holding the focus.
        QElapsedTimer settle;
        settle.start();
        while ((!form.isActiveWindow() || !form.windowHandle()->isExposed()) &&
               settle.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        // As a user does: Tab into the result box, and Enter a moment later.
        form.Picture1->setFocus(Qt::TabFocusReason);
        QElapsedTimer moment;
        moment.start();
        while (moment.elapsed() < 300)
            QApplication::processEvents(QEventLoop::AllEvents, 300 - int(moment.elapsed()));
        watch.shown = false;
        watch.milliseconds = -1;
        watch.clock.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(form.Picture1, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(form.Picture1, &release);
        while (watch.milliseconds < 0 && watch.clock.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        if (watch.milliseconds < 0) {
            std::fprintf(stderr, "the schedule showed no frame within 10 s\n");
            return 1;
        }
        times.push_back(watch.milliseconds);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != &form && window->isVisible())
                window->close();
        }
    }
    std::printf("schedule first frame, 360 months, from the key press: first %.1f ms",
                times.front());
    if (times.size() > 1) {
        std::vector<double> later(times.begin() + 1, times.end());
        std::sort(later.begin(), later.end());
        std::printf("; later %zu: median %.1f ms, min %.1f, max %.1f", later.size(),
                    later[later.size() / 2], later.front(), later.back());
    }
    std::printf("\n");
    return 0;
}
