// Switches the toolkit's accessibility on as a screen reader connecting would, so widgets send
// their accessible events; with an update handler installed, a test sees every one of them.
#pragma once

void switchAccessibilityOn();
