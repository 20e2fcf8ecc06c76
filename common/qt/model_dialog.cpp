#include "common/qt/model_dialog.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QVBoxLayout>

#include "common/dialog_model.h"
#include "common/qt/centre_on_screen.h"
#include "common/qt/ok_cancel_buttons.h"
#include "common/qt/qt_text.h"
#include "common/qt/title_bar_width.h"

namespace quorvel {

TModelDlg::TModelDlg(DialogModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setObjectName(ToQString(model.Name()));
    setWindowTitle(ToQString(model.Caption()));

    auto* grid = new QGridLayout;
    int row = 0;
    for (const DialogBox& box : model.Boxes()) {
        auto* label = new QLabel(ToQString(box.caption), this);
        label->setObjectName(box.labelName.empty() ? QStringLiteral("Label") + ToQString(box.name)
                                                   : ToQString(box.labelName));
        label->setTextFormat(Qt::PlainText);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(ToQString(box.name));
        if (!box.hint.empty()) {
            edit->setToolTip(ToQString(box.hint));
        }
        edit->installEventFilter(this);
        label->setBuddy(edit);
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
            m_model.SetBoxText(ToStdString(edit->objectName()), ToStdString(text));
        });
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        m_boxes.push_back(edit);
        ++row;
    }

    QHBoxLayout* buttons = MakeOkCancelRow(this);
    if (model.CancelBeforeOk()) {
        // Only the Tab order changes; the buttons stay where they stand.
        auto* ok = findChild<QPushButton*>(QStringLiteral("OKBtn"));
        auto* cancel = findChild<QPushButton*>(QStringLiteral("CancelBtn"));
        if (!m_boxes.empty()) {
            setTabOrder(m_boxes.back(), cancel);
        }
        setTabOrder(cancel, ok);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    // The caption is the dialog's instruction ("Enter 1 to solve others for VSWR"): the
    // window is made wide enough for its title bar to show all of it.
    layout->addItem(new QSpacerItem(TitleBarWidth(windowTitle()), 0, QSizePolicy::Fixed));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    RefreshBoxes();
    if (!m_boxes.empty()) {
        m_boxes.front()->setFocus();
    }
    CentreOnScreen(this);
}

bool TModelDlg::Run() {
    return exec() == QDialog::Accepted;
}

void TModelDlg::RefreshBoxes() {
    for (QLineEdit* edit : m_boxes) {
        const QSignalBlocker quiet(edit);
        const QString text = ToQString(m_model.BoxText(ToStdString(edit->objectName())));
        if (edit->text() != text) {
            edit->setText(text);
        }
    }
}

void TModelDlg::accept() {
    if (m_finished) {
        return;
    }
    // A click on OK moves the focus out of the box being edited, so the model sees its exit
    // first. Enter leaves the focus in the box: it gets the same exit here, so that a value
    // typed and confirmed with Enter is solved and handed back like one confirmed with OK.
    if (auto* box = qobject_cast<QLineEdit*>(focusWidget()); box != nullptr && isAncestorOf(box)) {
        m_model.BoxExit(ToStdString(box->objectName()));
        RefreshBoxes();
    }
    m_finished = true;
    m_model.Ok();
    QDialog::accept();
}

void TModelDlg::reject() {
    if (m_finished) {
        return;
    }
    m_finished = true;
    m_model.Cancel();
    QDialog::reject();
}

bool TModelDlg::KeyRefused(QLineEdit* box, const QKeyEvent& event) {
    const std::string name = ToStdString(box->objectName());
    // Backspace is a typed key to the model, '\b', whatever text the platform gives it.
    if (event.key() == Qt::Key_Backspace) {
        return !m_model.KeyPress(name, '\b');
    }
    // Keys without a character (arrows), Delete (which X gives the character DEL) and the
    // dialog's own keys (Enter, Escape, Tab) are not the model's to judge.
    const QString text = event.text();
    if (text.size() != 1 || event.key() == Qt::Key_Delete) {
        return false;
    }
    const char16_t c = text.front().unicode();
    if (c == u'\r' || c == u'\n' || c == u'\x1b' || c == u'\t' || c == u'\x7f' || c > 0xFF) {
        return false;
    }
    return !m_model.KeyPress(name, static_cast<char>(c));
}

bool TModelDlg::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr || m_finished) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        if (KeyRefused(box, *static_cast<QKeyEvent*>(event))) {
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Only a move to another control of this dialog is an exit; the window losing the
        // focus to another window, or a popup opening, is not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            m_model.BoxExit(ToStdString(box->objectName()));
            RefreshBoxes();
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quorvel
