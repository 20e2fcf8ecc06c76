#include "common/qt/ok_cancel_buttons.h"

#include <QPushButton>

namespace quorvel {

QHBoxLayout* MakeOkCancelRow(QDialog* dialog) {
    auto* ok = new QPushButton(QDialog::tr("OK"), dialog);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QDialog::tr("Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    // accept and reject are virtual: a dialog that overrides them gets its own.
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

}  // namespace quorvel
