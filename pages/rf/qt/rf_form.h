#pragma once
// The RF page's window. `PanelMain` fills the page and holds `Panel1` (the seven calculator
// panels `Panel2` to `Panel8`, which open `PopupMenu1`), `Panel9` (bit rate and receiver
// filters, which opens `PopupMenuFilters`, with the "Non-NRZL Code" check box) and
// `PanelFreqBands`, a fixed table of telemetry bands. The values and rules live in
// RfPageModel; this form only builds the widgets by object name and connects them.
//
// The calculator panels stand in two columns, levels on the left (ratio, power, VSWR) and
// frequency and antenna on the right (wavelength, dish, resonance, horizon); the filters and
// the band table sit under them. Every value label is laid out at least as wide as the widest
// text it can show (nine characters), so that no value is ever clipped.

#include <QList>

#include "shell/qt/page_form.h"

class QFrame;
class QLabel;

namespace quorvel {

class TRfForm final : public TPageForm {
    Q_OBJECT
public:
    explicit TRfForm(PageFormContext& context);

    // Besides the result labels: the band table takes the data colour (its band names and
    // unit caption follow it), the band ranges and the two "kHz" captions the main panel's
    // font colour.
    void ApplyColours() override;

private:
    // The band table: a unit caption over the ranges, then each band's name and range.
    void BuildFreqBands();

    QFrame* m_panelMain = nullptr;
    QFrame* m_panelFreqBands = nullptr;
    // Label23 to Label27, Label38 and Label39: captions in the main panel's font colour.
    QList<QLabel*> m_panelColourCaptions;
};

}  // namespace quorvel
