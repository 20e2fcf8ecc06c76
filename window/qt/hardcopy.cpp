#include "window/qt/hardcopy.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>

#include "common/cues.h"
#include "common/file_access.h"
#include "common/qt/qt_text.h"
#include "common/whole_file.h"
#include "diag/clock_source.h"
#include "diag/program_run.h"
#include "shell/hardcopy_file.h"
#include "shell/jpeg_file.h"
#include "window/qt/main_form.h"

namespace quorvel {

namespace {

// The log code of a note on a saved hardcopy.
constexpr int kHardcopyNoteCode = 1;

// The file's full path for the failure text: a name relative to the current directory is
// shown with that directory, so the user can tell where the program tried to write.
std::string ShownPath(const FileAt& file) {
    const std::string path = file.Shown();
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    return CurrentDirectory() + "/" + path;
}

bool WriteBitmapFile(const FileAt& path, const QImage& picture, std::string& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP")) {
        error = "The picture could not be converted";
        return false;
    }
    return CreateWholeFile(path, std::string_view(bytes.constData(), bytes.size()), error);
}

void ShowFailureBox(QWidget* window, const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), ToQString(text),
                    QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("HardcopyErrorBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void TakeHardcopy(TQuorvelMainForm& window) {
    ProgramRun& run = window.Run();
    // The window's own program directory: it is known from the start, while the run learns
    // it only once the start record has been written after the first frame.
    TakeHardcopy(
        window.PanelScreen(), window.HardcopyImage(), window.HardcopyCounter(),
        window.ProgramFolder(), run, run.Clock(),
        [&window](const std::string& text) { ShowFailureBox(&window, text); },
        [&run](const std::string& text) { run.LogLine(text, kHardcopyNoteCode); });
}

void TakeHardcopy(QWidget* panelScreen, QLabel* hardcopyImage, std::int32_t& counter,
                  const Folder& programFolder, Cues& cues, ClockSource& clock,
                  const HardcopyFailureReport& report, const HardcopyNote& note) {
    if (!programFolder.IsOpen()) {
        report("Cannot create a hardcopy: the program has no program directory to save it in");
        return;
    }
    std::string linkNote;
    const Folder folder = HardcopyFolder(programFolder, &linkNote);
    if (!linkNote.empty() && note) {
        note(linkNote);
    }
    FileAt file;
    if (!FreeHardcopyFile(folder, counter, file)) {
        report("Cannot create a hardcopy: every file name from \"" +
               ShownPath(HardcopyFile(folder, counter).WithSuffix(".jpg")) + "\" on is taken");
        return;
    }
    counter = NextHardcopyCounter(counter);
    std::string error;
    if (!SaveWindowImage(panelScreen, hardcopyImage, panelScreen->height(), file, true,
                         panelScreen->width(), cues, clock, error)) {
        report(error);
        return;
    }
    cues.SoundClick();
}

bool SaveWindowImage(QWidget* window, QLabel* scratchImage, int height, const FileAt& name,
                     bool asJpeg, int width, Cues& cues, ClockSource& clock, std::string& error) {
    // The widget paints itself into the picture, so whatever lies over the window on the
    // screen does not come out in it. The scratch image takes the size of the picture but
    // not the picture: it lies under the tab control, whose tab row paints no background of
    // its own, so a picture held there would show through beside the tabs.
    if (scratchImage != nullptr) {
        scratchImage->resize(width, height);
    }
    const QImage picture =
        window->grab(QRect(0, 0, width, height)).toImage().convertToFormat(QImage::Format_RGB888);

    const FileAt path = name.WithName(WithoutExtension(name.Name()) + (asJpeg ? ".jpg" : ".bmp"));
    std::string reason;
    const bool saved = asJpeg
                           ? WriteJpegFile(path,
                                           {picture.constBits(), picture.width(), picture.height(),
                                            static_cast<std::size_t>(picture.bytesPerLine())},
                                           reason, IfExists::Refuse)
                           : WriteBitmapFile(path, picture, reason);
    if (!saved) {
        error = "Cannot create file \"" + ShownPath(path) + "\". " + reason;
        return false;
    }
    cues.SoundClick();
    clock.SleepMs(1);
    cues.SoundClick();
    return true;
}

}  // namespace quorvel
