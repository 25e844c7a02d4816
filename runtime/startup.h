// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: the toolkit comes up, the user's regional settings are read (here and nowhere else:
// the form and everything below it get them handed down), the start-up form is created (its
// constructor runs its load handler, before the window is first shown), shown, and the event
// loop runs until the user closes it. The program's icon is set once the window is up, so
// decoding it never delays the first paint.
#pragma once

#include "accessibility.h"
#include "regionalsettings.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace runtime
{

// Signals `painted`, from the event loop and once only, after the widget's first paint.
class FirstPaintWatcher : public QObject
{
    Q_OBJECT
public:
    explicit FirstPaintWatcher(QWidget *widget) : QObject(widget)
    {
        widget->installEventFilter(this);
    }

Q_SIGNALS:
    void painted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                Q_EMIT painted();
                deleteLater();
            });
        }
        return false;
    }
};

// `iconFiles`: the icon at the sizes it comes in, each file one size.
template <typename StartupForm>
int StartUp(int &argc, char **argv, const QStringList &iconFiles = {})
{
    QApplication application(argc, argv);
    InstallAccessibility();
    const RegionalSettings regional =
        RegionalSettingsFrom(QProcessEnvironment::systemEnvironment());
    StartupForm form(regional);
    form.show();
    if (!iconFiles.isEmpty()) {
        // Decoding and handing the icon to the window system waits until the window has
        // painted once, so it never delays what the user sees first.
        auto *afterFirstPaint = new FirstPaintWatcher(&form);
        QObject::connect(afterFirstPaint, &FirstPaintWatcher::painted, &application, [iconFiles] {
            QIcon icon;
            for (const QString &file : iconFiles)
                icon.addFile(file);
            // For every window of the program, its messages too.
            QApplication::setWindowIcon(icon);
        });
    }
    return application.exec();
}

} // namespace runtime
