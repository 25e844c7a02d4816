// Modal message boxes. Each returns once the user has dismissed its box.
#pragma once

#include <QString>

namespace runtime
{

class RuntimeError;

// A message with the given prompt and title, one OK button and no icon.
void ShowMessage(const QString &prompt, const QString &title);

// Tells the user, in plain words, that a handler stopped on a runtime error.
void ReportRuntimeError(const RuntimeError &error);

} // namespace runtime
