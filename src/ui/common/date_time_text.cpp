#include "ui/common/date_time_text.h"

#include <QDateTime>
#include <QLocale>

#include "ui/common/qt_text.h"

namespace {

// The locale's long time format names the time zone; the program shows only the time.
QString TimeFormatWithoutZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        }
        if (quoted || c != QLatin1Char('t')) {
            result += c;
        }
    }
    return result.trimmed();
}

}  // namespace

std::string CurrentDateTimeText() {
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    return ToBytes(
        locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
        locale.toString(now.time(), TimeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat))));
}
