#pragma once

#include <QString>
#include <string>

// Where the windows meet the system, the one place that differs between Windows
// (platform_windows.cpp) and POSIX systems (platform_posix.cpp).

// Paths in the core are the system's bytes, and UTF-8 on Windows, whose 8-bit code page
// cannot hold every name (data/platform.h).
QString FromPathText(const std::string& path);
std::string ToPathText(const QString& path);

// Readies the window system before Qt starts, or says on the standard error why there is
// none; false: no window can open.
bool PrepareDisplayPlatform();

// Whether the save dialog is the system's own: Windows players expect it (Quick access,
// Desktop, Downloads); elsewhere Qt's own, which looks alike on every desktop and which the
// tests drive.
bool UseSystemSaveDialog();

// Shows what --help or --version gives where the user sees it.
void ShowCommandLineReply(const std::string& text);
