// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "windowtest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class tst_Keyboard : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void heldKeyPressesOnce_data();
    void heldKeyPressesOnce();
};

namespace
{
// One key event, sent where the keyboard goes in `window`: its focused control, else itself.
void sendKey(QWidget *window, QEvent::Type type, int key, bool autoRepeat)
{
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    const QString text = key == Qt::Key_Space ? u" "_s : key == Qt::Key_Tab ? QString() : u"\r"_s;
    QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(target, &event);
}

// A key held down, as the keyboard sends it: a press, repeats while it is down, a release.
void holdKey(QWidget *window, int key)
{
    sendKey(window, QEvent::KeyPress, key, false);
    for (int i = 0; i < 10; ++i) {
        sendKey(window, QEvent::KeyRelease, key, true);
        sendKey(window, QEvent::KeyPress, key, true);
    }
    sendKey(window, QEvent::KeyRelease, key, false);
}

// Stands in for a user still holding `key` when a message box opens: the box gets the key's
// repeats first and then, while it is still open, a fresh press of Return.
class HeldIntoBoxes : public QObject
{
public:
    explicit HeldIntoBoxes(int key) : m_key(key) { qApp->installEventFilter(this); }
    ~HeldIntoBoxes() override { qApp->removeEventFilter(this); }

    int opened = 0;
    int answeredByRepeats = 0;
    int leftOpen = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (!box || event->type() != QEvent::Show)
            return false;
        ++opened;
        QTimer::singleShot(0, box, [this, box] {
            for (int i = 0; i < 10 && box->isVisible(); ++i) {
                sendKey(box, QEvent::KeyPress, m_key, true);
                sendKey(box, QEvent::KeyRelease, m_key, true);
            }
            if (!box->isVisible()) {
                ++answeredByRepeats;
                return;
            }
            sendKey(box, QEvent::KeyPress, Qt::Key_Return, false);
            sendKey(box, QEvent::KeyRelease, Qt::Key_Return, false);
            if (box->isVisible()) {
                ++leftOpen;
                box->reject();
            }
        });
        return false;
    }

private:
    int m_key;
};
} // namespace

void tst_Keyboard::heldKeyPressesOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("months");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Return") << int(Qt::Key_Return) << u"12"_s << 0 << u"$10,549.91"_s;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << u"12"_s << 0 << u"$10,549.91"_s;
    QTest::newRow("Space") << int(Qt::Key_Space) << u"12"_s << 0 << u"$10,549.91"_s;
    QTest::newRow("Return, no number") << int(Qt::Key_Return) << u"36x"_s << 1 << u"$3,872.06"_s;
    QTest::newRow("Enter, no number") << int(Qt::Key_Enter) << u"36x"_s << 1 << u"$3,872.06"_s;
    QTest::newRow("Space, no number") << int(Qt::Key_Space) << u"36x"_s << 1 << u"$3,872.06"_s;
}

// A key held on Calculate presses it once, and the message it brings waits for a fresh key.
void tst_Keyboard::heldKeyPressesOnce()
{
    QFETCH(int, key);
    QFETCH(QString, months);
    QFETCH(int, messages);
    QFETCH(QString, shown);
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Text3->setText(months);
    form.Command1->setFocus(Qt::TabFocusReason);
    QSignalSpy clicks(form.Command1, &QPushButton::clicked);
    HeldIntoBoxes holding(key);

    holdKey(&form, key);

    QCOMPARE(clicks.count(), 1);
    QCOMPARE(holding.opened, messages);
    QCOMPARE(holding.answeredByRepeats, 0);
    QCOMPARE(holding.leftOpen, 0);
    QCOMPARE(form.Picture1->lines(), QStringList{shown});
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
