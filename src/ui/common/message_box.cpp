#include "ui/common/message_box.h"

#include <QMessageBox>
#include <QScreen>

#include "ui/common/app_title.h"
#include "ui/common/framed_placement.h"

namespace {

// A hidden parent would put the box where that window last was, often the screen's corner.
QWidget* ShownOrNone(QWidget* parent) {
    return parent != nullptr && parent->isVisible() ? parent : nullptr;
}

// Centred, frame included, over its parent when that is shown, else on the screen.
class ProgramMessageBox : public QMessageBox {
  public:
    ProgramMessageBox(QWidget* parent, const QString& text, StandardButtons buttons)
        : QMessageBox(NoIcon, QString::fromLatin1(kAppTitle), text, buttons, ShownOrNone(parent)) {
        KeepAboveCalculator(*this);
    }

  protected:
    // The box takes its final size as it is shown.
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        m_placement.Place();
    }

  private:
    QRect CentringArea() const {
        const QWidget* parent = parentWidget();
        return parent != nullptr ? parent->frameGeometry() : screen()->availableGeometry();
    }

    FramedPlacement m_placement{*this, [this] { return CentringArea(); }};
};

QMessageBox::StandardButton AskOkOrAbort(QWidget* parent, const QString& text,
                                         QMessageBox::StandardButton escapeAnswer) {
    ProgramMessageBox box(parent, text, QMessageBox::Ok | QMessageBox::Abort);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(escapeAnswer);
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
    ProgramMessageBox box(parent, text, QMessageBox::Ok);
    box.exec();
}

void KeepAboveCalculator(QWidget& dialog) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
}
