// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The type a window of fixed geometry sets its captions in. The window asks for one family at
// one size, but a system may lack that family (the stand-in it gets can be oblique or narrow) or
// set a caption wider than the room its control leaves (the caption is cut). So the family asked
// for is taken when the system has it, else the system's sans-serif face, else any face of the
// system that is upright and of ordinary width; and the size is the largest, no larger than
// asked, at which every caption fits its room, set at the face's own width or, where that is
// what makes the captions fit, semi-condensed (never narrower).
#pragma once

#include <QFont>
#include <QList>
#include <QString>

namespace runtime
{

// A caption and the width it may take, in logical pixels, from where it starts.
struct CaptionRoom {
    QString text;
    int room;
};

// The width the caption takes in the font: its advance, or its ink where that reaches further.
int CaptionWidth(const QFont &font, const QString &caption);

// Whether the system sets the font in a face fit for captions: upright, of ordinary weight and
// width.
bool IsPlainFace(const QFont &font);

// The font for the captions: `family` or its stand-in as above, at the largest pixel size from
// `pixelSize` down to `smallest` at which every caption fits its room in a plain face; at
// `smallest` where none does.
QFont CaptionFont(const QString &family, int pixelSize, int smallest,
                  const QList<CaptionRoom> &captions);

} // namespace runtime
