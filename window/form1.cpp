// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "captionfont.h"
#include "handlers.h"
#include "layout.h"
#include "rangecheck.h"
#include "schedule.h"

#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWindow>

using runtime::ConnectHandler;

Form1::Form1(const runtime::RegionalSettings &regional, QWidget *parent)
    : QWidget(parent), Text1(new runtime::EntryBox(QStringLiteral("120000"), this)),
      Label1(new QLabel(QStringLiteral("Amount of Loan"), this)),
      Label2(new QLabel(QStringLiteral("Annual Interest Rate"), this)),
      Text2(new runtime::EntryBox(QStringLiteral("0.10"), this)),
      Text3(new runtime::EntryBox(QStringLiteral("36"), this)),
      Label3(new QLabel(QStringLiteral("Length of Loan (in months)"), this)),
      Picture1(new runtime::ResultBox(this)),
      Label4(new QLabel(QStringLiteral("Your monthly payment is"), this)),
      Command1(new QPushButton(QStringLiteral("Calculate"), this)), Line1(new QFrame(this)),
      m_regional(regional),
      m_fields{
          {{core::EntryField::Amount, Text1, QStringLiteral("Amount of Loan"), 1000, 1000000},
           {core::EntryField::Rate, Text2, QStringLiteral("Annual Interest Rate"), 0.05, 0.25},
           {core::EntryField::Months, Text3, QStringLiteral("Length of Loan (in months)"), 1, 360}}}
{
    setWindowTitle(QStringLiteral("Ombrel - Mortgage Calculator"));

    // Object names as in the form description, for test tools and accessibility inspectors.
    const std::pair<QWidget *, const char16_t *> names[] = {
        {Text1, u"Text1"},       {Label1, u"Label1"}, {Label2, u"Label2"},     {Text2, u"Text2"},
        {Text3, u"Text3"},       {Label3, u"Label3"}, {Picture1, u"Picture1"}, {Label4, u"Label4"},
        {Command1, u"Command1"}, {Line1, u"Line1"}};
    for (const auto &[control, name] : names)
        control->setObjectName(QString::fromUtf16(name));

    // Screen readers announce each box by its caption.
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label3->setBuddy(Text3);
    Label4->setBuddy(Picture1);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    // A rule one logical pixel high filled whole in the text colour: a drawn line of width one
    // would cover only half of it at twice the scale, and blur at fractional scales.
    Line1->setBackgroundRole(QPalette::WindowText);
    Line1->setAutoFillBackground(true);
    Command1->installEventFilter(this);
    Picture1->installEventFilter(this);

    // After an entry that is no number has been reported, the user mends it where it stands.
    const auto focusField = [this](core::EntryField field) { FocusField(field); };
    ConnectHandler(Command1, &QPushButton::clicked, this, &Form1::Command1_Click, focusField);
    ConnectHandler(Text1, &runtime::EntryBox::leftByUser, this, &Form1::Text1_LostFocus);
    ConnectHandler(Text2, &runtime::EntryBox::leftByUser, this, &Form1::Text2_LostFocus);
    ConnectHandler(Text3, &runtime::EntryBox::leftByUser, this, &Form1::Text3_LostFocus);
    // The payment schedule, from the result box: its context menu (below Copy), Enter, Space
    // and a double click.
    auto *schedule = new QAction(QStringLiteral("Payment &Schedule\u2026"), Picture1);
    schedule->setObjectName(QStringLiteral("PaymentSchedule"));
    Picture1->addAction(schedule);
    Picture1->setAccessibleDescription(QStringLiteral("Press Enter for the payment schedule"));
    ConnectHandler(schedule, &QAction::triggered, this, &Form1::Picture1_Activate, focusField);
    ConnectHandler(Picture1, &runtime::ResultBox::activated, this, &Form1::Picture1_Activate,
                   focusField);

    setFixedSize(layout::inPixels(layout::ClientArea).size());
    // The layout is absolute, so a maximise button would only enlarge empty space.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    Text1->setGeometry(layout::inPixels(layout::Text1));
    Label1->setGeometry(layout::inPixels(layout::Label1));
    Label2->setGeometry(layout::inPixels(layout::Label2));
    Text2->setGeometry(layout::inPixels(layout::Text2));
    Text3->setGeometry(layout::inPixels(layout::Text3));
    Label3->setGeometry(layout::inPixels(layout::Label3));
    Picture1->setGeometry(layout::inPixels(layout::Picture1));
    Label4->setGeometry(layout::inPixels(layout::Label4));
    Command1->setGeometry(layout::inPixels(layout::Command1));
    Line1->setGeometry(layout::inPixels(layout::Line1));
    // The geometry is fixed in pixels, so the type must fit it: every caption whole, clear of
    // the box it names, in whatever sans-serif face the system has.
    const QLabel *const captions[] = {Label1, Label2, Label3, Label4};
    QList<runtime::CaptionRoom> rooms;
    for (const QLabel *caption : captions)
        rooms.append({caption->text(), RoomForCaption(*caption)});
    rooms.append(
        {Command1->text(), layout::inPixels(layout::Command1).width() - 2 * ButtonPadding});
    setFont(runtime::CaptionFont(QStringLiteral("DejaVu Sans"), 11, 8, rooms));

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Picture1);
    setTabOrder(Picture1, Command1);
    runtime::GiveFocus(*Text1);

    runtime::RunHandler([this] { Form_Load(); }, focusField);
}

