// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messageplacement.h"

#include <algorithm>

namespace runtime
{

namespace
{
// `start` moved the least distance that puts [start, start + length) inside [low, high]; the
// caller has made sure the length fits.
int clampedInto(int start, int length, int low, int high)
{
    return std::clamp(start, low, high - length + 1);
}
} // namespace

std::optional<QPoint> MessageBesideWindow(const QRect &available, const QRect &window,
                                          const QRect &subject, const QSize &message)
{
    if (message.isEmpty() || message.width() > available.width() ||
        message.height() > available.height())
        return std::nullopt;

    // Below: the eye drops from the window to the message and back.
    if (window.bottom() + message.height() <= available.bottom()) {
        const int x = clampedInto(window.center().x() - message.width() / 2, message.width(),
                                  available.left(), available.right());
        return QPoint(x, std::max(window.bottom() + 1, available.top()));
    }
    // Beside, level with the control, so the line of sight from one to the other is short.
    const int y = clampedInto(subject.center().y() - message.height() / 2, message.height(),
                              available.top(), available.bottom());
    if (window.right() + message.width() <= available.right())
        return QPoint(std::max(window.right() + 1, available.left()), y);
    if (window.left() - message.width() >= available.left())
        return QPoint(std::min(window.left(), available.right() + 1) - message.width(), y);
    return std::nullopt;
}

} // namespace runtime
