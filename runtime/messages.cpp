#include "messages.h"

#include "errors.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace runtime
{

namespace
{
void showModal(QMessageBox::Icon icon, const QString &title, const QString &prompt)
{
    // Parented to the active window so the box opens over it, not in a corner of the screen.
    const QPointer<QWidget> window = QApplication::activeWindow();
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, window);
    box.setTextFormat(Qt::PlainText);
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

void ReportRuntimeError(const RuntimeError &error)
{
    showModal(QMessageBox::Warning, QStringLiteral("Cannot Calculate"), error.userMessage());
}

} // namespace runtime
