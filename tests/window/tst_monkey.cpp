// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A monkey at the keyboard and the mouse of the real window: thousands of random user actions
// from a seed (printed; MONKEY_SEED replays one, MONKEY_ACTIONS sets how many), every message
// box dismissed as it appears. After each action the window must be alive and showing, have
// shown at most one message, hold in its result box either what it held before or exactly the
// payment for the entries it shows, and have the focus where the user sent it (back in the box
// that was being left, when a range message came).
#include "currency.h"
#include "errors.h"
#include "form1.h"
#include "messageboxwatcher.h"
#include "monthlypayment.h"
#include "numbers.h"
#include "windowtest.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <random>

class tst_Monkey : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void randomUserActions_data();
    void randomUserActions();
};

namespace
{

// The characters a person might type or paste into a number field, and some they should not.
const QString typedCharacters = u"0123456789012345678901234567890123456789..,,--+eE $%a "_qs;
const QString pastedExtras = u"\t\n\r\v\x01\x1b\x7f\u0000"_qs;
// Digits of other scripts, other blanks and minus signs, and a digit outside the basic plane.
const QStringList foreignCharacters = {u"\u0661"_qs, u"\u06f5"_qs,     u"\u0967"_qs, u"\uff11"_qs,
                                       u"\u00a0"_qs, u"\u202f"_qs,     u"\u2212"_qs, u"\u00b2"_qs,
                                       u"\u00e9"_qs, u"\U0001d7ce"_qs, u"\u066b"_qs, u"\u3000"_qs};
constexpr qsizetype longestPaste = 32767;

struct Field {
    QString box;
    QString prompt;
    double lower;
    double upper;
};
const Field fields[] = {
    {u"Text1"_qs, u"The Amount of Loan must be between  1000 and  1000000"_qs, 1000, 1000000},
    {u"Text2"_qs, u"The Annual Interest Rate must be between  0.05 and  0.25"_qs, 0.05, 0.25},
    {u"Text3"_qs, u"The Length of Loan (in months) must be between  1 and  360"_qs, 1, 360}};

const Field *fieldOf(const QString &box)
{
    const auto found = std::find_if(std::begin(fields), std::end(fields),
                                    [&](const Field &field) { return field.box == box; });
    return found == std::end(fields) ? nullptr : found;
}

// The focus chain of the window, in tab order.
const QStringList tabOrder = {u"Text1"_qs, u"Text2"_qs, u"Text3"_qs, u"Picture1"_qs,
                              u"Command1"_qs};

// The single keys the monkey presses: below which pick each comes (the previous row's bound
// and up), the key or, at random, its alternative, how far along the tab order the focus should
// move, and whether the key may change an entry.
struct KeyAction {
    int upTo;
    Qt::Key key;
    Qt::Key alternative;
    Qt::KeyboardModifiers modifiers;
    int tabSteps;
    bool mayEdit;
    const char *name;
};
const KeyAction keyActions[] = {
    {45, Qt::Key_A, Qt::Key_A, Qt::ControlModifier, 0, false, "select all"},
    {51, Qt::Key_Backspace, Qt::Key_Delete, Qt::NoModifier, 0, true, "erase"},
    {61, Qt::Key_Tab, Qt::Key_Tab, Qt::NoModifier, 1, false, "Tab"},
    {67, Qt::Key_Tab, Qt::Key_Tab, Qt::ShiftModifier, -1, false, "Shift+Tab"},
    {70, Qt::Key_Return, Qt::Key_Enter, Qt::NoModifier, 0, false, "Enter"},
    {73, Qt::Key_Escape, Qt::Key_Escape, Qt::NoModifier, 0, false, "Escape"},
};

// The clicks, after the keys: on one of some controls (taken from Monkey::m_clickable), which
// may take the focus and may run the calculation.
struct ClickAction {
    int upTo;
    int first;
    int count;
    bool takesFocus;
    bool calculates;
};
const ClickAction clickActions[] = {{80, 0, 1, true, true},    // Calculate
                                    {84, 1, 1, true, false},   // the result box
                                    {89, 2, 4, false, false},  // a caption
                                    {100, 6, 3, true, false}}; // an entry box

class Monkey
{
public:
    Monkey(Form1 &form, quint32 seed) : m_form(form), m_random(seed)
    {
        m_clickable = {form.Command1, form.Picture1, form.Label1, form.Label2, form.Label3,
                       form.Label4,   form.Text1,    form.Text2,  form.Text3};
    }

