// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages.h"

#include "errors.h"
#include "freshkeys.h"
#include "messageplacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

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

// A message box that opens beside its window, clear of the control it is about, where it can.
class PlacedMessageBox : public QMessageBox
{
public:
    PlacedMessageBox(Icon icon, const QString &title, const QString &prompt, QWidget *window,
                     const QWidget *about)
        : QMessageBox(icon, title, prompt, QMessageBox::Ok, window), m_about(about)
    {
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        // The box has its size only now, and is not yet on the screen.
        QMessageBox::showEvent(event);
        // A Wayland compositor places its clients' windows itself and ignores any position.
        if (!m_about || !parentWidget() || QGuiApplication::platformName().startsWith(u"wayland"))
            return;
        const QWidget *window = parentWidget()->window();
        const QScreen *screen = window->screen();
        if (!screen)
            return;
        // The box's frame is not known before it is mapped; the window's is the best guess.
        const QRect frame = window->frameGeometry();
        const QSize frameExtra = frame.size() - window->geometry().size();
        const QRect subject(m_about->mapToGlobal(QPoint(0, 0)), m_about->size());
        const auto place =
            MessageBesideWindow(screen->availableGeometry(), frame, subject, size() + frameExtra);
        // Placed by its client area: before the box is mapped the toolkit cannot tell a
        // frame position from a client one, and would put the client where the frame belongs.
        if (place)
            setGeometry(QRect(*place + (window->geometry().topLeft() - frame.topLeft()), size()));
    }

private:
    QPointer<const QWidget> m_about;
};

void showModal(QMessageBox::Icon icon, const QString &title, const QString &prompt,
               const QWidget *about = nullptr)
{
    // Parented to its window so the box opens over it, not in a corner of the screen.
    const QPointer<QWidget> window = owner();
    PlacedMessageBox box(icon, title, prompt, window, about);
    box.setTextFormat(Qt::PlainText);
    const FreshKeysOnly freshKeys(box);
    box.exec();
    // Not every window system hands the activation back when the box closes (none does without
    // a window manager); without it the keyboard would type nowhere.
    if (window)
        window->activateWindow();
}
} // namespace

void ShowMessage(const QString &prompt, const QString &title, const QWidget *about)
{
    showModal(QMessageBox::NoIcon, title, prompt, about);
}

void ReportRuntimeError(const core::RuntimeError &error)
{
    const QString title =
        error.failed().isEmpty() ? QStringLiteral("Cannot Calculate") : error.failed();
    showModal(QMessageBox::Warning, title, error.userMessage());
}

} // namespace runtime
