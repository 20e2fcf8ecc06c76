#pragma once
// Paints a picture (common/picture.h) with QPainter, and the widget that shows one.

#include <QWidget>
#include <functional>
#include <string>

#include "common/picture.h"

class QPainter;

namespace quorvel {

QColor PictureQColor(PictureColour colour);

// Paints the picture in its own coordinates; the caller sets the painter's transform to show
// it at another size. Texts take the painter's font family at the picture's pixel sizes.
void PaintPicture(QPainter& painter, const Picture& picture, const PicturePalette& palette);

// A widget that shows a picture scaled to fit it, keeping its proportions and centring it.
// Its accessible name and description are the picture's title and description. The owner
// may give it a hover text for a point of the picture (shown as a tool tip) and learns of
// clicks and of new sizes, so that it can compute the picture again for the room it has.
class TPictureView : public QWidget {
    Q_OBJECT

public:
    explicit TPictureView(QWidget* parent = nullptr);

    void SetPicture(Picture picture);
    // Where the view takes its picture from when it is drawn for the room it has: the source
    // is asked for a picture of the view's size now, at every resize and at every Refresh.
    void SetPictureSource(std::function<Picture(QSizeF size)> source);
    // Asks the source again (after the values it draws have changed).
    void Refresh();
    const Picture& CurrentPicture() const { return m_picture; }
    void SetPalette(const PicturePalette& palette);
    const PicturePalette& Palette() const { return m_palette; }
    // The text shown while the mouse rests over a point of the picture ("" for none).
    void SetHoverText(std::function<std::string(PicturePoint)> hoverText);
    // The point of the picture under a point of the widget.
    PicturePoint PictureAt(QPointF widgetPoint) const;

signals:
    void Clicked(PicturePoint at);
    void Resized(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The scale and offset that fit the picture into the widget.
    QTransform PictureToWidget() const;

    Picture m_picture;
    PicturePalette m_palette = DefaultPicturePalette();
    std::function<std::string(PicturePoint)> m_hoverText;
    std::function<Picture(QSizeF)> m_source;
};

}  // namespace quorvel
