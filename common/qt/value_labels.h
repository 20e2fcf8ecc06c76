#pragma once
// The labels the page forms are built of: result labels that keep the room of the widest
// value they can show, and plain-text captions.

#include <QLabel>
#include <QSize>
#include <QString>

namespace quorvel {

// A result label that always asks for the room of the widest text it can show, and a little
// beyond, so that a long value is never clipped and its column does not move when values
// change.
class TValueLabel final : public QLabel {
public:
    TValueLabel(const QString& widest, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QSize Widened(QSize size) const;

    QString m_widest;
};

// A caption label showing `text` as plain text, named `objectName` unless that is empty.
QLabel* MakeCaption(QWidget* parent, const QString& objectName, const char* text);

}  // namespace quorvel
