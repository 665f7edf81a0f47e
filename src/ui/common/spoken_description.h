#pragma once

class QWidget;

// Tells assistive tools that the focused `control`'s description changed, so that a screen
// reader speaks the new description. From Qt 6.8 on, Qt announces the text itself. Before
// it, Qt's event sends AT-SPI readers the object where the new text belongs, and Orca then
// speaks nothing: on Linux the event goes out over AT-SPI with the text instead, and as Qt's
// own event wherever Qt's accessibility bus or the control's object on it cannot be found.
void TellDescriptionChanged(QWidget& control);
