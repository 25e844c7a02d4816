// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The schedule's window for 120000 at 0.10 over 36 months, in three regional settings, light and
// dark: nothing cut, the whole window on a 1024 x 768 screen, the chart in the palette's colours
// and described in words. With LOAN_SCREENSHOT_DIR set, each case also leaves its picture there
// (scripts/schedule-screenshots.sh takes them on a private X server at scales 1 and 2).
#include "monthlypayment.h"
#include "schedule.h"
#include "scheduletext.h"
#include "schedulewindow.h"
#include "windowtest.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_ScheduleWindow : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void nothingCut_data();
    void nothingCut();
    void escapeCloses();
};

namespace
{
QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x20, 0x24, 0x28), text(0xe0, 0xd8, 0xc8), base(0x10, 0x14, 0x18);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Mid, QColor(0x50, 0x54, 0x58));
    palette.setColor(QPalette::Midlight, QColor(0x38, 0x3c, 0x40));
    return palette;
}

core::Schedule initialSchedule(const QLocale &regional)
{
    const QString amount = regional.toString(120000), rate = regional.toString(0.10),
                  months = regional.toString(36);
    return core::AmortisationSchedule(120000, 0.10, 36,
                                      core::PaymentFor(amount, rate, months, regional),
                                      core::CurrencyDecimals(regional));
}
} // namespace

void tst_ScheduleWindow::nothingCut_data()
{
    QTest::addColumn<QLocale>("regional");
    QTest::addColumn<bool>("dark");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << false;
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << false;
    QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan) << false;
    QTest::newRow("en_US dark") << QLocale(QLocale::English, QLocale::UnitedStates) << true;
}

void tst_ScheduleWindow::nothingCut()
{
    QFETCH(QLocale, regional);
    QFETCH(bool, dark);
    const QPalette standard = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(standard); });
    if (dark)
        QApplication::setPalette(darkPalette());
    const core::Schedule schedule = initialSchedule(regional);
    schedule::ScheduleWindow window(schedule, regional, regional);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(showActive(window));

    // The window, its frame and a panel's worth of room fit a 1024 x 768 screen.
    const QSize screen = QSize(1024, 768) / window.devicePixelRatioF() * window.devicePixelRatioF();
    QVERIFY2(window.width() <= screen.width() - 20 && window.height() <= screen.height() - 80,
             qPrintable(u"%1 x %2"_s.arg(window.width()).arg(window.height())));

    // Every column shows its widest cell and its header whole, without a horizontal scroll bar.
    QTableView *table = window.table();
    QCOMPARE(table->model()->rowCount(), 37);
    QVERIFY(!table->horizontalScrollBar()->isVisible());
    int columns = 0;
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        int widest = table->horizontalHeader()->sectionSizeHint(column);
        for (int row = 0; row < table->model()->rowCount(); ++row)
            widest =
                qMax(widest, table->sizeHintForIndex(table->model()->index(row, column)).width());
        QVERIFY2(
            table->columnWidth(column) >= widest,
            qPrintable(
                u"column %1: %2 < %3"_s.arg(column).arg(table->columnWidth(column)).arg(widest)));
        columns += table->columnWidth(column);
    }
    QVERIFY(columns <= table->viewport()->width());

    // Every line of the summary is shown whole.
    const QList<core::SummaryLine> summary = core::ScheduleSummary(schedule, regional);
    for (const core::SummaryLine &line : summary) {
        const auto labels = window.findChildren<QLabel *>();
        const auto found = std::find_if(labels.begin(), labels.end(),
                                        [&](QLabel *label) { return label->text() == line.value; });
        QVERIFY2(found != labels.end(), qPrintable(line.value));
        QVERIFY2((*found)->width() >= (*found)->sizeHint().width(), qPrintable(line.value));
    }

    // The chart follows the palette and says in words what it shows.
    QChart *chart = window.chart()->chart();
    QCOMPARE(chart->backgroundBrush().color(), window.palette().color(QPalette::Window));
    for (QAbstractAxis *axis : chart->axes())
        QCOMPARE(axis->labelsBrush().color(), window.palette().color(QPalette::WindowText));
    QCOMPARE(window.chart()->accessibleDescription(),
             core::ScheduleChartDescription(schedule, regional));
    QVERIFY(window.chart()->width() >= 360);

    if (const QString directory = qEnvironmentVariable("LOAN_SCREENSHOT_DIR");
        !directory.isEmpty()) {
        const QString name =
            u"schedule-%1%2-scale%3.png"_s.arg(regional.name(), dark ? u"-dark"_s : QString(),
                                               QString::number(window.devicePixelRatioF()));
        QVERIFY(window.grab().save(QDir(directory).filePath(name)));
    }
    window.close();
}

void tst_ScheduleWindow::escapeCloses()
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    auto *window = new schedule::ScheduleWindow(initialSchedule(english), english, english);
    QPointer<QWidget> alive(window);
    QVERIFY(showActive(*window));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window->table()));
    // Enter in the table presses no button.
    QTest::keyClick(window->table(), Qt::Key_Return);
    QVERIFY(window->isVisible());
    QTest::keyClick(window->table(), Qt::Key_Escape);
    // Closed and gone.
    QTRY_VERIFY(!alive);
}

QTEST_MAIN(tst_ScheduleWindow)
#include "tst_schedulewindow.moc"
