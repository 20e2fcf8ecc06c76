#include "pages/pcm/qt/frame_map_form.h"

#include <QVBoxLayout>

#include "common/qt/picture_painter.h"
#include "pages/pcm/pcm_page.h"

namespace quorvel {
namespace {

// Room for a 128-word frame at about six units a word, and its figures.
constexpr int kStartWidth = 760;
constexpr int kStartHeight = 480;

}  // namespace

TFrameMapForm::TFrameMapForm(const PcmDataPageModel& page, QWidget* owner)
    : QWidget(owner, Qt::Window), m_page(page), m_view(new TPictureView(this)) {
    setObjectName(QStringLiteral("FrameMapForm"));
    setWindowTitle(QStringLiteral("Frame Map"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_view->setObjectName(QStringLiteral("PaintBoxLargeMap"));
    m_view->setMinimumSize(200, 160);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    m_view->SetHoverText([this](PicturePoint at) {
        const Picture& shown = m_view->CurrentPicture();
        return m_page.MapOfFrame(shown.width, shown.height, true).HoverText(at);
    });
    m_view->SetPictureSource([this](QSizeF size) {
        return m_page.MapOfFrame(size.width(), size.height(), true).Draw();
    });
    resize(kStartWidth, kStartHeight);
}

void TFrameMapForm::Follow(const PicturePalette& palette) {
    m_view->SetPalette(palette);
    m_view->Refresh();
}

}  // namespace quorvel
