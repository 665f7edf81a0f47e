#pragma once

class QWidget;

// Sends AT-SPI's event that `control`'s description changed, with the new text, from the
// connection on which Qt's bridge serves screen readers. False, and nothing sent, when that
// connection or the control's object on it is not there: Qt names both privately.
bool SendDescriptionOverAtspi(QWidget& control);
