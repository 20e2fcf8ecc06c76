#pragma once
// The frame map in a window of its own ("FrameMapForm"): opened by a click on the PCM Data
// page's map, resizable, not modal, and drawn for whatever size it is given, with the sample
// figures under the map. It follows the page: the page hands it every new palette and asks it
// to redraw after every redisplay. The page owns it; it goes when it is closed or when the
// page goes.

#include <QWidget>

#include "common/picture.h"

namespace quorvel {

class PcmDataPageModel;
class TPictureView;

class TFrameMapForm final : public QWidget {
    Q_OBJECT
public:
    // A window over `page`'s model, a child window of `owner` (the page's form).
    TFrameMapForm(const PcmDataPageModel& page, QWidget* owner);

    // The map again from the page's values now, in `palette`.
    void Follow(const PicturePalette& palette);
    TPictureView* View() const { return m_view; }

private:
    const PcmDataPageModel& m_page;
    TPictureView* m_view;
};

}  // namespace quorvel
