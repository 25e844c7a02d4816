// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowtest.h"
#include "accessibleevents.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

void WindowTestCase::init()
{
    seenEvents().clear();
}

void WindowTestCase::cleanup()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(
        std::none_of(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); }));
}

bool showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : u"(none)"_s;
}
