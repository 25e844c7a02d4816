// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// From a key press in "Extra each month" to the window painted with the new numbers, for the
// 360-month loan of 1000000 at 0.25: the table, the summary and the chart recomputed and drawn.
// Prints each time and the median. Usage: bench-schedule-recompute [presses].
#include "monthlypayment.h"
#include "schedule.h"
#include "schedulewindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const core::Schedule schedule = core::AmortisationSchedule(
        1000000, 0.25, 360, core::PaymentFor(u"1000000"_s, u"0.25"_s, u"360"_s, english), 2);
    schedule::ScheduleWindow window(schedule, english, english);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *monthly = window.findChild<QLineEdit *>(u"ExtraEachMonth"_s);
    monthly->setFocus();
    std::vector<double> times;
    for (int i = 0; i < presses; ++i) {
        // Alternating 1 and 12: each press changes the numbers.
        const Qt::Key key = i % 2 ? Qt::Key_Backspace : Qt::Key_2;
        if (i == 0)
            QTest::keyClick(monthly, Qt::Key_1);
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(monthly, key);
        // Painted now, as the next frame would paint it.
        window.repaint();
        QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        std::printf("%.2f ms\n", times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("median of %d: %.2f ms\n", presses, times[times.size() / 2]);
    return 0;
}
