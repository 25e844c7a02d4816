// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technology is told about the program's own kinds of widget, where the
// toolkit's defaults would mislead a screen reader: an entry box is plain editable text
// (entryboxaccessible.h), a result box is read-only text holding the payment
// (resultboxaccessible.h), a form is a window, a rule is a separator.
#pragma once

namespace runtime
{

// Gives those widgets their interfaces from now on. Cheap (it registers a factory, nothing
// more), does not switch accessibility on, and safe to call more than once.
void InstallAccessibility();

} // namespace runtime
