#include "accessibility.h"

#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

void switchAccessibilityOn()
{
    // Only the platform's side can be switched on: the public switch is overridden by it.
    QPlatformAccessibility *platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
}
