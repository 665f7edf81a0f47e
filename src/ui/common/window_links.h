#pragma once

#include "ui/common/colors.h"

// What the settings panel's live preview needs of the main window.
class MainWindowLink {
  public:
    virtual ~MainWindowLink() = default;
    // Applies the colour the settings now hold for `role` to the controls it colours.
    virtual void PreviewColor(ColorRole role) = 0;
    // Shows the main window and makes it the active one, so its activation re-applies
    // every colour from the settings.
    virtual void ShowAndActivate() = 0;
};

// What the Setup section needs of the Details window that hosts it.
class DetailsWindowLink {
  public:
    virtual ~DetailsWindowLink() = default;
    virtual void PreviewColor(ColorRole role) = 0;
    // Background, text, tab labels, grid and results colours, all from the settings.
    virtual void ReapplyColors() = 0;
    // After a confirmed save or restore the window closes (it is only hidden).
    virtual void HideWindow() = 0;
};
