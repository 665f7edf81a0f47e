#include "ui/common/message_box.h"

#include <QMessageBox>

#include "ui/common/app_title.h"

namespace {

// A hidden parent would centre the box over where that window last was, often the
// screen's corner; without one, the box centres on the screen.
QWidget* ShownOrNone(QWidget* parent) {
    return parent != nullptr && parent->isVisible() ? parent : nullptr;
}

QMessageBox::StandardButton AskOkOrAbort(QWidget* parent, const QString& text,
                                         QMessageBox::StandardButton escapeAnswer) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text,
                    QMessageBox::Ok | QMessageBox::Abort, ShownOrNone(parent));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(escapeAnswer);
    KeepAboveCalculator(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}

}  // namespace

bool AskOkAbort(QWidget* parent, const QString& text) {
    return AskOkOrAbort(parent, text, QMessageBox::Abort) == QMessageBox::Ok;
}

bool AskProceedUnlessAborted(QWidget* parent, const QString& text) {
    return AskOkOrAbort(parent, text, QMessageBox::Ok) != QMessageBox::Abort;
}

void ShowPlainMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok,
                    ShownOrNone(parent));
    KeepAboveCalculator(box);
    box.exec();
}

void KeepAboveCalculator(QWidget& dialog) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
}
