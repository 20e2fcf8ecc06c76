#pragma once
// The button row every entry dialog ends with: "OK" (`OKBtn`, the default button) and
// "Cancel" (`CancelBtn`), right-aligned, wired to the dialog's accept and reject.

#include <QDialog>
#include <QHBoxLayout>

namespace quorvel {

QHBoxLayout* MakeOkCancelRow(QDialog* dialog);

}  // namespace quorvel
