#pragma once

class QWidget;

// Tells assistive tools that the focused `control`'s description changed, so that a screen
// reader speaks the new description. Qt 6.4's own event for it sends AT-SPI readers the
// object where the new text belongs, and Orca then speaks nothing; on Linux the event goes
// out again with the text.
void TellDescriptionChanged(QWidget& control);
