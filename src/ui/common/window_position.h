#pragma once

class QWidget;

// Makes Qt's copy of a top-level window's position match where the window really is.
//
// Under an X11 window manager that reparents windows into frames, Qt can keep a stale
// position for a window it moved itself before it was mapped; everything placed from it
// (an opening drop-down list) then lands in the screen's corner. The X server knows the
// truth, so it is asked. Other platforms place windows themselves: nothing to do there.
void LearnWindowPosition(QWidget& window);
