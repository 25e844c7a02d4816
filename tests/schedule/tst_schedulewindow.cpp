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
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
    void extraEachMonth_data();
    void extraEachMonth();
    void extraCells_data();
    void extraCells();
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

using Row = QList<qint64>;

namespace
{
Row third(const schedule::ScheduleWindow &window)
{
    const core::ScheduleRow &row = window.shown().rows.at(2);
    return {row.payment, row.extra, row.interest, row.principal, row.balance};
}

// The rows of 120000 at 0.10 over 36 months, worked out apart from this code.
const Row thirdWithout{387206, 0, 95193, 292013, 11131182};
} // namespace

void tst_ScheduleWindow::extraEachMonth_data()
{
    QTest::addColumn<QLocale>("regional");
    QTest::addColumn<QString>("monthly");
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("lower");
    QTest::addColumn<int>("payments");
    // Payment, extra, interest, principal, balance of the third payment.
    QTest::addColumn<Row>("thirdRow");
    QTest::addColumn<bool>("problem");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const Row thousand{387206, 100000, 93520, 393686, 10828675};
    QTest::newRow("en_US") << english << u"1000"_s << u"1"_s << false << 28 << thousand << false;
    QTest::newRow("en_US_grouped") << english << u"1,000.50"_s << u"1"_s << false << 28
                                   << Row{387206, 100050, 93519, 393737, 10828524} << false;
    QTest::newRow("de_DE") << german << u"1.000,50"_s << u"1"_s << false << 28
                           << Row{387206, 100050, 93519, 393737, 10828524} << false;
    // A plain period decimal the regional settings do not read is read all the same.
    QTest::newRow("de_DE_period") << german << u"1000.5"_s << u"1"_s << false << 28
                                  << Row{387206, 100050, 93519, 393737, 10828524} << false;
    QTest::newRow("fromThirteen") << english << u"1000"_s << u"13"_s << false << 31 << thirdWithout
                                  << false;
    QTest::newRow("lower") << english << u"1000"_s << u"1"_s << true << 35
                           << Row{380511, 100000, 93547, 386964, 10838703} << false;
    QTest::newRow("emptied") << english << QString() << u"1"_s << false << 36 << thirdWithout
                             << false;
    // Wrong entries change nothing and stay as typed.
    QTest::newRow("letters") << english << u"lots"_s << u"1"_s << false << 36 << thirdWithout
                             << true;
    QTest::newRow("negative") << english << u"-100"_s << u"1"_s << false << 36 << thirdWithout
                              << true;
    QTest::newRow("fromFraction") << english << u"1000"_s << u"2.5"_s << false << 36 << thirdWithout
                                  << true;
    QTest::newRow("fromZero") << english << u"1000"_s << u"0"_s << false << 36 << thirdWithout
                              << true;
}

void tst_ScheduleWindow::extraEachMonth()
{
    QFETCH(QLocale, regional);
    QFETCH(QString, monthly);
    QFETCH(QString, from);
    QFETCH(bool, lower);
    QFETCH(int, payments);
    QFETCH(Row, thirdRow);
    QFETCH(bool, problem);
    schedule::ScheduleWindow window(initialSchedule(regional), regional, regional);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(showActive(window));
    auto *monthlyBox = window.findChild<QLineEdit *>(u"ExtraEachMonth"_s);
    auto *fromBox = window.findChild<QLineEdit *>(u"FromPayment"_s);
    if (lower)
        window.findChild<QRadioButton *>(u"LowerThePayment"_s)->click();
    fromBox->selectAll();
    QTest::keyClicks(fromBox, from);
    monthlyBox->setFocus();
    QTest::keyClicks(monthlyBox, monthly);
    if (monthly.isEmpty()) {
        // Typed, then taken back.
        QTest::keyClicks(monthlyBox, u"50"_s);
        monthlyBox->selectAll();
        QTest::keyClick(monthlyBox, Qt::Key_Delete);
    }
    // The table, at once, without waiting for anything.
    QCOMPARE(window.table()->model()->rowCount(), payments + 1);
    QCOMPARE(third(window), thirdRow);
    QCOMPARE(monthlyBox->text(), monthly);
    QCOMPARE(fromBox->text(), from);
    QCOMPARE(!window.problem().isEmpty(), problem);
    if (problem)
        QVERIFY2(window.problem().contains(monthlyBox->text() == u"1000"_s ? from : monthly),
                 qPrintable(window.problem()));
    auto *savings = window.findChild<QLabel *>(u"Savings"_s);
    QCOMPARE(savings->isVisible(), payments < 36 || lower);
    window.close();
}

void tst_ScheduleWindow::extraCells_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("payments");
    QTest::addColumn<Row>("thirdRow");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("problem");
    QTest::newRow("lumpSum") << u"5000"_s << 35 << Row{387206, 500000, 95193, 792013, 10631182}
                             << u"5,000.00"_s << false;
    QTest::newRow("letters") << u"abc"_s << 36 << thirdWithout << u"abc"_s << true;
    QTest::newRow("negative") << u"-5"_s << 36 << thirdWithout << u"-5"_s << true;
}

void tst_ScheduleWindow::extraCells()
{
    QFETCH(QString, typed);
    QFETCH(int, payments);
    QFETCH(Row, thirdRow);
    QFETCH(QString, shown);
    QFETCH(bool, problem);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    schedule::ScheduleWindow window(initialSchedule(english), english, english);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(showActive(window));
    QTableView *table = window.table();
    const QModelIndex cell = table->model()->index(2, 2);
    // Typing into the focused cell starts editing it; Return commits.
    table->setCurrentIndex(cell);
    QTest::keyClick(table, Qt::Key_5);
    QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(table));
    QTest::keyClick(table, Qt::Key_F2);
    QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    qobject_cast<QLineEdit *>(QApplication::focusWidget())->clear();
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(table->model()->rowCount(), payments + 1);
    QCOMPARE(third(window), thirdRow);
    QTRY_COMPARE(cell.data().toString(), shown);
    QCOMPARE(!window.problem().isEmpty(), problem);
    if (problem)
        QVERIFY(window.problem().contains(u"payment 3"_s));

    // F2 edits the cell again; emptied, it goes back to the monthly extra (none here), and what
    // was said of it goes.
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(table));
    table->setCurrentIndex(cell);
    QTest::keyClick(table, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->clear();
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(table->model()->rowCount(), 37);
    QCOMPARE(third(window), thirdWithout);
    QTRY_COMPARE(cell.data().toString(), u"0.00"_s);
    QTRY_VERIFY(window.problem().isEmpty());
    window.close();
}

QTEST_MAIN(tst_ScheduleWindow)
#include "tst_schedulewindow.moc"
