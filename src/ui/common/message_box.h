#pragma once

#include <QString>

class QWidget;

// The program's questions and failures: modal, without an icon, captioned with the
// application title, above the always-on-top calculator, and centred over `parent` when it
// is shown, else on the screen.

// OK or Abort where only OK goes ahead: Escape or closing the box answers Abort.
bool AskOkAbort(QWidget* parent, const QString& text);
// OK or Abort where only Abort stops: Escape or closing the box answers OK.
bool AskProceedUnlessAborted(QWidget* parent, const QString& text);
void ShowPlainMessage(QWidget* parent, const QString& text);

// Every dialog stands above the calculator, which stays on top of other windows.
void KeepAboveCalculator(QWidget& dialog);
