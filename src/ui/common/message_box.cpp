#include "ui/common/message_box.h"

#include <QMessageBox>

#include "ui/common/app_title.h"

bool AskOkAbort(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text,
                    QMessageBox::Ok | QMessageBox::Abort, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Abort);
    return box.exec() == QMessageBox::Ok;
}

void ShowPlainMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok,
                    parent);
    box.exec();
}
