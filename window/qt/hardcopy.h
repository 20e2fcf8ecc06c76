#pragma once
// "Hardcopy": a picture of the main window's content, saved as a numbered JPEG file.

#include <cstdint>
#include <functional>
#include <string>

#include "common/folder.h"

class QLabel;
class QWidget;

namespace quorvel {

class ClockSource;
class Cues;
class TQuorvelMainForm;

// Where a picture that could not be written is reported: the text of the failure ("Cannot
// create file "...". Permission denied"). The program's own report shows it in a message box
// over the window.
using HardcopyFailureReport = std::function<void(const std::string& text)>;

// Saves PanelScreen as the next hardcopy file of this run (the window's hardcopy counter
// numbers the files; numbers whose file exists already, from an earlier run, are skipped) and
// sounds its click cues. A file that cannot be written is reported in a message box; the
// counter has moved on all the same.
void TakeHardcopy(TQuorvelMainForm& window);

// Where a note on a hardcopy that was saved goes (a link that was not followed); the
// program's own note goes to the error log.
using HardcopyNote = std::function<void(const std::string& text)>;

// The same with the window's parts handed in: the panel to picture, the scratch image, the
// counter, the program directory, the cues and the clock that times the wait between clicks,
// where a failure goes and where a note goes.
void TakeHardcopy(QWidget* panelScreen, QLabel* hardcopyImage, std::int32_t& counter,
                  const Folder& programFolder, Cues& cues, ClockSource& clock,
                  const HardcopyFailureReport& report, const HardcopyNote& note = {});

// Pictures the rectangle (0, 0, width, height) of `window` at 1:1 from the window's own
// painting (so a window covered by another still comes out whole) and saves it under `name`
// with its extension replaced by ".jpg", or by ".bmp" when `asJpeg` is false. A file or
// link of that name is never replaced. On success two clicks sound, 1 ms apart, and true is
// returned; otherwise `error` holds the failure text and no cue sounds.
bool SaveWindowImage(QWidget* window, QLabel* scratchImage, int height, const FileAt& name,
                     bool asJpeg, int width, Cues& cues, ClockSource& clock, std::string& error);

}  // namespace quorvel
