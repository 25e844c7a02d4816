// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "entrybox.h"
#include "entryboxaccessible.h"
#include "resultbox.h"
#include "resultboxaccessible.h"

#include <QAccessibleWidget>

namespace runtime
{

namespace
{
// A form: an ordinary top-level window whose class is a plain widget underneath. The toolkit
// would present it as a mere filler, and readers announce a window by its frame. Popups, tool
// tips and the like are windows of other types; a popup menu derives straight from QWidget too,
// and must keep the toolkit's menu interface, or a reader finds an empty frame with no items.
bool isForm(const QWidget &widget)
{
    return widget.isWindow() && widget.windowType() == Qt::Window &&
           widget.metaObject()->superClass() == &QWidget::staticMetaObject;
}

bool isRule(const QWidget &widget)
{
    const auto *frame = qobject_cast<const QFrame *>(&widget);
    return frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    // Asked once per class from the most derived upwards; answering only for the object's own
    // class leaves everything else to the toolkit.
    if (className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto *box = qobject_cast<ResultBox *>(widget))
        return new ResultBoxAccessible(box);
    if (auto *box = qobject_cast<EntryBox *>(widget))
        return new EntryBoxAccessible(box);
    if (isForm(*widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (isRule(*widget))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    return nullptr;
}
} // namespace

void InstallAccessibility()
{
    static const bool installed = (QAccessible::installFactory(&createInterface), true);
    Q_UNUSED(installed);
}

} // namespace runtime
