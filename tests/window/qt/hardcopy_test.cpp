// "Hardcopy" driven through the main window and through its parts: the picture against the
// panel's own painting, the numbered names and their repeat from 10000 on, the hardcopy
// directory, the three clicks, files of earlier runs and links that are never replaced, and a
// file that cannot be written.
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <vector>

#include "common/cues.h"
#include "qt_support/window_fixture.h"
#include "shell/hardcopy_file.h"
#include "support/file_size_limit.h"
#include "window/qt/hardcopy.h"
#include "window/qt/main_form.h"

namespace quorvel {
namespace {

using testing::FileSizeLimit;
using testing::QuietRun;
using testing::ScratchWorkingDirectory;

// Counts the clicks and notes, for each, how many sleeps the clock had seen before it.
class ClickRecorder final : public Cues {
public:
    explicit ClickRecorder(testing::FakeClock& clock) : m_clock(clock) {}
    void SoundClick() override { sleepsAtClick.push_back(m_clock.Sleeps().size()); }
    void SoundWarning() override { ++others; }
    void SoundError() override { ++others; }

    std::vector<std::size_t> sleepsAtClick;
    int others = 0;

private:
    testing::FakeClock& m_clock;
};

// The mean absolute difference of two pictures' RGB channels; -1 when their sizes differ.
double MeanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return -1;
    }
    const QImage left = a.convertToFormat(QImage::Format_RGB888);
    const QImage right = b.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y) {
        const uchar* p = left.constScanLine(y);
        const uchar* q = right.constScanLine(y);
        for (int x = 0; x < left.width() * 3; ++x) {
            sum += std::abs(int(p[x]) - int(q[x]));
        }
    }
    return sum / (double(left.width()) * left.height() * 3);
}

// A panel with something to see: coloured blocks and text on the window colour.
std::unique_ptr<QFrame> MakePanel() {
    auto panel = std::make_unique<QFrame>();
    panel->setObjectName(QStringLiteral("PanelScreen"));
    panel->setFixedSize(120, 90);
    panel->setAutoFillBackground(true);
    auto* block = new QLabel(QStringLiteral("RF 30.00 dBm"), panel.get());
    block->setGeometry(10, 10, 100, 30);
    block->setAutoFillBackground(true);
    QPalette palette = block->palette();
    palette.setColor(QPalette::Window, QColor(20, 90, 160));
    palette.setColor(QPalette::WindowText, Qt::yellow);
    block->setPalette(palette);
    return panel;
}

// The parts of a window that a hardcopy uses, around a stand-alone panel.
struct HardcopyParts {
    HardcopyParts() : panel(MakePanel()), scratch(new QLabel(panel.get())), cues(clock) {
        scratch->lower();
    }
    void Take() {
        TakeHardcopy(
            panel.get(), scratch, counter, Folder::AtPath(QDir::currentPath().toStdString()), cues,
            clock, [this](const std::string& text) { failures.push_back(text); },
            [this](const std::string& text) { notes.push_back(text); });
    }

    std::unique_ptr<QFrame> panel;
    QLabel* scratch;
    std::int32_t counter = 0;
    testing::FakeClock clock;
    ClickRecorder cues;
    std::vector<std::string> failures;
    std::vector<std::string> notes;
};

