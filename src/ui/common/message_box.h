#pragma once

#include <QString>

class QWidget;

// The program's questions and failures: modal, without an icon, captioned with the
// application title.
bool AskOkAbort(QWidget* parent, const QString& text);
void ShowPlainMessage(QWidget* parent, const QString& text);
