#include "common/qt/picture_painter.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QToolTip>
#include <algorithm>

#include "common/qt/zoom_applier.h"

namespace quorvel {
namespace {

QPolygonF Polygon(const std::vector<PicturePoint>& points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PicturePoint& point : points) {
        polygon << QPointF(point.x, point.y);
    }
    return polygon;
}

class QtPainterVisitor {
public:
    QtPainterVisitor(QPainter& painter, const PicturePalette& palette)
        : m_painter(painter), m_palette(palette) {}

    void operator()(const PictureRect& rect) {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        const QRectF area(rect.x, rect.y, rect.width, rect.height);
        m_painter.fillRect(area, Colour(rect.fill));
        if (rect.outline) {
            m_painter.setPen(QPen(Colour(*rect.outline), 0));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(area);
        }
    }

    void operator()(const PictureLine& line) {
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        QPen pen(Colour(line.stroke), line.width);
        if (line.dashed) {
            pen.setDashPattern({4, 3});
        }
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPolyline(Polygon(line.points));
    }

    void operator()(const PictureArea& area) {
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Colour(area.fill));
        m_painter.drawPolygon(Polygon(area.points));
    }

    void operator()(const PictureCircle& circle) {
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        m_painter.setPen(circle.outline ? QPen(Colour(*circle.outline), circle.width)
                                        : QPen(Qt::NoPen));
        m_painter.setBrush(circle.fill ? QBrush(Colour(*circle.fill)) : QBrush(Qt::NoBrush));
        m_painter.drawEllipse(QPointF(circle.centre.x, circle.centre.y), circle.radius,
                              circle.radius);
    }

    void operator()(const PictureText& text) {
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        QFont font = m_painter.font();
        font.setPixelSize(std::max(1, static_cast<int>(text.size + 0.5)));
        font.setBold(text.bold);
        m_painter.setFont(font);
        const QString content = QString::fromStdString(text.text);
        double x = text.at.x;
        if (text.anchor != TextAnchor::Start) {
            const double width = QFontMetricsF(font).horizontalAdvance(content);
            x -= text.anchor == TextAnchor::Middle ? width / 2 : width;
        }
        m_painter.setPen(Colour(text.colour));
        m_painter.drawText(QPointF(x, text.at.y), content);
    }

private:
    QColor Colour(ColourRole role) const { return PictureQColor(m_palette[role]); }

    QPainter& m_painter;
    const PicturePalette& m_palette;
};

}  // namespace

QColor PictureQColor(PictureColour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

void PaintPicture(QPainter& painter, const Picture& picture, const PicturePalette& palette) {
    painter.save();
    QtPainterVisitor visitor(painter, palette);
    for (const PictureShape& shape : picture.shapes) {
        std::visit(visitor, shape);
    }
    painter.restore();
}

TPictureView::TPictureView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void TPictureView::SetPicture(Picture picture) {
    m_picture = std::move(picture);
    setAccessibleName(QString::fromStdString(m_picture.title));
    setAccessibleDescription(QString::fromStdString(m_picture.description));
    update();
}

void TPictureView::SetPictureSource(std::function<Picture(QSizeF size)> source) {
    m_source = std::move(source);
    Refresh();
}

void TPictureView::Refresh() {
    // The picture is drawn for the room the view would have at the designed size, and then
    // scaled to the view: its texts and marks grow with the window's zoom.
    if (m_source) {
        SetPicture(m_source(QSizeF(size()) / ZoomOf(this).Factor()));
    }
}

void TPictureView::SetPalette(const PicturePalette& palette) {
    m_palette = palette;
    update();
}

void TPictureView::SetHoverText(std::function<std::string(PicturePoint)> hoverText) {
    m_hoverText = std::move(hoverText);
}

QTransform TPictureView::PictureToWidget() const {
    if (m_picture.width <= 0 || m_picture.height <= 0) {
        return {};
    }
    const double scale = std::min(width() / m_picture.width, height() / m_picture.height);
    const double dx = (width() - m_picture.width * scale) / 2;
    const double dy = (height() - m_picture.height * scale) / 2;
    return QTransform(scale, 0, 0, scale, dx, dy);
}

PicturePoint TPictureView::PictureAt(QPointF widgetPoint) const {
    const QPointF point = PictureToWidget().inverted().map(widgetPoint);
    return {point.x(), point.y()};
}

void TPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setTransform(PictureToWidget());
    PaintPicture(painter, m_picture, m_palette);
}

void TPictureView::mouseMoveEvent(QMouseEvent* event) {
    if (m_hoverText) {
        const std::string text = m_hoverText(PictureAt(event->position()));
        if (text.empty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(event->globalPosition().toPoint(), QString::fromStdString(text),
                               this);
        }
    }
    QWidget::mouseMoveEvent(event);
}

void TPictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked(PictureAt(event->position()));
    }
    QWidget::mouseReleaseEvent(event);
}

void TPictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Refresh();
    emit Resized(size());
}

}  // namespace quorvel
