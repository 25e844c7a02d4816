#include "loan/rangecheck.h"
#include "messageboxwatcher.h"
#include "windowtest.h"

#include <QTest>

class tst_RangeCheck : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void checkRange_data();
    void checkRange();
    void prompt_data();
    void prompt();
};

void tst_RangeCheck::checkRange_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("within");

    const QString amount = u"Amount of Loan"_qs;
    const QString rate = u"Annual Interest Rate"_qs;
    const QString months = u"Length of Loan (in months)"_qs;
    QTest::newRow("amount low bound") << amount << 1000.0 << 1000000.0 << u"1000"_qs << true;
    QTest::newRow("amount high bound") << amount << 1000.0 << 1000000.0 << u"1000000"_qs << true;
    QTest::newRow("amount below") << amount << 1000.0 << 1000000.0 << u"999"_qs << false;
    QTest::newRow("amount above") << amount << 1000.0 << 1000000.0 << u"1000000.01"_qs << false;
    QTest::newRow("amount grouped") << amount << 1000.0 << 1000000.0 << u"120,000"_qs << false;
    QTest::newRow("amount empty") << amount << 1000.0 << 1000000.0 << QString() << false;
    QTest::newRow("amount overflow") << amount << 1000.0 << 1000000.0 << u"1e400"_qs << false;
    QTest::newRow("rate low bound") << rate << 0.05 << 0.25 << u"0.05"_qs << true;
    QTest::newRow("rate high bound") << rate << 0.05 << 0.25 << u".25"_qs << true;
    QTest::newRow("rate as percent") << rate << 0.05 << 0.25 << u"10"_qs << false;
    QTest::newRow("months with unit") << months << 1.0 << 360.0 << u"36 months"_qs << true;
    QTest::newRow("months negative") << months << 1.0 << 360.0 << u"-36"_qs << false;
    QTest::newRow("negative bound") << u"Change"_qs << -5.0 << 0.5 << u"-6"_qs << false;
}

void tst_RangeCheck::checkRange()
{
    QFETCH(QString, field);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(QString, entry);
    QFETCH(bool, within);

    MessageBoxWatcher watcher;
    const QString entryBefore = entry;
    QCOMPARE(loan::CheckRange(lower, upper, entry, field), within);
    QCOMPARE(entry, entryBefore);
    QCOMPARE(watcher.count(), within ? 0 : 1);
    if (!within) {
        const auto message = watcher.messages().first();
        QCOMPARE(message.title, u"Invalid Parameter"_qs);
        QVERIFY(message.text.startsWith(u"The "_qs + field + u" must be between "_qs));
        QVERIFY(!message.hasIcon);
        QCOMPARE(message.buttonCount, 1);
    }
}

void tst_RangeCheck::prompt_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<QString>("expected");

    QTest::newRow("amount") << u"Amount of Loan"_qs << 1000.0 << 1000000.0
                            << u"The Amount of Loan must be between  1000 and  1000000"_qs;
    QTest::newRow("rate") << u"Annual Interest Rate"_qs << 0.05 << 0.25
                          << u"The Annual Interest Rate must be between  0.05 and  0.25"_qs;
    QTest::newRow("months") << u"Length of Loan (in months)"_qs << 1.0 << 360.0
                            << u"The Length of Loan (in months) must be between  1 and  360"_qs;
    QTest::newRow("negative bound")
        << u"Change"_qs << -5.0 << 0.5 << u"The Change must be between -5 and  0.5"_qs;
}

void tst_RangeCheck::prompt()
{
    QFETCH(QString, field);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(QString, expected);
    MessageBoxWatcher watcher;
    QVERIFY(!loan::CheckRange(lower, upper, u"1e9"_qs, field));
    QCOMPARE(watcher.count(), 1);
    QCOMPARE(watcher.lastText(), expected);
}

QTEST_MAIN(tst_RangeCheck)
#include "tst_rangecheck.moc"
