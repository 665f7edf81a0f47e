#include "ui/common/fonts.h"

#include <QDir>
#include <QFontDatabase>

void InstallBundledFonts() {
    const QDir bundled(QStringLiteral(":/skirmod/fonts"));
    for (const QString& file : bundled.entryList(QDir::Files)) {
        QFontDatabase::addApplicationFont(bundled.filePath(file));
    }
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}
