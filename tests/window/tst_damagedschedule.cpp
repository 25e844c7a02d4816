// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The schedule asked for while its module is damaged. This test is built into a folder of its
// own, so the module it damages is a file beside it, never the one the program and the other
// tests load.

#include "form1.h"
#include "messageboxwatcher.h"
#include "schedulemodule.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_DamagedSchedule : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void reportsWhatFailed_data();
    void reportsWhatFailed();
};

namespace
{
bool scheduleShown()
{
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget *widget) {
        return widget->objectName() == u"PaymentSchedule" && widget->isVisible();
    });
}

// Puts the damage in place of the module; false when it cannot.
bool damage(const QString &how, const QString &module)
{
    QFile::remove(module);
    if (how == u"missing")
        return true;
    if (how == u"anotherLibrary") {
        // A library that loads, but is no module of this program.
        const QString library =
            QLibraryInfo::path(QLibraryInfo::LibrariesPath) + u"/libQt6Test.so.6"_s;
        return QFile::copy(library, module);
    }
    QFile file(module);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray content = how == u"empty" ? QByteArray() : "not a module\n"_ba;
    return file.write(content) == content.size();
}
} // namespace

void tst_DamagedSchedule::initTestCase()
{
    const QString module = QDir::cleanPath(ScheduleModule::fileName());
    const QString ownFolder = QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/.."_s);
    QVERIFY2(ownFolder.endsWith(u"/damagedschedule"_s) && module.startsWith(ownFolder + u'/'),
             qPrintable(module));
    QVERIFY(QDir().mkpath(QFileInfo(module).path()));
}

void tst_DamagedSchedule::reportsWhatFailed_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("fromResultBox");
    QTest::addColumn<QString>("focus");
    QTest::newRow("missing-Enter") << u"missing"_s << true << u"Picture1"_s;
    QTest::newRow("empty-Enter") << u"empty"_s << true << u"Picture1"_s;
    QTest::newRow("text-menu") << u"text"_s << false << u"Text1"_s;
    QTest::newRow("anotherLibrary-menu") << u"anotherLibrary"_s << false << u"Text1"_s;
}

// The title names what failed, the payment the activation calculated stays shown, and the focus
// is back where it was.
void tst_DamagedSchedule::reportsWhatFailed()
{
    QFETCH(QString, damage);
    QFETCH(bool, fromResultBox);
    QFETCH(QString, focus);
    QVERIFY(::damage(damage, ScheduleModule::fileName()));
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    form.Text1->setFocus();
    form.Text1->setText(u"150000"_s);
    const QStringList before = form.Picture1->lines();
    if (fromResultBox) {
        form.Picture1->setFocus();
        QTest::keyClick(form.Picture1, Qt::Key_Return);
    } else {
        form.Picture1->findChild<QAction *>(u"PaymentSchedule"_s)->trigger();
    }
    QTRY_COMPARE(watcher.count(), 1);
    QCOMPARE(watcher.messages().first().title, u"Cannot Show the Schedule"_s);
    QVERIFY(watcher.lastText().contains(u"reinstall"_s));
    QTRY_COMPARE(focusName(), focus);
    QVERIFY(!scheduleShown());
    const QStringList shown = form.Picture1->lines();
    QVERIFY(shown != before);
    form.CalculatePayment();
    QCOMPARE(form.Picture1->lines(), shown);
}

QTEST_MAIN(tst_DamagedSchedule)
#include "tst_damagedschedule.moc"
