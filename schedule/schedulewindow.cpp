// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedulewindow.h"

#include "schedulechart.h"
#include "schedulemodel.h"
#include "scheduletext.h"

#include "errors.h"
#include "numbers.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace schedule
{

namespace
{
// The columns, as ScheduleHeader names them.
constexpr int ExtraColumn = 2;
// How long typing must pause before a screen reader is told the new savings.
constexpr int PauseMs = 700;
} // namespace

ScheduleWindow::ScheduleWindow(const core::Schedule &schedule, const QLocale &regional,
                               const QLocale &numbers, QWidget *parent)
    : QDialog(parent), m_without(schedule), m_schedule(schedule), m_regional(regional),
      m_numbers(numbers), m_table(new QTableView(this)),
      m_chart(CreateScheduleChart(schedule, regional, palette(), this))
{
    setWindowTitle(core::ScheduleTitle(schedule, regional));
    setAccessibleName(windowTitle());
    setObjectName(u"PaymentSchedule"_s);
    setLocale(regional);

    auto *summary = new QFormLayout;
    QStringList spoken;
    for (const core::SummaryLine &line : core::ScheduleSummary(schedule, regional)) {
        auto *value = new QLabel(line.value, this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        summary->addRow(line.label + u':', value);
        spoken.append(line.label + u": "_s + line.value);
    }
    // Read by a screen reader as the window opens, before the table's first cell.
    setAccessibleDescription(spoken.join(u". "_s) + u'.');
    m_savingsLabel = new QLabel(this);
    m_savings = new QLabel(this);
    m_savings->setObjectName(u"Savings"_s);
    m_savings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_savings->setWordWrap(true);
    m_savingsLabel->setBuddy(m_savings);
    summary->addRow(m_savingsLabel, m_savings);
    m_savingsLabel->hide();
    m_savings->hide();

    m_monthly = new QLineEdit(this);
    m_monthly->setObjectName(u"ExtraEachMonth"_s);
    m_from = new QLineEdit(regional.toString(1), this);
    m_from->setObjectName(u"FromPayment"_s);
    m_shorten = new QRadioButton(u"S&horten the loan"_s, this);
    m_shorten->setObjectName(u"ShortenTheLoan"_s);
    m_lower = new QRadioButton(u"&Lower the payment"_s, this);
    m_lower->setObjectName(u"LowerThePayment"_s);
    m_shorten->setChecked(true);
    auto *monthlyLabel = new QLabel(u"E&xtra each month:"_s, this);
    auto *fromLabel = new QLabel(u"&From payment:"_s, this);
    // Screen readers name each box by its caption.
    monthlyLabel->setBuddy(m_monthly);
    fromLabel->setBuddy(m_from);
    const QFontMetrics metrics(font());
    m_monthly->setFixedWidth(metrics.horizontalAdvance(regional.toString(1000000.0, 'f', 2)) +
                             metrics.averageCharWidth() * 4);
    m_from->setFixedWidth(metrics.horizontalAdvance(regional.toString(360)) +
                          metrics.averageCharWidth() * 4);
    m_problem = new QLabel(this);
    m_problem->setObjectName(u"ExtrasProblem"_s);
    m_problem->setWordWrap(true);
    m_problem->setForegroundRole(QPalette::BrightText);
    QPalette warning = m_problem->palette();
    warning.setColor(QPalette::BrightText, palette().color(QPalette::Window).lightnessF() < 0.5
                                               ? QColor(0xff, 0x90, 0x80)
                                               : QColor(0xb0, 0x00, 0x00));
    m_problem->setPalette(warning);
    m_problem->hide();

    m_pause = new QTimer(this);
    m_pause->setSingleShot(true);
    m_pause->setInterval(PauseMs);
    connect(m_pause, &QTimer::timeout, this, &ScheduleWindow::announceSavings);
    connect(m_monthly, &QLineEdit::textEdited, this, &ScheduleWindow::readMonthly);
    connect(m_from, &QLineEdit::textEdited, this, &ScheduleWindow::readMonthly);
    connect(m_lower, &QRadioButton::toggled, this, [this](bool lower) {
        m_extras.effect = lower ? core::ExtraEffect::LowerPayment : core::ExtraEffect::ShortenLoan;
        recompute();
    });

    m_table->setObjectName(u"ScheduleTable"_s);
    m_table->setAccessibleName(u"Payments"_s);
    m_model = new ScheduleModel(core::ScheduleHeader(), core::ScheduleCells(schedule, regional),
                                ExtraColumn, this);
    m_table->setModel(m_model);
    // Once the view is done committing the cell: the rows may change in number.
    connect(m_model, &ScheduleModel::extraTyped, this, &ScheduleWindow::readOneOff,
            Qt::QueuedConnection);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Typing a sum into the focused Extra cell, F2 or a double click starts editing it.
    m_table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::DoubleClicked);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    // Every row is one line of the same font: sizing one row, not all of them, keeps the first
    // frame quick for a long loan.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(false);
    m_table->setCurrentIndex(m_table->model()->index(0, 0));

    auto *copy = new QAction(u"Copy Table"_s, m_table);
    copy->setShortcuts(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &ScheduleWindow::copyTable);
    m_table->addAction(copy);

    m_chart->setObjectName(u"ScheduleChart"_s);
    m_chart->setMinimumSize(360, 300);
    // The chart says in words what it shows; a keyboard user can reach it to hear that.
    m_chart->setFocusPolicy(Qt::TabFocus);

    auto *buttons = new QDialogButtonBox(this);
    auto *copyButton = buttons->addButton(u"Copy &Table"_s, QDialogButtonBox::ActionRole);
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    // The style's icon is drawn for light palettes only.
    close->setIcon(QIcon());
    copyButton->setObjectName(u"CopyTable"_s);
    close->setObjectName(u"Close"_s);
    // Enter in the table must not close the window.
    for (QPushButton *button : {copyButton, close})
        button->setAutoDefault(false);
    connect(copyButton, &QPushButton::clicked, this, &ScheduleWindow::copyTable);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *extras = new QHBoxLayout;
    extras->addWidget(monthlyLabel);
    extras->addWidget(m_monthly);
    extras->addSpacing(12);
    extras->addWidget(fromLabel);
    extras->addWidget(m_from);
    extras->addSpacing(12);
    extras->addWidget(m_shorten);
    extras->addWidget(m_lower);
    extras->addStretch(1);
    auto *body = new QHBoxLayout;
    body->addWidget(m_table);
    body->addWidget(m_chart, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(summary);
    layout->addLayout(extras);
    layout->addWidget(m_problem);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    // The table shows all its columns without a horizontal scroll bar. The widest cell of a
    // column is its longest text (the total, the first balance), measured once, not per row;
    // an extra is never wider than the balance it pays off.
    const QList<QStringList> cells = core::ScheduleCells(schedule, regional);
    const QStringList header = core::ScheduleHeader();
    const QFontMetrics cellMetrics(m_table->font());
    QFont bold = m_table->font();
    bold.setBold(true);
    const QFontMetrics totalMetrics(bold);
    const int padding = 2 * (m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 8;
    int tableWidth = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    const QString widestExtra = core::ScheduleCells(schedule, regional).constFirst().last();
    for (int column = 0; column < header.size(); ++column) {
        int widest = m_table->horizontalHeader()->sectionSizeHint(column);
        for (qsizetype row = 0; row < cells.size(); ++row) {
            const QFontMetrics &metrics = row + 1 == cells.size() ? totalMetrics : cellMetrics;
            const QString &text = column == ExtraColumn ? widestExtra : cells.at(row).at(column);
            widest = std::max(widest, metrics.horizontalAdvance(text) + padding);
        }
        m_table->setColumnWidth(column, widest);
        tableWidth += widest;
    }
    m_table->setFixedWidth(tableWidth);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    setAttribute(Qt::WA_DeleteOnClose);
    // Room for the table and the chart on a 1024 x 768 screen, title bar and panels included.
    resize(QSize(tableWidth + 520, 640).boundedTo(QSize(980, 680)));
    m_table->setFocus();
}

QString ScheduleWindow::problem() const
{
    return m_problem->isVisible() ? m_problem->text() : QString();
}

std::optional<qint64> ScheduleWindow::amountOf(const QString &text) const
{
    if (text.trimmed().isEmpty())
        return 0;
    try {
        const double value = core::StrictValue(text, m_numbers);
        // Beyond any loan's balance it clears the loan all the same.
        if (value < 0 || value > 1e12)
            return std::nullopt;
        return core::MinorUnits(value, m_without.decimals);
    } catch (const core::TypeMismatchError &) {
        return std::nullopt;
    }
}

void ScheduleWindow::say(const QString &what, const QString &problem)
{
    if (problem.isEmpty())
        m_problems.remove(what);
    else
        m_problems.insert(what, problem);
    QStringList lines;
    for (auto it = m_problems.cbegin(); it != m_problems.cend(); ++it)
        lines.append(it.key() + u": "_s + it.value());
    m_problem->setText(lines.join(u'\n'));
    m_problem->setVisible(!lines.isEmpty());
}

void ScheduleWindow::readMonthly()
{
    const QString monthlyName = u"Extra each month"_s;
    const QString fromName = u"From payment"_s;
    const std::optional<qint64> monthly = amountOf(m_monthly->text());
    say(monthlyName,
        monthly ? QString() : u"\u201c%1\u201d is no amount of money"_s.arg(m_monthly->text()));
    std::optional<int> from;
    try {
        const double number = core::StrictValue(m_from->text(), m_numbers);
        if (number >= 1 && number <= 360 && number == std::floor(number))
            from = int(number);
    } catch (const core::TypeMismatchError &) {
    }
    say(fromName,
        from ? QString() : u"\u201c%1\u201d is no payment number (1 to 360)"_s.arg(m_from->text()));
    if (!monthly || !from)
        return;
    m_extras.monthly = *monthly;
    m_extras.from = *from;
    recompute();
}

void ScheduleWindow::readOneOff(int row, const QString &text)
{
    const int number = row + 1;
    const QString what = u"Extra of payment %1"_s.arg(m_regional.toString(number));
    const std::optional<qint64> extra = amountOf(text);
    if (!extra) {
        // Kept in its cell as typed, to be mended there.
        m_model->setTypedExtra(row, text);
        say(what, u"\u201c%1\u201d is no amount of money"_s.arg(text));
        return;
    }
    m_model->setTypedExtra(row, QString());
    say(what, QString());
    if (text.trimmed().isEmpty())
        m_extras.oneOff.erase(number);
    else
        m_extras.oneOff[number] = *extra;
    recompute();
}

void ScheduleWindow::recompute()
{
    m_schedule = m_extras.any() ? core::WithExtras(m_without, m_extras) : m_without;
    m_model->setCells(core::ScheduleCells(m_schedule, m_regional));
    const core::SummaryLine savings = core::ScheduleSavings(m_schedule, m_without, m_regional);
    m_savingsLabel->setText(savings.label.isEmpty() ? QString() : savings.label + u':');
    m_savings->setText(savings.value);
    m_savingsLabel->setVisible(!savings.value.isEmpty());
    m_savings->setVisible(!savings.value.isEmpty());
    ShowInScheduleChart(m_chart, m_schedule, m_without, m_regional);
    m_pause->start();
}

void ScheduleWindow::announceSavings()
{
    const QString now =
        m_savings->text().isEmpty() ? QString() : m_savingsLabel->text() + u' ' + m_savings->text();
    if (now == m_announced || now.isEmpty())
        return;
    m_announced = now;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent news(m_savings, now);
    QAccessible::updateAccessibility(&news);
#else
    // No announcement before Qt 6.8: the line's name changes, which readers speak of a label
    // in the active window.
    m_savings->setAccessibleName(now);
    QAccessibleEvent changed(m_savings, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
#endif
}

void ScheduleWindow::copyTable() const
{
    auto *mime = new QMimeData;
    mime->setText(core::ScheduleTabSeparated(m_schedule, m_regional));
    mime->setHtml(core::ScheduleHtmlTable(m_schedule, m_regional));
    QApplication::clipboard()->setMimeData(mime);
}

} // namespace schedule
