#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>
#include <functional>
#include <optional>

class QWidget;

// Centres a top-level window, frame included, over an area, optionally at a given outer
// size. A window manager adds its frame only after the window is shown, so the placement
// is made once more at the window's first paint after the frame became known.
class FramedPlacement : public QObject {
  public:
    using Area = std::function<QRect()>;

    FramedPlacement(QWidget& window, Area area, std::optional<QSize> outerSize = std::nullopt);

    void Place();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QMargins FrameMargins() const;
    bool FrameArrivedSincePlaced() const;

    QWidget& m_window;
    Area m_area;
    std::optional<QSize> m_outerSize;
    std::optional<QMargins> m_placedWithFrame;
};
