#pragma once

#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <string>
#include <string_view>

// The core keeps 8-bit text; Latin-1 maps every byte to one character and back, so any
// byte of ShipStats.txt survives a trip through the controls.
inline QString ToQString(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Whether every character of `text` has a byte of its own in the stats file.
inline bool FitsLatin1(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

inline std::string ToBytes(const QString& text) {
    const QByteArray latin1 = text.toLatin1();
    return {latin1.constData(), static_cast<std::size_t>(latin1.size())};
}

// A message for the user, which may name a path: UTF-8 where its bytes are (as paths are),
// else Latin-1, as the stats file's text.
inline QString ToMessageText(std::string_view bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return utf8.hasError() ? ToQString(bytes) : text;
}
