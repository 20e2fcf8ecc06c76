#pragma once
// The one window that shows any entry dialog model: the model's caption as title, a label and
// an edit box per box of the model (the edit named after the box, the label after the box
// with "Label" in front, the box's hint as its tool tip), "OK" (OKBtn, the default button)
// and "Cancel" (CancelBtn, also Escape and the close box). Centred on the screen. Tab runs
// through the boxes, then OK and Cancel (Cancel and OK where the model asks for that).
//
// The window only carries the user's actions to the model: a typed key goes through
// DialogModel::KeyPress (Backspace as '\b'; Delete and the cursor keys are the box's own) and
// is dropped when refused; a changed text goes to SetBoxText; a box losing the focus to another
// control of the dialog calls BoxExit, after which every box shows the model's BoxText again;
// OK calls Ok(), Cancel calls Cancel().

#include <QDialog>

#include <vector>

class QKeyEvent;
class QLineEdit;

namespace quorvel {

class DialogModel;

class TModelDlg final : public QDialog {
    Q_OBJECT
public:
    TModelDlg(DialogModel& model, QWidget* parent = nullptr);

    // Runs the dialog modally; true when it was closed with OK.
    bool Run();
    // Shows the model's text in every box, without reporting the change back to the model.
    void RefreshBoxes();

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyRefused(QLineEdit* box, const QKeyEvent& event);

    DialogModel& m_model;
    std::vector<QLineEdit*> m_boxes;
    bool m_finished = false;
};

}  // namespace quorvel
