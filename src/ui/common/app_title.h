#pragma once

#include "version.h"

// Shown on the task bar and as the caption of every message box.
inline constexpr const char* kAppTitle = "Skirmod v" SKIRMOD_VERSION;
