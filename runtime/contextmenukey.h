// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shift+F10 opens a box's context menu, at the box, just as the Menu key does: it is the
// desktop's key for the context menu, and many keyboards have no Menu key.
#pragma once

class QWidget;

namespace runtime
{

// From now on, Shift+F10 in `box` opens its context menu.
void OpenContextMenuByShiftF10(QWidget &box);

} // namespace runtime
