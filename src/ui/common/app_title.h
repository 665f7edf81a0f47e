#pragma once

// Shown on the task bar and as the caption of every message box.
inline constexpr const char* kAppTitle = "Skirmod v9.5";
