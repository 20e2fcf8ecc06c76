#pragma once
// The program's 8-bit texts on Qt widgets. Texts written in the sources are UTF-8 ("°"), so
// a text that is valid UTF-8 is read as such; any other byte sequence is taken as Latin-1,
// one character a byte, so that no text is ever lost to replacement characters.

#include <QString>
#include <QStringDecoder>

#include <string>
#include <string_view>

namespace quorvel {

inline QString ToQString(std::string_view text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!utf8.hasError()) {
        return decoded;
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace quorvel
