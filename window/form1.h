// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's one window: three entry boxes with their captions, the Calculate button and the
// result box. Loading the window and clicking Calculate compute the payment; leaving an entry
// box checks its entry against the field's bounds and, when it is out of them, brings the
// focus back to the box. Activating the result box (Enter, Space, a double click, or Payment
// Schedule in its context menu) calculates as Calculate does and, when the numbers read lie
// within the fields' bounds, opens the payment schedule; otherwise the first field out of them
// gets its range message and the focus.
//
// The delicate part is the modal range message shown from inside a focus change. Its invariant:
// one user action that leaves a box out of range brings exactly one message, and afterwards
// the focus is back in that box with its entry unchanged and nothing calculated. Four pieces
// keep it, and each is needed:
// - a Tab out of a box checks the entry before the focus moves (focusNextPrevChild), so a
//   refused Tab never passes the focus through the next control on its way back, which a
//   screen reader would announce;
// - a re-entry guard (AcceptField): the focus changes the check causes itself (the message box
//   taking the activation, the focus given back, which makes the box that had just received
//   the focus lose it again) are not the user leaving a box, so two out-of-range boxes can
//   never alternate messages;
// - a filter on Calculate (eventFilter): a press whose focus change the check refused is spent
//   on the message, so it never calculates with the entry the user was just asked to correct;
// - the reactivation after a message (runtime/messages.cpp): the window takes the activation
//   back when the box closes, where the window system does not, so the keyboard is never left
//   typing nowhere.
#pragma once

#include "entrybox.h"
#include "errors.h"
#include "payment.h"
#include "regionalsettings.h"
#include "resultbox.h"
#include "schedulemodule.h"

#include <QWidget>

#include <QPointer>

#include <array>
#include <map>
#include <tuple>

class QFrame;
class QLabel;
class QPushButton;

// An entry field: which one it is, its box, the name its messages use, and its inclusive bounds.
struct FieldSpec {
    core::EntryField field;
    runtime::EntryBox *box;
    QString name;
    double lowerBound;
    double upperBound;
};

class Form1 : public QWidget
{
    Q_OBJECT
public:
    // The regional settings the window reads numbers and writes money by.
    explicit Form1(const runtime::RegionalSettings &regional, QWidget *parent = nullptr);

    void CalculatePayment();
    // `box`, where given, is the box the entry comes from, which the message keeps in view.
    bool CheckRange(double lowerBound, double upperBound, const QString &entry,
                    const QString &fieldName, const QWidget *box = nullptr);

    // The controls, under the names of the form description; the window owns them.
    runtime::EntryBox *const Text1;
    QLabel *const Label1;
    QLabel *const Label2;
    runtime::EntryBox *const Text2;
    runtime::EntryBox *const Text3;
    QLabel *const Label3;
    runtime::ResultBox *const Picture1;
    QLabel *const Label4;
    QPushButton *const Command1;
    QFrame *const Line1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void Form_Load();
    void Command1_Click();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void LeaveField(const FieldSpec &field);
    bool AcceptField(const FieldSpec &field);
    void FocusField(core::EntryField field);
    void Picture1_Activate();
    loan::CalculatedPayment Calculate();

    // Pixels left free between a caption and the box it names, and inside the button on each
    // side of its caption.
    static constexpr int CaptionGap = 2;
    static constexpr int ButtonPadding = 6;
    // The width the caption's text may take: within its label, and short of its box by the gap.
    static int RoomForCaption(const QLabel &caption);

    const runtime::RegionalSettings m_regional;
    const std::array<FieldSpec, 3> m_fields;
    bool m_checkingField = false;
    ScheduleModule m_scheduleModule;
    // The open schedules, by the amount, rate and months they were opened for.
    std::map<std::tuple<double, double, double>, QPointer<QDialog>> m_schedules;
};
