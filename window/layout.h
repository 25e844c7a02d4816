// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's geometry, in twips (1/1440 inch) relative to the client area, in one table.
// At 15 twips to a logical pixel the window is 293 x 173 logical pixels; the toolkit's
// high-DPI scaling enlarges it as a whole on dense screens.
#pragma once

#include <QRect>

namespace layout
{

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr int TwipsPerPixel = 15;

constexpr TwipRect ClientArea{0, 0, 4395, 2595};
constexpr TwipRect Text1{2400, 120, 1575, 285};
constexpr TwipRect Label1{360, 120, 1215, 255};
constexpr TwipRect Label2{360, 480, 1575, 255};
constexpr TwipRect Text2{2400, 480, 1575, 285};
constexpr TwipRect Text3{2400, 840, 1575, 285};
constexpr TwipRect Label3{360, 840, 2055, 255};
constexpr TwipRect Picture1{2400, 2160, 1575, 255};
constexpr TwipRect Label4{360, 2160, 1935, 255};
constexpr TwipRect Command1{1440, 1440, 1215, 375};
// A horizontal rule from (360, 1320) to (3960, 1320), one pixel thick.
constexpr TwipRect Line1{360, 1320, 3960 - 360, TwipsPerPixel};

constexpr QRect inPixels(TwipRect r)
{
    return QRect(r.left / TwipsPerPixel, r.top / TwipsPerPixel, r.width / TwipsPerPixel,
                 r.height / TwipsPerPixel);
}

} // namespace layout
