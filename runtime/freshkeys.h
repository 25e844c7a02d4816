// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A box that opens on a key press is answered only by a key pressed afresh while it is open,
// never by the repeats of a key still held down from before: a held Return would otherwise
// press OK in a box opened by that same Return before anyone could read it.
#pragma once

#include <QObject>
#include <QSet>

class QWidget;

namespace runtime
{

// While it lives, the repeats of keys that were not pressed afresh in `box` are kept from it.
class FreshKeysOnly : public QObject
{
public:
    explicit FreshKeysOnly(QWidget &box);
    ~FreshKeysOnly() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_box;
    QSet<int> m_pressedAfresh;
};

} // namespace runtime