int Form1::RoomForCaption(const QLabel &caption)
{
    // Up to its own right edge, and short of its box by a clear gap.
    const QRect label = caption.geometry();
    return qMin(label.width(), caption.buddy()->x() - CaptionGap - label.left());
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // A press on Calculate first takes the focus to the button. When the box being left refuses
    // that (its range message came and the focus went back to it), the press is spent on the
    // message: pressing the button as well would calculate with the entry the user has just
    // been asked to correct, and bring a second message when it is no number at all.
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == Command1 && press && event->spontaneous() &&
        (Command1->focusPolicy() & Qt::ClickFocus) && focusWidget() != Command1)
        return true;
    // Enter on the focused button presses it, as Space does; the button is never the window's
    // default one, so Enter in an entry box still presses nothing. Held down, it presses once,
    // as Space does: its repeats are spent.
    if (watched == Command1 && event->type() == QEvent::KeyPress) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter) {
            if (!keyEvent->isAutoRepeat())
                Command1->click();
            return true;
        }
    }
    // The user is heading for the schedule: its module is loaded while the hand is still on its
    // way to the key, never during start-up.
    if (watched == Picture1 && (event->type() == QEvent::FocusIn || event->type() == QEvent::Enter))
        QTimer::singleShot(0, this, [this] { m_scheduleModule.preload(); });
    return QWidget::eventFilter(watched, event);
}

bool Form1::event(QEvent *event)
{
    // The schedules belong to this window: they go with it.
    if (event->type() == QEvent::Close) {
        for (const auto &[loan, window] : m_schedules) {
            if (window)
                window->close();
        }
    }
    // Where the toolkit draws the title bar itself (Wayland compositors that leave decorations to
    // their clients), it offers a maximise button whatever the window's flags, and a compositor
    // that maximises the window anyway ends the connection of a window that then does not take
    // the size it was given. So the window may grow while maximised, at once when asked, before
    // the compositor's answer comes; the controls keep their places.
    if (event->type() == QEvent::WinIdChange && windowHandle())
        connect(windowHandle(), &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (state == Qt::WindowMaximized)
                setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        });
    // Back to its one size only once the window system says it is no longer maximised.
    if (event->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMaximized))
        setFixedSize(layout::inPixels(layout::ClientArea).size());
    return QWidget::event(event);
}

