#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// "MS Sans Serif" exists only on Windows; elsewhere the platform's sans font stands in.
inline QFont SansSerifFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
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

// Where a family the windows name is not installed (Arial under Wine, say), the stand-in
// the build bundles takes its place: Liberation Sans, Arial's metric twin, which the Linux
// build draws with too, so every text keeps its size and place. Call once the application
// exists.
void InstallStandInFonts();
