#include "messageboxwatcher.h"
#include "runtime/errors.h"
#include "runtime/handlers.h"
#include "runtime/messages.h"

#include <QPushButton>
#include <QTest>

#include <stdexcept>

using namespace runtime;

class tst_Handlers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void reportsTheErrorAndGoesOn_data();
    void reportsTheErrorAndGoesOn();
    void unwindsTheHandler();
    void aConnectedHandlerRaising();
    void showMessage();
    void theWindowComesBackAfterMessagesInARow_data();
    void theWindowComesBackAfterMessagesInARow();
};

void tst_Handlers::cleanup()
{
    QVERIFY(noWindowLeftOpen());
}

void tst_Handlers::reportsTheErrorAndGoesOn_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expectedWords");
    QTest::newRow("not a number") << 0 << u"\u201Cabc\u201D is not a number"_qs;
    QTest::newRow("empty entry") << 1 << u"An entry is empty"_qs;
    QTest::newRow("arithmetic") << 2 << u"No payment can be computed for these entries"_qs;
    QTest::newRow("anything else") << 3 << u"Something went wrong"_qs;
}

void tst_Handlers::reportsTheErrorAndGoesOn()
{
    QFETCH(int, kind);
    QFETCH(QString, expectedWords);
    MessageBoxWatcher watcher;
    RunHandler([kind] {
        switch (kind) {
        case 0:
            throw TypeMismatchError(u"abc"_qs);
        case 1:
            throw TypeMismatchError(u"  "_qs);
        case 2:
            throw ArithmeticFault();
        default:
            throw std::runtime_error("unexpected");
        }
    });
    QCOMPARE(watcher.count(), 1);
    QVERIFY2(watcher.lastText().startsWith(expectedWords), qPrintable(watcher.lastText()));
    QVERIFY(watcher.messages().first().hasIcon);
}

void tst_Handlers::unwindsTheHandler()
{
    MessageBoxWatcher watcher;
    bool ranPastTheError = false;
    RunHandler([&] {
        throw ArithmeticFault();
        ranPastTheError = true;
    });
    QVERIFY(!ranPastTheError);
    bool ranAfterwards = false;
    RunHandler([&] { ranAfterwards = true; });
    QVERIFY(ranAfterwards);
    QCOMPARE(watcher.count(), 1);
}

namespace
{
class RaisingReceiver : public QObject
{
public:
    void handler()
    {
        ++calls;
        throw TypeMismatchError(u"x"_qs);
    }
    int calls = 0;
};
} // namespace

void tst_Handlers::aConnectedHandlerRaising()
{
    MessageBoxWatcher watcher;
    QPushButton button;
    RaisingReceiver receiver;
    ConnectHandler(&button, &QPushButton::clicked, &receiver, &RaisingReceiver::handler);
    button.click();
    button.click();
    QCOMPARE(receiver.calls, 2);
    QCOMPARE(watcher.count(), 2);
}

void tst_Handlers::showMessage()
{
    MessageBoxWatcher watcher;
    ShowMessage(u"The prompt"_qs, u"The title"_qs);
    QCOMPARE(watcher.count(), 1);
    const auto message = watcher.messages().first();
    QCOMPARE(message.title, u"The title"_qs);
    QCOMPARE(message.text, u"The prompt"_qs);
    QVERIFY(!message.hasIcon);
    QCOMPARE(message.buttonCount, 1);
}

void tst_Handlers::theWindowComesBackAfterMessagesInARow_data()
{
    QTest::addColumn<bool>("secondIsAnError");
    QTest::newRow("message, message") << false;
    QTest::newRow("message, error report") << true;
}

// The second box opens while the activation is still on its way back from the first; it must
// still belong to the window and hand the keyboard back to it when dismissed.
void tst_Handlers::theWindowComesBackAfterMessagesInARow()
{
    QFETCH(bool, secondIsAnError);
    MessageBoxWatcher watcher;
    QWidget window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    ShowMessage(u"First"_qs, u"Title"_qs);
    if (secondIsAnError)
        ReportRuntimeError(ArithmeticFault());
    else
        ShowMessage(u"Second"_qs, u"Title"_qs);

    QCOMPARE(watcher.count(), 2);
    QTRY_VERIFY(window.isActiveWindow());
}

QTEST_MAIN(tst_Handlers)
#include "tst_handlers.moc"