bool Form1::focusNextPrevChild(bool next)
{
    // Tab out of a box checks its entry before the focus moves: the toolkit gives the next
    // control the focus before the box hears it has lost it (Qt 6.4 and 6.8 alike), so a range
    // message coming then would give the window back with the focus there, and a screen reader
    // would announce that control on the way back to the box.
    for (const FieldSpec &field : m_fields) {
        if (field.box->hasFocus() && !AcceptField(field))
            return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void Form1::CalculatePayment()
{
    Calculate();
}

loan::CalculatedPayment Form1::Calculate()
{
    return loan::CalculatePayment(*Text1, *Text2, *Text3, *Picture1, m_regional,
                                  {m_fields[0].name, m_fields[1].name, m_fields[2].name});
}

bool Form1::CheckRange(double lowerBound, double upperBound, const QString &entry,
                       const QString &fieldName, const QWidget *box)
{
    return loan::CheckRange(lowerBound, upperBound, entry, fieldName, box);
}

void Form1::Form_Load()
{
    CalculatePayment();
}

void Form1::Command1_Click()
{
    CalculatePayment();
}

void Form1::Text1_LostFocus()
{
    LeaveField(m_fields[0]);
}

void Form1::Text2_LostFocus()
{
    LeaveField(m_fields[1]);
}

void Form1::Text3_LostFocus()
{
    LeaveField(m_fields[2]);
}

void Form1::LeaveField(const FieldSpec &field)
{
    AcceptField(field);
}

bool Form1::AcceptField(const FieldSpec &field)
{
    // The focus changes this check causes itself (the message box taking the window's
    // activation, the focus given back below, which makes the box that had just received the
    // focus lose it again) are not the user leaving a box: checking them would alternate
    // messages between two boxes without end.
    if (m_checkingField)
        return true;
    const QScopedValueRollback checking(m_checkingField, true);
    // The message is about this box, which it must not hide.
    if (CheckRange(field.lowerBound, field.upperBound, runtime::ReadText(*field.box), field.name,
                   field.box))
        return true;
    runtime::GiveFocus(*field.box);
    return false;
}

void Form1::FocusField(core::EntryField field)
{
    for (const FieldSpec &spec : m_fields) {
        if (spec.field == field)
            runtime::GiveFocus(*spec.box);
    }
}

void Form1::Picture1_Activate()
{
    const loan::CalculatedPayment read = Calculate();
    // The numbers the calculation read, not the leading numbers a range check on leaving reads:
    // "3,600" months is 3 to that check, but a schedule of 3,600 payments to this one.
    const double values[] = {read.amount, read.rate, read.months};
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const FieldSpec &field = m_fields[i];
        if (!loan::WithinBounds(values[i], field.lowerBound, field.upperBound)) {
            loan::ReportOutOfRange(field.lowerBound, field.upperBound, field.name, field.box);
            runtime::GiveFocus(*field.box);
            return;
        }
    }
    QPointer<QDialog> &open = m_schedules[{read.amount, read.rate, read.months}];
    if (open) {
        open->raise();
        open->activateWindow();
        return;
    }
    const core::Schedule schedule =
        core::AmortisationSchedule(read.amount, read.rate, read.months, read.payment,
                                   core::CurrencyDecimals(m_regional.money));
    QDialog *window =
        m_scheduleModule.views().create(schedule, m_regional.money, m_regional.numbers, this);
    // Not every window system gives the activation back when a window closes (none does without
    // a window manager); the focus then goes back to where it was.
    connect(window, &QDialog::finished, this, [this] { activateWindow(); });
    // Clear of the last one opened, so that neither hides the other exactly.
    QDialog *previous = nullptr;
    for (const auto &[loan, shown] : m_schedules) {
        if (shown && (!previous || shown->pos().y() > previous->pos().y()))
            previous = shown;
    }
    open = window;
    window->show();
    if (previous)
        window->move(previous->pos() + QPoint(32, 32));
}
