// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedulewindow.h"

#include "schedulechart.h"
#include "schedulemodel.h"
#include "scheduletext.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace schedule
{

ScheduleWindow::ScheduleWindow(const core::Schedule &schedule, const QLocale &regional,
                               QWidget *parent)
    : QDialog(parent), m_schedule(schedule), m_regional(regional), m_table(new QTableView(this)),
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

    m_table->setObjectName(u"ScheduleTable"_s);
    m_table->setAccessibleName(u"Payments"_s);
    m_table->setModel(
        new ScheduleModel(core::ScheduleHeader(), core::ScheduleCells(schedule, regional), this));
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
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

    auto *body = new QHBoxLayout;
    body->addWidget(m_table);
    body->addWidget(m_chart, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(summary);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    // The table shows all its columns without a horizontal scroll bar. The widest cell of a
    // column is its longest text (the total, the first balance), measured once, not per row.
    const QList<QStringList> cells = core::ScheduleCells(schedule, regional);
    const QStringList header = core::ScheduleHeader();
    const QFontMetrics cellMetrics(m_table->font());
    QFont bold = m_table->font();
    bold.setBold(true);
    const QFontMetrics totalMetrics(bold);
    const int padding = 2 * (m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 8;
    int tableWidth = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < header.size(); ++column) {
        int widest = m_table->horizontalHeader()->sectionSizeHint(column);
        for (qsizetype row = 0; row < cells.size(); ++row) {
            const QFontMetrics &metrics = row + 1 == cells.size() ? totalMetrics : cellMetrics;
            widest =
                std::max(widest, metrics.horizontalAdvance(cells.at(row).at(column)) + padding);
        }
        m_table->setColumnWidth(column, widest);
        tableWidth += widest;
    }
    m_table->setFixedWidth(tableWidth);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    setAttribute(Qt::WA_DeleteOnClose);
    // Room for the table and the chart on a 1024 x 768 screen, title bar and panels included.
    resize(QSize(tableWidth + 520, 600).boundedTo(QSize(980, 680)));
    m_table->setFocus();
}

void ScheduleWindow::copyTable() const
{
    auto *mime = new QMimeData;
    mime->setText(core::ScheduleTabSeparated(m_schedule, m_regional));
    mime->setHtml(core::ScheduleHtmlTable(m_schedule, m_regional));
    QApplication::clipboard()->setMimeData(mime);
}

} // namespace schedule
