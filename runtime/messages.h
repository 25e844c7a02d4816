// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Modal message boxes. Each returns once the user has dismissed its box.
#pragma once

#include <QString>

class QWidget;

namespace core
{
class RuntimeError;
}

namespace runtime
{

// A message with the given prompt and title, one OK button and no icon. Given the control it is
// about, the message opens beside its window where the window system lets the program place it
// and the screen has room, so the control and its entry stay in view.
void ShowMessage(const QString &prompt, const QString &title, const QWidget *about = nullptr);

// Tells the user, in plain words, that a handler stopped on a runtime error; the title says what
// failed, a calculation unless the error names something else.
void ReportRuntimeError(const core::RuntimeError &error);

} // namespace runtime
