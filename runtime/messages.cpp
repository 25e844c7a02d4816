#include "messages.h"

#include "errors.h"

#include <QApplication>
#include <QMessageBox>

namespace runtime {

namespace {
void showModal(QMessageBox::Icon icon, const QString &title, const QString &prompt)
{
    // Parented to the active window so the box opens over it, not in a corner of the screen.
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
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
