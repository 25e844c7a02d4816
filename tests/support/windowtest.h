// Small steps the window tests share.
#pragma once

#include <QString>

class QWidget;

// Shows the window and waits until it is the active one, as after a user's click on it.
[[nodiscard]] bool showActive(QWidget &window);

// The object name of the widget holding the focus; "(none)" while no window is active.
QString focusName();
