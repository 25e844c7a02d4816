// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messageboxwatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTextDocument>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

using namespace Qt::StringLiterals;

namespace
{
QString shownText(const QMessageBox &box)
{
    const auto *label = box.findChild<QLabel *>(u"qt_msgbox_label"_s);
    if (!label)
        return {};
    const bool rendersMarkup =
        label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rendersMarkup)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}
} // namespace

MessageBoxWatcher::MessageBoxWatcher(Reactivation reactivation) : m_reactivation(reactivation)
{
    qApp->installEventFilter(this);
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    qApp->removeEventFilter(this);
}

bool MessageBoxWatcher::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QMessageBox *>(watched);
    if (box && event->type() == QEvent::Show) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        QStringList readTexts;
        for (int i = 0; i < accessible->childCount(); ++i) {
            if (accessible->child(i)->role() == QAccessible::StaticText)
                readTexts.append(accessible->child(i)->text(QAccessible::Name));
        }
        m_messages.append({box->windowTitle(), box->text(), shownText(*box),
                           box->icon() != QMessageBox::NoIcon, int(box->buttons().size()),
                           accessible->role(), readTexts, QRect()});
        if (m_limit >= 0 && m_messages.size() > m_limit)
            qFatal("%lld messages, more than the %lld expected; the last: %s",
                   static_cast<long long>(m_messages.size()), static_cast<long long>(m_limit),
                   qPrintable(box->text()));
        // Dismissed from the box's own nested event loop once it has the activation, as a
        // user could only click it then (and then the window's own focus has moved out).
        auto *poll = new QTimer(box);
        connect(poll, &QTimer::timeout, box,
                [this, box, poll, index = m_messages.size() - 1, tries = 0]() mutable {
                    if (!box->isActiveWindow() && ++tries < 200)
                        return;
                    poll->stop();
                    m_messages[index].frame = box->frameGeometry();
                    if (!box->buttons().isEmpty())
                        box->buttons().constFirst()->click();
                    else
                        box->reject();
                });
        poll->start(0);
    }
    if (box && event->type() == QEvent::Hide && m_reactivation == Reactivation::AtOnce &&
        box->parentWidget()) {
        // Delivered at once, as such a window system does (QApplication::setActiveWindow, which
        // did it in one call, is deprecated since Qt 6.5).
        box->parentWidget()->window()->activateWindow();
        QWindowSystemInterface::flushWindowSystemEvents();
    }
    return QObject::eventFilter(watched, event);
}
