// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "captionfont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace runtime
{

namespace
{
QFont request(const QString &family, int pixelSize, int stretch = QFont::Unstretched)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setStyle(QFont::StyleNormal);
    font.setWeight(QFont::Normal);
    font.setStretch(stretch);
    font.setPixelSize(pixelSize);
    return font;
}

bool fits(const QFont &font, const QList<CaptionRoom> &captions)
{
    return std::all_of(captions.begin(), captions.end(), [&](const CaptionRoom &caption) {
        return CaptionWidth(font, caption.text) <= caption.room;
    });
}
} // namespace

int CaptionWidth(const QFont &font, const QString &caption)
{
    const QFontMetrics metrics(font);
    // A slanted or overhanging last glyph can reach past the advance.
    return std::max(metrics.horizontalAdvance(caption), metrics.boundingRect(caption).right() + 1);
}

bool IsPlainFace(const QFont &font)
{
    const QFontInfo info(font);
    if (info.style() != QFont::StyleNormal || info.weight() > QFont::Medium)
        return false;
    // Narrow, condensed and compressed faces set an "n" in less than half the type size, an
    // ordinary sans-serif one in 0.55 to 0.65 of it; a width read off the glyphs also catches a
    // face the toolkit stretches itself.
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('n')) >= 0.5 * info.pixelSize();
}

QFont CaptionFont(const QString &family, int pixelSize, int smallest,
                  const QList<CaptionRoom> &captions)
{
    QStringList families;
    if (QFontDatabase::hasFamily(family))
        families.append(family);
    // The system's own sans-serif face, as its settings name it.
    families.append(QFontInfo(request(QStringLiteral("sans-serif"), pixelSize)).family());
    families.append(QFontDatabase::families(QFontDatabase::Latin));

    QFont chosen = request(family, pixelSize);
    for (const QString &candidate : std::as_const(families)) {
        if (QFontDatabase::isFixedPitch(candidate))
            continue;
        const QFont font = request(candidate, pixelSize);
        if (IsPlainFace(font)) {
            chosen = font;
            break;
        }
    }
    // At each size the face's own width first, then slightly condensed, which keeps the type
    // larger where a caption is only a little too wide; a narrower face would be hard to read.
    for (int size = pixelSize; size >= smallest; --size) {
        for (const int stretch : {int(QFont::Unstretched), int(QFont::SemiCondensed)}) {
            const QFont font = request(chosen.family(), size, stretch);
            if (IsPlainFace(font) && fits(font, captions))
                return font;
        }
    }
    // Nothing fits: the smallest size, as narrow as is still plain, cuts the least.
    const QFont condensed = request(chosen.family(), smallest, QFont::SemiCondensed);
    return IsPlainFace(condensed) ? condensed : request(chosen.family(), smallest);
}

} // namespace runtime
