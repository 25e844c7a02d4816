// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "currency.h"
#include "form1.h"
#include "messageboxwatcher.h"
#include "monthlypayment.h"
#include "regionalsettings.h"
#include "windowtest.h"

#include <QProcessEnvironment>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_RegionalSettings : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void fromTheEnvironment_data();
    void fromTheEnvironment();
};

void tst_RegionalSettings::fromTheEnvironment_data()
{
    // The locale variables, as NAME=value.
    QTest::addColumn<QStringList>("variables");
    // The amount of the initial entries, as the settings for numbers group it; empty where it is
    // what the named locale itself writes, which for some locales changes between the toolkit's
    // releases.
    QTest::addColumn<QString>("amount");
    // The payment of the initial entries as the window shows it; empty where it is what the
    // named locale itself writes.
    QTest::addColumn<QString>("shown");

    const QString euro = u"3.872,06\u00a0\u20ac"_s;
    const QString dollar = u"$3,872.06"_s;
    QTest::newRow("en texts, de formats")
        << QStringList{u"LANG=en_US.UTF-8"_s, u"LC_NUMERIC=de_DE.UTF-8"_s,
                       u"LC_MONETARY=de_DE.UTF-8"_s}
        << u"120.000"_s << euro;
    QTest::newRow("de numbers, us money")
        << QStringList{u"LC_NUMERIC=de_DE.UTF-8"_s, u"LC_MONETARY=en_US.UTF-8"_s} << u"120.000"_s
        << dollar;
    QTest::newRow("us numbers, de money")
        << QStringList{u"LANG=de_DE.UTF-8"_s, u"LC_NUMERIC=en_US.UTF-8"_s} << u"120,000"_s << euro;
    QTest::newRow("LC_ALL first") << QStringList{u"LC_ALL=de_DE.UTF-8"_s,
                                                 u"LC_NUMERIC=en_US.UTF-8"_s,
                                                 u"LC_MONETARY=en_US.UTF-8"_s,
                                                 u"LANG=en_US.UTF-8"_s}
                                  << u"120.000"_s << euro;
    QTest::newRow("set to nothing is unset")
        << QStringList{u"LC_ALL="_s, u"LC_MONETARY="_s, u"LC_NUMERIC=de_DE.UTF-8"_s,
                       u"LANG=en_US.UTF-8"_s}
        << u"120.000"_s << dollar;
    QTest::newRow("other categories ignored")
        << QStringList{u"LC_TIME=de_DE.UTF-8"_s, u"LC_MESSAGES=de_DE.UTF-8"_s,
                       u"LANG=en_US.UTF-8"_s}
        << u"120,000"_s << dollar;
    QTest::newRow("modifier") << QStringList{u"LANG=de_DE@euro"_s} << u"120.000"_s << euro;
    QTest::newRow("none set") << QStringList{} << u"120000"_s << u"3872.06"_s;
    QTest::newRow("C") << QStringList{u"LANG=C.UTF-8"_s} << u"120000"_s << u"3872.06"_s;
    QTest::newRow("POSIX") << QStringList{u"LC_ALL=POSIX"_s} << u"120000"_s << u"3872.06"_s;
    // A plain LANG, for each locale the other tests use.
    QTest::newRow("en_US") << QStringList{u"LANG=en_US.UTF-8"_s} << u"120,000"_s << dollar;
    QTest::newRow("de_DE") << QStringList{u"LANG=de_DE.UTF-8"_s} << u"120.000"_s << euro;
    QTest::newRow("de_CH") << QStringList{u"LANG=de_CH.UTF-8"_s} << QString() << QString();
    QTest::newRow("fr_FR") << QStringList{u"LANG=fr_FR.UTF-8"_s} << u"120\u202f000"_s
                           << u"3\u202f872,06\u00a0\u20ac"_s;
    QTest::newRow("ja_JP") << QStringList{u"LANG=ja_JP.UTF-8"_s} << u"120,000"_s
                           << u"\uffe53,872"_s;
    QTest::newRow("en_IN") << QStringList{u"LANG=en_IN.UTF-8"_s} << u"1,20,000"_s
                           << u"\u20b93,872.06"_s;
    QTest::newRow("hi_IN") << QStringList{u"LANG=hi_IN.UTF-8"_s} << u"1,20,000"_s
                           << u"\u20b93,872.06"_s;
    QTest::newRow("ar_EG") << QStringList{u"LANG=ar_EG.UTF-8"_s} << QString() << QString();
    QTest::newRow("fa_IR") << QStringList{u"LANG=fa_IR.UTF-8"_s} << QString() << QString();
}

// The window reads typed numbers by the settings for numbers and writes money wholly by the
// settings for money, each named by the environment as the C library reads it.
void tst_RegionalSettings::fromTheEnvironment()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, amount);
    QFETCH(QString, shown);
    QProcessEnvironment environment;
    for (const QString &variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    const QLocale named(variables.value(0).section(u'=', 1));
    if (amount.isEmpty())
        amount = named.toString(120000);
    if (shown.isEmpty())
        shown = core::CurrencyText(core::PaymentFor(u"120000"_s, u"0.10"_s, u"36"_s, QLocale::c()),
                                   named);

    MessageBoxWatcher watcher;
    Form1 form(runtime::RegionalSettingsFrom(environment));
    QCOMPARE(form.Picture1->lines(), QStringList{shown});
    // An amount grouped as the settings for numbers group it reads as the initial one.
    form.Text1->setText(amount);
    form.Picture1->clear();
    form.Command1->click();
    QCOMPARE(watcher.count(), 0);
    QCOMPARE(form.Picture1->lines(), QStringList{shown});
}

QTEST_MAIN(tst_RegionalSettings)
#include "tst_regionalsettings.moc"
