// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a message about one control of a window opens so that it hides neither the control nor
// what the user typed there: next to the window rather than over it. Geometry alone, so the rule
// can be checked without a window system.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace runtime
{

// The top-left corner of a message frame of size `message` that covers no part of `window` (the
// owning window's frame) and lies wholly inside `available` (the free area of its screen): below
// the window, else to its right, else to its left. Below, it is centred under the window; beside
// it, level with `subject` (the control the message is about). All in screen coordinates. None
// where no such place exists: the caller then leaves the message where the toolkit puts it.
std::optional<QPoint> MessageBesideWindow(const QRect &available, const QRect &window,
                                          const QRect &subject, const QSize &message);

} // namespace runtime
