// A picture painted with QPainter and shown, scaled, in a picture view.
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "common/qt/picture_painter.h"

namespace quorvel {
namespace {

Picture TwoHalves() {
    Picture picture{.width = 20, .height = 10, .title = "Halves", .description = "Two halves."};
    picture.Add(PictureRect{0, 0, 10, 10, ColourRole::SyncWord});
    picture.Add(PictureRect{10, 0, 10, 10, ColourRole::SampledWord});
    return picture;
}

class PicturePainterTest : public QObject {
    Q_OBJECT

private slots:
    void shapesTakeThePaletteColoursInDrawingOrder() {
        Picture picture = TwoHalves();
        picture.Add(PictureArea{{{10, 0}, {20, 0}, {20, 10}, {10, 10}}, ColourRole::Earth});
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        PaintPicture(painter, picture, DefaultPicturePalette());
        painter.end();
        QCOMPARE(image.pixelColor(5, 5),
                 PictureQColor(DefaultPicturePalette()[ColourRole::SyncWord]));
        QCOMPARE(image.pixelColor(15, 5),
                 PictureQColor(DefaultPicturePalette()[ColourRole::Earth]));
    }

    void viewFitsThePictureKeepingItsProportions() {
        TPictureView view;
        view.resize(200, 200);
        view.SetPicture(TwoHalves());
        // Scaled by 10 and centred: 50 rows of margin above and below.
        QCOMPARE(view.PictureAt(QPointF(0, 50)).x, 0.0);
        QCOMPARE(view.PictureAt(QPointF(0, 50)).y, 0.0);
        QCOMPARE(view.PictureAt(QPointF(150, 100)).x, 15.0);
        const QImage shown = view.grab().toImage();
        QCOMPARE(shown.pixelColor(150, 100),
                 PictureQColor(DefaultPicturePalette()[ColourRole::SampledWord]));
        QCOMPARE(view.accessibleName(), QStringLiteral("Halves"));
        QCOMPARE(view.accessibleDescription(), QStringLiteral("Two halves."));
    }

    void clickReportsThePointOfThePicture() {
        TPictureView view;
        view.resize(20, 10);
        view.SetPicture(TwoHalves());
        QSignalSpy clicks(&view, &TPictureView::Clicked);
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(15, 5));
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.front().front().value<PicturePoint>().x, 15.0);
    }

    void sourceDrawsThePictureForEverySizeAndRefresh() {
        TPictureView view;
        view.resize(40, 20);
        int asked = 0;
        int shade = 0;
        view.SetPictureSource([&asked, &shade](QSizeF size) {
            ++asked;
            Picture picture{.width = size.width(), .height = size.height()};
            picture.Add(PictureRect{0, 0, size.width(), size.height(),
                                    shade == 0 ? ColourRole::SyncWord : ColourRole::DataWord});
            return picture;
        });
        QCOMPARE(asked, 1);
        QCOMPARE(view.CurrentPicture().width, 40.0);
        // A shown widget hears of a new size at once.
        view.show();
        view.resize(90, 30);
        QCOMPARE(view.CurrentPicture().width, 90.0);
        QCOMPARE(view.CurrentPicture().height, 30.0);
        // Drawn at its own size, the picture fills the view.
        QCOMPARE(view.grab().toImage().pixelColor(89, 29),
                 PictureQColor(DefaultPicturePalette()[ColourRole::SyncWord]));
        shade = 1;
        const int before = asked;
        view.Refresh();
        QCOMPARE(asked, before + 1);
        QCOMPARE(view.grab().toImage().pixelColor(0, 0),
                 PictureQColor(DefaultPicturePalette()[ColourRole::DataWord]));
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::PicturePainterTest)
#include "picture_painter_test.moc"
