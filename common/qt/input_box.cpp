#include "common/qt/input_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpacerItem>
#include <QVBoxLayout>

#include "common/qt/centre_on_screen.h"
#include "common/qt/ok_cancel_buttons.h"
#include "common/qt/qt_text.h"
#include "common/qt/title_bar_width.h"

namespace quorvel {

TInputBoxDlg::TInputBoxDlg(QWidget* parent, std::string_view title, std::string_view prompt,
                           std::string_view defaultText)
    : QDialog(parent), m_defaultText(defaultText) {
    setObjectName(QStringLiteral("InputBox"));
    setWindowTitle(ToQString(title));

    auto* label = new QLabel(ToQString(prompt), this);
    label->setObjectName(QStringLiteral("PromptLabel"));
    label->setTextFormat(Qt::PlainText);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("EditValue"));
    m_edit->setMaxLength(kInputBoxMaxLength);
    m_edit->setText(ToQString(defaultText));
    m_edit->selectAll();
    m_edit->setMinimumWidth(260);
    label->setBuddy(m_edit);

    QHBoxLayout* buttons = MakeOkCancelRow(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
    // The title holds the range ("Input Value between 0.10 & 10000.00"): the box is made wide
    // enough for its title bar to show all of it, the low bound included.
    layout->addItem(new QSpacerItem(TitleBarWidth(windowTitle()), 0, QSizePolicy::Fixed));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_edit->setFocus();
    CentreOnScreen(this);
}

std::string TInputBoxDlg::Answer() const {
    // An edit that the user never touched answers with the default text itself, even when the
    // edit could not hold all of it.
    if (result() != QDialog::Accepted || !m_edit->isModified()) {
        return m_defaultText;
    }
    return ToStdString(m_edit->text());
}

std::string RunInputBox(QWidget* parent, std::string_view title, std::string_view prompt,
                        std::string_view defaultText) {
    TInputBoxDlg box(parent, title, prompt, defaultText);
    box.exec();
    return box.Answer();
}

}  // namespace quorvel
