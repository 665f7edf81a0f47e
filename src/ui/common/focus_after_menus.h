#pragma once

class QObject;

// When a menu closes, whether by Escape or by a chosen item, screen readers hear the control
// that keeps the focus: the menu took the keyboard without taking the focus from it, so no
// focus event would tell them where the keys go now.
// Watches every menu of the application for as long as `owner` lives.
void SpeakFocusAfterMenus(QObject& owner);
