#pragma once

#include <QMenu>

#include "data/display_settings.h"

// The main window's right-click menu. It draws its items itself, in the main window's
// colours: each item filled with the background and framed in the border colour, the frame
// of one item sharing its dividing line with the next, the caption in the highlight colour
// under the pointer and in the text colour elsewhere.
class PopupMain : public QMenu {
    Q_OBJECT

  public:
    PopupMain(const DisplaySettings& colors, QWidget* parent);

    QAction* PopupCopy() const { return m_popupCopy; }
    QAction* PopupSwitch() const { return m_popupSwitch; }
    QAction* PopupToolTips() const { return m_popupToolTips; }

  private:
    QAction* m_popupCopy = nullptr;
    QAction* m_popupSwitch = nullptr;
    QAction* m_popupToolTips = nullptr;
};
