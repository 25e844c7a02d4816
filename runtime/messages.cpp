// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages.h"

#include "errors.h"
#include "freshkeys.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <algorithm>

namespace runtime
{

namespace
{
// The window a box belongs to: the active one, or, while the activation is still on its way
// back from a box just dismissed, the program's visible main window. A box without an owner
// would open in a corner of the screen and, once dismissed, leave the keyboard typing nowhere.
QWidget *owner()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto main = std::find_if(windows.begin(), windows.end(), [](QWidget *w) {
        return w->isVisible() && w->windowType() == Qt::Window;
    });
    return main == windows.end() ? nullptr : *main;
}

void showModal(QMessageBox::Icon icon, const QString &title, const QString &prompt)
{
    // Parented to its window so the box opens over it, not in a corner of the screen.
    const QPointer<QWidget> window = owner();
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, window);
    box.setTextFormat(Qt::PlainText);
    const FreshKeysOnly freshKeys(box);
    box.exec();
    // Not every window system hands the activation back when the box closes (none does without
    // a window manager); without it the keyboard would type nowhere.
    if (window)
        window->activateWindow();
}
} // namespace

void ShowMessage(const QString &prompt, const QString &title)
{
    showModal(QMessageBox::NoIcon, title, prompt);
}

void ReportRuntimeError(const core::RuntimeError &error)
{
    showModal(QMessageBox::Warning, QStringLiteral("Cannot Calculate"), error.userMessage());
}

} // namespace runtime