    // One random action. Returns what it did, for the report, and says where the focus should
    // go when no range message stops it, whether it may have run the calculation, and whether
    // it may have changed an entry.
    QString act(QString *focusTarget, bool *mayCalculate, bool *mayEdit);

    // Long pastes: all, those into an entry box, and those that arrived there whole, control
    // characters and all.
    struct {
        qsizetype all = 0;
        qsizetype intoBoxes = 0;
        qsizetype whole = 0;
    } longPastes;

private:
    int below(int n) { return int(m_random() % quint32(n)); }
    QString randomText(int length, bool forPaste);
    QString longText();

    Form1 &m_form;
    QList<QWidget *> m_clickable;
    std::mt19937 m_random;
};

// Typed texts are ASCII, as the keys of a US keyboard give; other characters come one by one
// (as an input method gives them) or in pastes, which also carry control characters.
QString Monkey::randomText(int length, bool forPaste)
{
    QString text;
    for (int i = 0; i < length; ++i) {
        const int pick = below(20);
        if (forPaste && pick == 0)
            text += pastedExtras[below(int(pastedExtras.size()))];
        else if (forPaste && pick == 1)
            text += foreignCharacters[below(int(foreignCharacters.size()))];
        else
            text += typedCharacters[below(int(typedCharacters.size()))];
    }
    return text;
}

QString Monkey::longText()
{
    ++longPastes.all;
    switch (below(4)) {
    case 0: // a number with more digits than any double holds
        return u'1' + QString(longestPaste - 1, u'0');
    case 1: // blanks, then a number in range of every field
        return QString(longestPaste - 4, u' ') + u"0.10"_qs;
    case 2: // tabs and line feeds between every digit
        return QString(longestPaste / 2, u'\t').replace(u'\t', u"\t7"_qs).left(longestPaste);
    default: {
        // Exactly as long as a box holds: a character outside the basic plane takes two units.
        QString text = randomText(int(longestPaste), true).left(longestPaste);
        if (text.back().isHighSurrogate())
            text.back() = u'0';
        return text;
    }
    }
}

QString Monkey::act(QString *focusTarget, bool *mayCalculate, bool *mayEdit)
{
    QWidget *const before = QApplication::focusWidget();
    const QString beforeName = before->objectName();
    const qsizetype position = tabOrder.indexOf(beforeName);
    *focusTarget = beforeName;
    *mayCalculate = false;
    *mayEdit = true;

    const int pick = below(125);
    if (pick >= 100) {
        // Now and then the user mends the entry, so that the calculation gets new numbers too.
        const Field *field = fieldOf(beforeName);
        if (!field)
            field = &fields[below(3)];
        const double share = below(4) == 0 ? below(2) : (m_random() % 10001) / 10000.0;
        const QString value =
            QString::number(field->lower + share * (field->upper - field->lower), 'g', 6);
        QTest::keyClick(before, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(before, value);
        return u"mend with "_qs + value;
    }
    if (pick < 30) {
        // On the button every space is a press of its own, so it gets one key at a time.
        const QString text = randomText(before == m_form.Command1 ? 1 : 1 + below(8), false);
        QTest::keyClicks(before, text);
        // A space on the focused button presses it.
        *mayCalculate = before == m_form.Command1 && text.contains(u' ');
        return u"type \""_qs + text + u'"';
    }
    if (pick < 34) {
        const QString character = foreignCharacters[below(int(foreignCharacters.size()))];
        QTest::sendKeyEvent(QTest::Click, before, Qt::Key_unknown, character, Qt::NoModifier);
        return u"type U+"_qs + QString::number(character.at(0).unicode(), 16);
    }
    if (pick < 39) {
        const bool huge = below(25) == 0;
        const QString text = huge ? longText() : randomText(1 + below(12), true);
        if (huge)
            QTest::keyClick(before, Qt::Key_A, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(before, Qt::Key_V, Qt::ControlModifier);
        if (auto *box = qobject_cast<runtime::EntryBox *>(before); box && huge) {
            ++longPastes.intoBoxes;
            longPastes.whole += box->text() == text;
        }
        return huge ? u"paste %1 characters"_qs.arg(text.size())
                    : u"paste \""_qs + QString(text).replace(u'\n', u"\\n"_qs) + u'"';
    }
    for (const KeyAction &action : keyActions) {
        if (pick >= action.upTo)
            continue;
        *mayEdit = action.mayEdit;
        const Qt::Key key =
            action.alternative == action.key || below(2) ? action.key : action.alternative;
        QTest::keyClick(before, key, action.modifiers);
        // Enter on the focused button presses it, as Space does.
        *mayCalculate = action.key == Qt::Key_Return && before == m_form.Command1;
        if (action.tabSteps != 0)
            *focusTarget =
                tabOrder[(position + tabOrder.size() + action.tabSteps) % tabOrder.size()];
        return QString::fromLatin1(action.name);
    }
    *mayEdit = false;
    const ClickAction &action = *std::find_if(std::begin(clickActions), std::end(clickActions),
                                              [&](const ClickAction &a) { return pick < a.upTo; });
    QWidget *const target =
        m_clickable[action.first + (action.count > 1 ? below(action.count) : 0)];
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
    if (action.takesFocus)
        *focusTarget = target->objectName();
    *mayCalculate = action.calculates;
    return u"click "_qs + target->objectName();
}

// The result box's one line for the entries shown, or nothing when they have no payment.
QStringList paymentShownFor(const Form1 &form)
{
    try {
        return {core::CurrencyText(core::PaymentFor(form.Text1->text(), form.Text2->text(),
                                                    form.Text3->text(), unitedStates()),
                                   unitedStates())};
    } catch (const core::RuntimeError &) {
        return {};
    }
}

// The box a report of the entries shown points at: the first one, in the order they are read,
// that is not a number; nothing when no single entry is to blame.
QString boxToMend(const Form1 &form)
{
    try {
        core::PaymentFor(form.Text1->text(), form.Text2->text(), form.Text3->text(),
                         unitedStates());
    } catch (const core::TypeMismatchError &error) {
        switch (error.field()) {
        case core::EntryField::Amount:
            return QStringLiteral("Text1");
        case core::EntryField::Rate:
            return QStringLiteral("Text2");
        case core::EntryField::Months:
            return QStringLiteral("Text3");
        case core::EntryField::Unknown:
            break;
        }
    } catch (const core::RuntimeError &) {
    }
    return {};
}

QtMessageHandler testlibHandler = nullptr;

// The headless platform warns about every message box it opens, the font database about every
// script it has no shaping for; thousands of those would bury the monkey's own report.
void withoutToolkitNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && (message.contains(u"propagateSizeHints"_qs) ||
                                 message.contains(u"OpenType support missing"_qs)))
        return;
    testlibHandler(type, context, message);
}

quint32 environmentNumber(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

} // namespace

void tst_Monkey::randomUserActions_data()
{
    QTest::addColumn<MessageBoxWatcher::Reactivation>("reactivation");
    QTest::newRow("reactivated later") << MessageBoxWatcher::Reactivation::Later;
    QTest::newRow("reactivated at once") << MessageBoxWatcher::Reactivation::AtOnce;
}

void tst_Monkey::randomUserActions()
{
    QFETCH(MessageBoxWatcher::Reactivation, reactivation);
    const quint32 seed = environmentNumber("MONKEY_SEED", 20261208);
    const quint32 actions = environmentNumber("MONKEY_ACTIONS", 10000);
    qInfo("monkey: seed %u (replay with MONKEY_SEED=%u), %u actions", seed, seed, actions);

    testlibHandler = qInstallMessageHandler(withoutToolkitNoise);
    const auto restoreHandler = qScopeGuard([] { qInstallMessageHandler(testlibHandler); });
    MessageBoxWatcher watcher(reactivation);
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    Monkey monkey(form, seed);
    QStringList recent;
    qsizetype rangeMessages = 0;
    qsizetype calculationMessages = 0;
    qsizetype newPayments = 0;

    for (quint32 action = 1; action <= actions; ++action) {
        const QStringList shownBefore = form.Picture1->lines();
        const qsizetype messagesBefore = watcher.count();
        const QString leaving = focusName();
        const Field *leftField = fieldOf(leaving);
        const double leftValue =
            leftField ? core::LeadingValue(form.findChild<QLineEdit *>(leaving)->text()) : 0;
        const bool leftInBounds =
            !leftField || (leftValue >= leftField->lower && leftValue <= leftField->upper);
        const auto entries = [&] {
            return QStringList{form.Text1->text(), form.Text2->text(), form.Text3->text()};
        };
        const QStringList entriesBefore = entries();
        QString focusTarget;
        bool mayCalculate = false;
        bool mayEdit = false;
        const QString done = monkey.act(&focusTarget, &mayCalculate, &mayEdit);
        recent.append(u"%1: %2"_qs.arg(action).arg(done.left(60)));
        if (recent.size() > 8)
            recent.removeFirst();
        const auto where = [&](const QString &detail = QString()) {
            return u"seed %1, action %2 of the last ones:\n  %3\n%4"_qs.arg(seed)
                .arg(action)
                .arg(recent.join(u"\n  "_qs), detail)
                .toUtf8();
        };

        // Settled: any message has been dismissed and the window has the activation back.
        QTRY_VERIFY2(form.isActiveWindow() && QApplication::focusWidget(), where().constData());
        QVERIFY2(form.isVisible() && !QApplication::activeModalWidget(), where().constData());

        const qsizetype messages = watcher.count() - messagesBefore;
        QVERIFY2(messages <= 1, where(u"messages: %1"_qs.arg(messages)).constData());
        const bool leftTheBox = focusTarget != leaving;
        const QString focus = u"focus in "_qs + focusName();
        if (messages == 1 && watcher.messages().last().title == u"Invalid Parameter"_qs) {
            ++rangeMessages;
            // Only leaving an out-of-range box brings the range message, and the focus back.
            QVERIFY2(leftTheBox && !leftInBounds, where().constData());
            QCOMPARE(watcher.lastText(), leftField->prompt);
            QVERIFY2(focusName() == leaving, where(focus).constData());
        } else {
            QVERIFY2(!leftTheBox || leftInBounds, where(u"no range message"_qs).constData());
            // A report about one entry leaves the focus in its box, for the user to mend it.
            const QString mend = messages == 1 ? boxToMend(form) : QString();
            const QString expectedFocus = mend.isEmpty() ? focusTarget : mend;
            QVERIFY2(focusName() == expectedFocus,
                     where(focus + u", expected "_qs + expectedFocus).constData());
            if (messages == 1) {
                ++calculationMessages;
                QCOMPARE(watcher.messages().last().title, u"Cannot Calculate"_qs);
                QVERIFY2(mayCalculate && paymentShownFor(form).isEmpty(), where().constData());
            }
        }
        // The program never changes an entry; only the user's typing does.
        QVERIFY2(mayEdit || entries() == entriesBefore, where(u"an entry changed"_qs).constData());

        const QStringList shown = form.Picture1->lines();
        const QStringList payment = paymentShownFor(form);
        const QString inTheBox = u"result box: "_qs + shown.join(u'|');
        // A calculation the user surely asked for, with a payment to show, shows it.
        if (mayCalculate && messages == 0 && !payment.isEmpty())
            QVERIFY2(shown == payment, where(inTheBox).constData());
        newPayments += shown != shownBefore;
        QVERIFY2(shown == shownBefore || (mayCalculate && !payment.isEmpty() && shown == payment),
                 where(inTheBox + u", before: "_qs + shownBefore.join(u'|')).constData());
    }
    qInfo("monkey: %u actions, %lld messages (%lld range, %lld calculation), %lld new payments "
          "shown, %lld long pastes (%lld into an entry box)",
          actions, qlonglong(watcher.count()), qlonglong(rangeMessages),
          qlonglong(calculationMessages), qlonglong(newPayments), qlonglong(monkey.longPastes.all),
          qlonglong(monkey.longPastes.intoBoxes));
    QCOMPARE(monkey.longPastes.whole, monkey.longPastes.intoBoxes);
}

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"
