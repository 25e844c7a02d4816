// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messageplacement.h"

#include <QTest>

#include <optional>

using runtime::MessageBesideWindow;

class tst_MessagePlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void placesBesideTheWindow_data();
    void placesBesideTheWindow();
};

Q_DECLARE_METATYPE(std::optional<QPoint>)

void tst_MessagePlacement::placesBesideTheWindow_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("subject");
    QTest::addColumn<QSize>("message");
    QTest::addColumn<std::optional<QPoint>>("expected");

    const QRect screen(0, 0, 1280, 1024);
    // A window of 293 x 173 with its months box, and a range message of the usual size.
    const QRect window(400, 300, 293, 173);
    const QRect months(560, 356, 105, 19);
    const QSize message(390, 98);

    QTest::newRow("below, centred")
        << screen << window << months << message << std::optional(QPoint(351, 473));
    QTest::newRow("below, kept on the screen")
        << screen << QRect(0, 300, 293, 173) << QRect(160, 356, 105, 19) << message
        << std::optional(QPoint(0, 473));
    QTest::newRow("below, flush with the bottom")
        << screen << QRect(400, 926 - 173, 293, 173) << months << message
        << std::optional(QPoint(351, 926));
    // No room below: beside, level with the box, on the right first.
    QTest::newRow("right") << screen << QRect(400, 900, 293, 124) << QRect(560, 950, 105, 19)
                           << message << std::optional(QPoint(693, 910));
    QTest::newRow("right, kept on the screen")
        << screen << QRect(400, 900, 293, 124) << QRect(560, 1000, 105, 19) << message
        << std::optional(QPoint(693, 926));
    QTest::newRow("left") << screen << QRect(890, 900, 293, 124) << QRect(1050, 950, 105, 19)
                          << message << std::optional(QPoint(500, 910));
    // A panel at the top: the free area is what counts, not the screen.
    QTest::newRow("left, under a panel")
        << QRect(0, 40, 1280, 984) << QRect(890, 30, 293, 994) << QRect(1050, 45, 105, 19)
        << message << std::optional(QPoint(500, 40));
    // Room nowhere: the message is left where the toolkit puts it.
    QTest::newRow("screen too small")
        << QRect(0, 0, 640, 480) << QRect(100, 100, 400, 300) << QRect(260, 156, 105, 19) << message
        << std::optional<QPoint>();
    QTest::newRow("message wider than the screen")
        << QRect(0, 0, 300, 800) << QRect(0, 0, 293, 173) << QRect(160, 56, 105, 19) << message
        << std::optional<QPoint>();
    QTest::newRow("empty message")
        << screen << window << months << QSize() << std::optional<QPoint>();
    // A second screen to the left of the first: coordinates are negative there.
    QTest::newRow("second screen")
        << QRect(-1920, 0, 1920, 1080) << QRect(-1000, 200, 293, 173) << QRect(-840, 256, 105, 19)
        << message << std::optional(QPoint(-1049, 373));
}

void tst_MessagePlacement::placesBesideTheWindow()
{
    QFETCH(QRect, available);
    QFETCH(QRect, window);
    QFETCH(QRect, subject);
    QFETCH(QSize, message);
    QFETCH(std::optional<QPoint>, expected);

    const std::optional<QPoint> place = MessageBesideWindow(available, window, subject, message);
    QCOMPARE(place, expected);
    if (place) {
        // Whatever the rule, the message is whole on the screen and hides nothing of the window.
        const QRect shown(*place, message);
        QVERIFY(available.contains(shown));
        QVERIFY(!shown.intersects(window));
    }
}

QTEST_APPLESS_MAIN(tst_MessagePlacement)
#include "tst_messageplacement.moc"
