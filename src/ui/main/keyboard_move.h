#pragma once

#include <QObject>
#include <QPoint>

class QKeyEvent;
class QWidget;

// Moves a window with the arrow keys, as a window manager's keyboard move does: ten pixels
// a press, one with Ctrl. Enter, a click or leaving the window keeps the new place; Escape
// puts the window back. While it lasts, every key of the program goes to the move.
class KeyboardMove : public QObject {
    Q_OBJECT

  public:
    static constexpr int kStep = 10;
    static constexpr int kFineStep = 1;

    explicit KeyboardMove(QWidget& window);

    void Start();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void HandleKey(const QKeyEvent& key);
    void Finish();

    QWidget& m_window;
    QPoint m_startPlace;
    bool m_moving = false;
};