class HardcopyTest : public QObject {
    Q_OBJECT

private slots:
    void windowHardcopyIsThePanelAtOneToOne() {
        ScratchWorkingDirectory dir;
        QVERIFY(QDir(dir.Path()).mkpath(QStringLiteral("Files/Hardcopies")));
        QuietRun quiet;
        TQuorvelMainForm window(quiet.Run());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* hardcopy = window.findChild<QAction*>(QStringLiteral("Hardcopy1"));
        QVERIFY(hardcopy != nullptr);

        hardcopy->trigger();
        hardcopy->trigger();

        const QString first = dir.File(QStringLiteral("Files/Hardcopies/QuorvelIIHdcpy_0.jpg"));
        const QString second = dir.File(QStringLiteral("Files/Hardcopies/QuorvelIIHdcpy_1.jpg"));
        QImage picture;
        QVERIFY(picture.load(first, "JPEG"));
        QVERIFY(QFile::exists(second));
        QCOMPARE(window.HardcopyCounter(), 2);
        QCOMPARE(picture.size(), QSize(470, 413));
        QCOMPARE(picture.size(), window.PanelScreen()->size());
        const QImage panel = window.PanelScreen()->grab().toImage();
        const double difference = MeanDifference(picture, panel);
        // JPEG loses more of a page the more detail it shows: the hardcopy may differ from the
        // panel by little more than the panel itself through a JPEG of the default quality.
        QByteArray reference;
        QBuffer buffer(&reference);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && panel.save(&buffer, "JPEG", 75));
        const double jpegLoss = MeanDifference(QImage::fromData(reference, "JPEG"), panel);
        QVERIFY2(difference >= 0 && difference < jpegLoss + 1.0,
                 QByteArray::number(difference) + " against " + QByteArray::number(jpegLoss));
        // Nothing is written beside the program's own files.
        QVERIFY(!QFile::exists(dir.File(QStringLiteral("QuorvelIIHdcpy_0.jpg"))));
    }

    void bitmapIsExactlyTheGrabAndTheExtensionIsReplaced() {
        ScratchWorkingDirectory dir;
        HardcopyParts parts;
        std::string error;
        QVERIFY(SaveWindowImage(parts.panel.get(), parts.scratch, 90, "picture.jpg", false, 120,
                                parts.cues, parts.clock, error));
        QImage bitmap;
        QVERIFY(bitmap.load(dir.File(QStringLiteral("picture.bmp")), "BMP"));
        QCOMPARE(bitmap.convertToFormat(QImage::Format_RGB888),
                 parts.panel->grab().toImage().convertToFormat(QImage::Format_RGB888));
        QVERIFY(!QFile::exists(dir.File(QStringLiteral("picture.jpg"))));
        // The scratch image takes the picture's size, but never shows the picture.
        QCOMPARE(parts.scratch->size(), QSize(120, 90));
        QVERIFY(parts.scratch->pixmap().isNull());
    }

    void threeClicksWithOneMillisecondBetweenTheFirstTwo() {
        ScratchWorkingDirectory dir;
        HardcopyParts parts;
        parts.Take();
        QVERIFY(parts.failures.empty());
        QCOMPARE(parts.cues.sleepsAtClick.size(), std::size_t{3});
        QCOMPARE(parts.clock.Sleeps(), std::vector<int>{1});
        QCOMPARE(parts.cues.sleepsAtClick, (std::vector<std::size_t>{0, 1, 1}));
        QCOMPARE(parts.cues.others, 0);
    }

    void filesAreNumberedInTheCurrentDirectoryWithoutTheHardcopyDirectory() {
        ScratchWorkingDirectory dir;
        HardcopyParts parts;
        parts.Take();
        parts.Take();
        QCOMPARE(parts.counter, 2);
        QStringList files = QDir(dir.Path()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files, (QStringList{QStringLiteral("QuorvelIIHdcpy_0.jpg"),
                                     QStringLiteral("QuorvelIIHdcpy_1.jpg")}));
        QImage picture;
        QVERIFY(picture.load(dir.File(files[0]), "JPEG"));
        QCOMPARE(picture.size(), QSize(120, 90));
    }

    void namesThatRepeatFromTenThousandOnAreNotReplaced() {
        ScratchWorkingDirectory dir;
        QVERIFY(QDir(dir.Path()).mkpath(QStringLiteral("Files/Hardcopies")));
        HardcopyParts parts;
        parts.counter = 9999;
        parts.Take();
        parts.Take();
        parts.Take();
        // 10001 has the name of 10000, which is taken: the third file goes to the next number
        // with a name of its own.
        const QString third = QString::fromStdString(HardcopyName(parts.counter - 1));
        QVERIFY(parts.counter > 10002);
        QVERIFY(third != QStringLiteral("QuorvelIIHdcpy_1E4"));
        QStringList expected{QStringLiteral("QuorvelIIHdcpy_1E4.jpg"),
                             QStringLiteral("QuorvelIIHdcpy_9999.jpg"), third + ".jpg"};
        expected.sort();
        QCOMPARE(
            QDir(dir.File(QStringLiteral("Files/Hardcopies"))).entryList(QDir::Files, QDir::Name),
            expected);
        QVERIFY(parts.failures.empty());
    }

    // Yesterday's hardcopy, and a link planted under the next name (the program may run as
    // root): neither is replaced, the hardcopy takes the first free number.
    void filesOfEarlierRunsAndLinksAreSkipped() {
        ScratchWorkingDirectory dir;
        QVERIFY(QDir(dir.Path()).mkpath(QStringLiteral("Files/Hardcopies")));
        const QString hardcopies = dir.File(QStringLiteral("Files/Hardcopies/"));
        testing::WriteFileBytes(hardcopies + "QuorvelIIHdcpy_0.jpg", "yesterday");
        testing::WriteFileBytes(dir.File(QStringLiteral("victim")), "precious");
        QVERIFY(
            QFile::link(dir.File(QStringLiteral("victim")), hardcopies + "QuorvelIIHdcpy_1.jpg"));
        QVERIFY(QDir(dir.Path()).mkpath(QStringLiteral("Files/Hardcopies/QuorvelIIHdcpy_2.jpg")));

        HardcopyParts parts;
        parts.Take();
        QVERIFY(parts.failures.empty());
        QCOMPARE(parts.counter, 4);
        QCOMPARE(testing::ReadFileBytes(hardcopies + "QuorvelIIHdcpy_0.jpg"),
                 QByteArray("yesterday"));
        QCOMPARE(testing::ReadFileBytes(dir.File(QStringLiteral("victim"))),
                 QByteArray("precious"));
        QImage picture;
        QVERIFY(picture.load(hardcopies + "QuorvelIIHdcpy_3.jpg", "JPEG"));
    }

    // "Files" or "Files/Hardcopies" a link to a folder elsewhere (the program may run as
    // root): the picture stays in the program directory, and the note says why.
    void linkedHardcopyDirectoryIsNotFollowed_data() {
        QTest::addColumn<QString>("linked");
        QTest::newRow("Files") << QStringLiteral("Files");
        QTest::newRow("Files/Hardcopies") << QStringLiteral("Files/Hardcopies");
    }

    void linkedHardcopyDirectoryIsNotFollowed() {
        QFETCH(QString, linked);
        ScratchWorkingDirectory dir;
        QTemporaryDir elsewhere;
        QVERIFY(QDir(elsewhere.path()).mkpath(QStringLiteral("Hardcopies")));
        QVERIFY(QDir(dir.Path()).mkpath(QStringLiteral("Files")));
        if (linked == QStringLiteral("Files")) {
            QVERIFY(QDir(dir.Path()).rmdir(QStringLiteral("Files")));
        }
        QVERIFY(QFile::link(linked == QStringLiteral("Files")
                                ? elsewhere.path()
                                : elsewhere.filePath(QStringLiteral("Hardcopies")),
                            dir.File(linked)));

        HardcopyParts parts;
        parts.Take();
        QVERIFY(parts.failures.empty());
        QVERIFY(QFile::exists(dir.File(QStringLiteral("QuorvelIIHdcpy_0.jpg"))));
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(elsewhere.filePath(QStringLiteral("Hardcopies"))).entryList(QDir::Files),
                 QStringList());
        QCOMPARE(parts.notes.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(parts.notes[0])
                    .contains(QStringLiteral("is reached through a symbolic link")));
    }

    void fileThatCannotBeWrittenIsReportedAndTheCounterMovesOn() {
        ScratchWorkingDirectory dir;
        HardcopyParts parts;
        {
            FileSizeLimit limit(100);
            parts.Take();
        }
        QCOMPARE(parts.counter, 1);
        QCOMPARE(parts.failures.size(), std::size_t{1});
        const std::string expected = "Cannot create file \"" +
                                     QDir(dir.Path()).canonicalPath().toStdString() +
                                     "/QuorvelIIHdcpy_0.jpg\". File too large";
        QCOMPARE(QDir::cleanPath(QString::fromStdString(parts.failures[0])),
                 QString::fromStdString(expected));
        QVERIFY(parts.cues.sleepsAtClick.empty());
        QCOMPARE(QDir(dir.Path()).entryList(QDir::Files), QStringList());

        // The program goes on: the next hardcopy is written.
        parts.Take();
        QCOMPARE(parts.failures.size(), std::size_t{1});
        QVERIFY(QFile::exists(dir.File(QStringLiteral("QuorvelIIHdcpy_1.jpg"))));
        QCOMPARE(parts.cues.sleepsAtClick.size(), std::size_t{3});
    }

    void windowShowsAFailureInAMessageBox() {
        ScratchWorkingDirectory dir;
        QuietRun quiet;
        TQuorvelMainForm window(quiet.Run());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QString boxText;
        QString boxName;
        testing::AnswerNextModal([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxName = box->objectName();
                boxText = box->text();
                box->accept();
            } else if (modal != nullptr) {
                modal->close();
            }
        });
        {
            FileSizeLimit limit(100);
            window.findChild<QAction*>(QStringLiteral("Hardcopy1"))->trigger();
        }
        QCOMPARE(boxName, QStringLiteral("HardcopyErrorBox"));
        QVERIFY2(boxText.startsWith(QStringLiteral("Cannot create file \"")), qPrintable(boxText));
        QVERIFY2(boxText.endsWith(QStringLiteral("/QuorvelIIHdcpy_0.jpg\". File too large")),
                 qPrintable(boxText));
        QCOMPARE(window.HardcopyCounter(), 1);
        QVERIFY(window.isVisible());
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::HardcopyTest)
#include "hardcopy_test.moc"
