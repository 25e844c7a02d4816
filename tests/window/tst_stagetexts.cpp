// SPDX-FileCopyrightText: 2026 The Ombrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"
#include "accessibleevents.h"
#include "form1.h"
#include "messageboxwatcher.h"
#include "windowtest.h"

#include <QFile>
#include <QHash>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

// The texts the real-display stages look for (scripts/program-texts.sh, read by their shell and
// Python alike) are the window's own: a text changed on one side only fails here, next to the
// change, rather than as a stage that finds no window or no message.
class tst_StageTexts : public WindowTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void windowTexts_data();
    void windowTexts();
    void messages_data();
    void messages();

private:
    QHash<QString, QString> m_texts;
};

void tst_StageTexts::initTestCase()
{
    runtime::InstallAccessibility();
    QFile file(QStringLiteral(LOAN_PROGRAM_TEXTS));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), LOAN_PROGRAM_TEXTS);
    // What the shell's `source` and Python's shlex read alike: NAME='value', nothing escaped.
    static const QRegularExpression assignment(u"^([A-Z_0-9]+)='([^']*)'$"_s);
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QRegularExpressionMatch match = assignment.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        m_texts.insert(match.captured(1), match.captured(2));
    }
}

void tst_StageTexts::windowTexts_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"TITLE", "AMOUNT", "RATE", "MONTHS", "RESULT", "CALCULATE", "PAYMENT"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_StageTexts::windowTexts()
{
    QFETCH(QString, name);
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    const auto readName = [](QWidget *widget) {
        return accessibleOf(widget)->text(QAccessible::Name);
    };
    const QHash<QString, QString> shown{
        {u"TITLE"_s, form.windowTitle()},
        {u"AMOUNT"_s, readName(form.Text1)},
        {u"RATE"_s, readName(form.Text2)},
        {u"MONTHS"_s, readName(form.Text3)},
        {u"RESULT"_s, readName(form.Picture1)},
        {u"CALCULATE"_s, readName(form.Command1)},
        {u"PAYMENT"_s, form.Picture1->lines().join(u'\n')},
    };
    QVERIFY2(m_texts.contains(name), qPrintable(name + u" is not in the stages' texts"_s));
    QCOMPARE(m_texts.value(name), shown.value(name));
}

void tst_StageTexts::messages_data()
{
    QTest::addColumn<QString>("months");
    QTest::addColumn<bool>("calculate");
    QTest::addColumn<QString>("titleName");
    QTest::addColumn<QString>("textName");
    QTest::newRow("range message") << u"400"_s << false << u"RANGE_TITLE"_s << u"MONTHS_PROMPT"_s;
    QTest::newRow("error report") << u"36x"_s << true << u"ERROR_TITLE"_s << QString();
}

void tst_StageTexts::messages()
{
    QFETCH(QString, months);
    QFETCH(bool, calculate);
    QFETCH(QString, titleName);
    QFETCH(QString, textName);
    MessageBoxWatcher watcher;
    Form1 form(unitedStates());
    QVERIFY(showActive(form));
    QWidget *focused = calculate ? static_cast<QWidget *>(form.Command1) : form.Text3;
    focused->setFocus(Qt::TabFocusReason);
    form.Text3->setText(months);
    QTest::keyClick(focused, calculate ? Qt::Key_Space : Qt::Key_Tab);

    QCOMPARE(watcher.count(), 1);
    QVERIFY(m_texts.contains(titleName));
    QCOMPARE(watcher.messages().first().title, m_texts.value(titleName));
    if (!textName.isEmpty())
        QCOMPARE(watcher.lastText(), m_texts.value(textName));
}

QTEST_MAIN(tst_StageTexts)
#include "tst_stagetexts.moc"
