// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Modal message boxes. Each returns once the user has dismissed its box.
#pragma once

#include <QString>

namespace core
{
class RuntimeError;
}

namespace runtime
{

// A message with the given prompt and title, one OK button and no icon.
void ShowMessage(const QString &prompt, const QString &title);

// Tells the user, in plain words, that a handler stopped on a runtime error.
void ReportRuntimeError(const core::RuntimeError &error);

} // namespace runtime
