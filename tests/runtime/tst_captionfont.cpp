// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "captionfont.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

using namespace Qt::StringLiterals;
using runtime::CaptionFont;
using runtime::CaptionWidth;

class tst_CaptionFont : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void largestSizeThatFits_data();
    void largestSizeThatFits();
    void familyOnTheSystemKept_data();
    void familyOnTheSystemKept();
};

namespace
{
const QString longest = u"Length of Loan (in months)"_s;
} // namespace

void tst_CaptionFont::largestSizeThatFits_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("room");
    QTest::addColumn<bool>("fitsAtAll");

    QTest::newRow("ample room") << u"DejaVu Sans"_s << 400 << true;
    QTest::newRow("the window's room") << u"DejaVu Sans"_s << 134 << true;
    QTest::newRow("tight room") << u"DejaVu Sans"_s << 100 << true;
    QTest::newRow("no room") << u"DejaVu Sans"_s << 10 << false;
    // A family no system has: the system's sans-serif face stands in.
    QTest::newRow("missing family") << u"No Such Family Anywhere"_s << 134 << true;
}

void tst_CaptionFont::largestSizeThatFits()
{
    QFETCH(QString, family);
    QFETCH(int, room);
    QFETCH(bool, fitsAtAll);
    const QList<runtime::CaptionRoom> captions{{u"Amount of Loan"_s, room}, {longest, room}};
    const QFont font = CaptionFont(family, 11, 8, captions);
    const QFontInfo info(font);
    QVERIFY2(runtime::IsPlainFace(font), qPrintable(info.family()));
    QVERIFY(info.pixelSize() <= 11);
    QVERIFY(info.pixelSize() >= 8);
    QCOMPARE(CaptionWidth(font, longest) <= room, fitsAtAll);
    if (!fitsAtAll) {
        // Never smaller than the floor, even where nothing fits.
        QCOMPARE(info.pixelSize(), 8);
        return;
    }
    // The largest: one pixel more would not fit, in the face's own width or semi-condensed.
    if (info.pixelSize() < 11) {
        for (const int stretch : {int(QFont::Unstretched), int(QFont::SemiCondensed)}) {
            QFont larger = font;
            larger.setStretch(stretch);
            larger.setPixelSize(info.pixelSize() + 1);
            QVERIFY2(!runtime::IsPlainFace(larger) || CaptionWidth(larger, longest) > room,
                     qPrintable(QString::number(info.pixelSize())));
        }
    }
    if (family == u"No Such Family Anywhere"_s)
        QVERIFY(info.family() != family);
}

void tst_CaptionFont::familyOnTheSystemKept_data()
{
    QTest::addColumn<QString>("family");

    // The plain face that stands in for a missing family, named as the toolkit names it: with its
    // foundry in brackets where more than one foundry makes the family, and without.
    const QString found = CaptionFont(u"No Such Family Anywhere"_s, 11, 8, {}).family();
    QTest::newRow("as-found") << found;
    const qsizetype foundry = found.lastIndexOf(u" ["_s);
    if (foundry > 0)
        QTest::newRow("without-foundry") << found.left(foundry);
    QTest::newRow("other-case") << found.toUpper();
}

void tst_CaptionFont::familyOnTheSystemKept()
{
    QFETCH(QString, family);
    const QFont font = CaptionFont(family, 11, 8, {{longest, 400}});
    // The family asked for is there and plain, so no stand-in replaces it.
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pixelSize(), 11);
}

QTEST_MAIN(tst_CaptionFont)
#include "tst_captionfont.moc"
