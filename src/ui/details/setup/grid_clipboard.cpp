#include "ui/details/setup/grid_clipboard.h"

QString CopiedBlockText(const QList<QStringList>& rows) {
    BlockRows utf8Rows;
    for (const QStringList& row : rows) {
        std::vector<std::string>& fields = utf8Rows.emplace_back();
        for (const QString& field : row) {
            fields.push_back(field.toStdString());
        }
    }
    return QString::fromStdString(CopiedBlockText(utf8Rows));
}
