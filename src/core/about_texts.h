#pragma once

#include "version.h"

// What the About panel says, the same in the window and on the page.
struct AboutTexts {
    const char* name;
    const char* version;
    const char* releaseDate;
    const char* statsNote;
    const char* thanks;
    const char* email;
    const char* downloadNote;
    const char* downloadAddress;
    const char* readMeHeading;
};

inline constexpr AboutTexts kAbout = {
    "Skirmod",
    "v" SKIRMOD_VERSION "  (Qo round " SKIRMOD_VERSION ")",
    "Release Date      29 May 2003",
    "The default stats included in this release of Skirmod were compiled from the stats in the "
    "manual on 29 May 2003",
    "Thanks to everyone who helped in the development of this version. All feedback can be sent "
    "to...",
    "skirmod@example.org",
    "The latest version of Skirmod can be downloaded from....",
    "http://www.skirmod.example/download.html",
    "The ReadMe File",
};
