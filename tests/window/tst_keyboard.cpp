// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
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
    void contextMenuKeys_data();
    void contextMenuKeys();
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

void tst_Keyboard::contextMenuKeys_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("entry box") << u"Text2"_s;
    QTest::newRow("result box") << u"Picture1"_s;
}

// Shift+F10 opens the focused box's context menu where the Menu key does, at the box.
void tst_Keyboard::contextMenuKeys()
{
    QFETCH(QString, box);
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    auto *focused = form.findChild<QWidget *>(box);
    QVERIFY(focused);
    focused->setFocus(Qt::TabFocusReason);
    const QString textBefore = focused->property("text").toString();

    // Where each key opened a menu, and the menu's items.
    QList<QPoint> openedAt;
    QList<QStringList> items;
    for (const bool menuKey : {true, false}) {
        bool seen = false;
        // Looked for from inside the menu's own event loop where it has one.
        QTimer lookForMenu;
        connect(&lookForMenu, &QTimer::timeout, &form, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            lookForMenu.stop();
            seen = true;
            openedAt.append(menu->pos());
            QStringList names;
            for (const QAction *action : menu->actions())
                names.append(action->text().remove(u'&').section(u'\t', 0, 0));
            items.append(names);
            menu->close();
        });
        lookForMenu.start(0);
        if (menuKey) {
            // What the window system makes of the Menu key: a request from the keyboard for a
            // context menu, to the window.
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
            QApplication::sendEvent(form.windowHandle(), &request);
        } else {
            // Through the window, as the window system delivers a key.
            QTest::keyClick(form.windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
        }
        QTRY_VERIFY(seen);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        // The window takes the activation back from the menu (the headless platform leaves
        // that to the program), with the focus where it was.
        form.activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), focused);
    }
    QCOMPARE(items.last(), items.first());
    QVERIFY(items.first().contains(u"Copy"_s));
    QCOMPARE(openedAt.last(), openedAt.first());
    QVERIFY2(QRect(focused->mapToGlobal(QPoint()), focused->size()).contains(openedAt.last()),
             "the menu opens at the box");
    QCOMPARE(focused->property("text").toString(), textBefore);
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
