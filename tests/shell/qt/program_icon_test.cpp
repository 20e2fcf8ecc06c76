// The program's icon: every picture the desktop installs is built into the program, and the
// About box shows the application's icon, which is the design it draws when there is none.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <cstdlib>

#include "qt_support/window_fixture.h"
#include "shell/qt/about_box.h"
#include "shell/qt/program_icon.h"

namespace quorvel {
namespace {

using testing::QuietRun;

QImage AboutBoxIcon() {
    QuietRun quiet;
    TKelmorAboutBoxForm box(nullptr, quiet.Run());
    return box.findChild<QLabel*>(QStringLiteral("ProgramIcon"))
        ->pixmap()
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// The mean difference of two pictures of one size, over every channel, from 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                   std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha());
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

class ProgramIconTest : public QObject {
    Q_OBJECT

private slots:
    void holdsEveryInstalledSize() {
        const QIcon icon = ProgramWindowIcon();
        QVERIFY(!icon.isNull());
        for (const int size : kProgramIconSizes) {
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                     qPrintable(QString::number(size)));
            const QImage picture = icon.pixmap(size, size).toImage();
            QCOMPARE(picture.size(), QSize(size, size));
        }
    }

    void theAboutBoxShowsTheApplicationsIconOfTheDesignItDraws() {
        QApplication::setWindowIcon(QIcon());
        const QImage drawn = AboutBoxIcon();
        QApplication::setWindowIcon(ProgramWindowIcon());
        const QImage shown = AboutBoxIcon();
        QCOMPARE(shown.size(), QSize(48, 48));
        QCOMPARE(shown, ProgramWindowIcon().pixmap(48, 48).toImage().convertToFormat(
                            QImage::Format_ARGB32));
        // The same tile, grid and trace: only the smoothing of edges differs (a missing trace
        // would make about 3).
        const double difference = MeanDifference(drawn, shown);
        QVERIFY2(difference < 1.5, qPrintable(QString::number(difference)));
        QApplication::setWindowIcon(QIcon());
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::ProgramIconTest)
#include "program_icon_test.moc"
