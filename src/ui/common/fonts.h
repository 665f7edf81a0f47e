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
