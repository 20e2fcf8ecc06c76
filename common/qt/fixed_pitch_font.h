#pragma once
// A fixed-pitch font for columns of digits and log lines. The system's fixed font is not
// always fixed-pitch (with Noto installed it is "Noto Sans Mono", which the font system does
// not report as fixed-pitch), so the font is chosen by family: the first installed family
// that the font system reports as fixed-pitch, and the system's fixed font only when none is.
// Header-only, so that the log viewer, which links no more than Qt, shares it.

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QString>

namespace quorvel {

inline QFont FixedPitchFont(qreal pointSize) {
    for (const char* family : {"Liberation Mono", "DejaVu Sans Mono", "Noto Mono", "Courier New",
                               "FreeMono", "Monospace"}) {
        QFont font(QString::fromLatin1(family));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        font.setPointSizeF(pointSize);
        if (QFontInfo(font).fixedPitch()) {
            return font;
        }
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace quorvel
