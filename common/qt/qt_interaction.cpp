#include "common/qt/qt_interaction.h"

#include <QGuiApplication>
#include <QMessageBox>

#include "common/qt/input_box.h"
#include "common/qt/model_dialog.h"
#include "common/qt/qt_text.h"

namespace quorvel {

QtInteraction::QtInteraction(QWidget* owner, Cues& cues) : m_owner(owner), m_cues(cues) {}

std::string QtInteraction::InputBox(std::string_view title, std::string_view prompt,
                                    std::string_view defaultText) {
    return RunInputBox(m_owner, title, prompt, defaultText);
}

bool QtInteraction::RunDialog(DialogModel& dialog) {
    TModelDlg window(dialog, m_owner);
    return window.Run();
}

void QtInteraction::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), ToQString(text),
                    QMessageBox::Ok, m_owner);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace quorvel
