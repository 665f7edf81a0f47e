#include "ui/common/fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace {

struct StandIn {
    const char* family;
    const char* replacement;
    const char* files[2];
};

// Bundled only where the system may lack the family (the Windows build).
constexpr StandIn kStandIns[] = {
    {"Arial",
     "Liberation Sans",
     {":/skirmod/fonts/LiberationSans-Regular.ttf", ":/skirmod/fonts/LiberationSans-Bold.ttf"}},
};

}  // namespace

void InstallStandInFonts() {
    for (const StandIn& standIn : kStandIns) {
        const QString family = QString::fromLatin1(standIn.family);
        if (QFontDatabase::hasFamily(family)) {
            continue;
        }
        for (const char* file : standIn.files) {
            if (QFile::exists(QString::fromLatin1(file))) {
                QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            }
        }
        QFont::insertSubstitution(family, QString::fromLatin1(standIn.replacement));
    }
}
