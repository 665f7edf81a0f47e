#pragma once

// Lets assistive tools see the controls the program draws itself (labels used as buttons,
// the Details window's tabs, the colour picker). Once, before any window is built.
void InstallAccessibleFactories();
