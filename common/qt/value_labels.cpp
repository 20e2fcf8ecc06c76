#include "common/qt/value_labels.h"

#include <QFontMetrics>

#include <algorithm>

namespace quorvel {

TValueLabel::TValueLabel(const QString& widest, QWidget* parent)
    : QLabel(parent), m_widest(widest) {}

QSize TValueLabel::sizeHint() const {
    return Widened(QLabel::sizeHint());
}

QSize TValueLabel::minimumSizeHint() const {
    return Widened(QLabel::minimumSizeHint());
}

QSize TValueLabel::Widened(QSize size) const {
    // The few pixels beyond the text keep rounding of glyph advances from cutting the last
    // character.
    size.setWidth(std::max(size.width(), fontMetrics().horizontalAdvance(m_widest) + 4));
    return size;
}

QLabel* MakeCaption(QWidget* parent, const QString& objectName, const char* text) {
    auto* label = new QLabel(parent);
    if (!objectName.isEmpty()) {
        label->setObjectName(objectName);
    }
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromLatin1(text));
    return label;
}

}  // namespace quorvel
