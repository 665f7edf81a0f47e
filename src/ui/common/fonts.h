#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Liberation Sans, Arial's metric twin, comes first on every platform (the Windows build
// brings it along): Windows' old bitmap "MS Sans Serif" is narrower and would move every
// text of the report boxes, and Wine has none, so a serif font would stand in.
inline QFont SansSerifFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("MS Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

inline QFont ArialFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Makes the fonts the build brings along (Liberation Sans in the Windows build) known, and
// lets Liberation Sans stand in where Arial is not installed (Wine has none). Call once
// the application exists.
void InstallBundledFonts();
