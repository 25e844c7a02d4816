// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Small steps the window tests share.
#pragma once

#include <QLocale>
#include <QObject>
#include <QString>

class QWidget;

// The regional settings the window tests hand the window, whatever the shell's are.
inline QLocale unitedStates()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// A test case whose every test function starts with no accessible event recorded and must end
// with no window of the application left open.
class WindowTestCase : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
};

// Shows the window and waits until it is the active one, as after a user's click on it.
[[nodiscard]] bool showActive(QWidget &window);

// The object name of the widget holding the focus; "(none)" while no window is active.
QString focusName();
