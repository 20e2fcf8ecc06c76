#include "common/qt/title_bar_width.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace quorvel {

int TitleBarWidth(const QString& title) {
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    return metrics.horizontalAdvance(title) + 6 * metrics.height();
}

}  // namespace quorvel
