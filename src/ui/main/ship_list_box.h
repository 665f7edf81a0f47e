#pragma once

#include <QComboBox>

// A ship list: a drop-down list with an edit field. It tells when it opens and closes, when
// it takes or loses the focus inside its window, and when the user (never the program)
// changes it. Typing selects the first ship whose name starts with the typed text; text
// that starts no name leaves the list without a selection.
class ShipListBox : public QComboBox {
    Q_OBJECT

  public:
    explicit ShipListBox(QWidget* parent = nullptr);

    void showPopup() override;

  signals:
    void droppedDown();
    void closedUp();
    void entered();
    void exited();
    void userChanged();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SelectByTypedText(const QString& text);
};
