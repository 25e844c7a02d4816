#include "windowtest.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

bool showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : u"(none)"_qs;
}
