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
// Whether the system has `family`, read off the face it sets for `font` (a font of that family),
// which the search loads anyway, rather than off the sorted list of every family on the system,
// which costs more than the face before the first show. A family that more than one foundry
// makes is named with its foundry in brackets.
bool isPresent(const QString &family, const QFont &font)
{
    const QString found = QFontInfo(font).family();
    const auto same = [&family](QStringView name) {
        return name.compare(family, Qt::CaseInsensitive) == 0;
    };
    const qsizetype foundry = found.lastIndexOf(QLatin1String(" ["));
    return same(found) || (foundry > 0 && found.endsWith(QLatin1Char(']')) &&
                           same(QStringView(found).left(foundry)));
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
    const auto plain = [pixelSize](const QString &candidate) {
        return !QFontDatabase::isFixedPitch(candidate) &&
               IsPlainFace(request(candidate, pixelSize));
    };
    QFont chosen = request(family, pixelSize);
    // Every family on the system is listed only when the face asked for is missing or unfit: in
    // the usual case that list is about a quarter of this search's time before the first show.
    if (!isPresent(family, chosen) || !plain(family)) {
        // The system's own sans-serif face, as its settings name it, then any other.
        QStringList families{QFontInfo(request(QStringLiteral("sans-serif"), pixelSize)).family()};
        families.append(QFontDatabase::families(QFontDatabase::Latin));
        const auto found = std::find_if(families.cbegin(), families.cend(), plain);
        if (found != families.cend())
            chosen = request(*found, pixelSize);
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
