#pragma once
// "Hardcopy": a picture of the main window's content, saved as a numbered JPEG file.

namespace quorvel {

class TQuorvelMainForm;

// Saves PanelScreen as the next hardcopy file of this run (the window's hardcopy counter
// numbers the files) and sounds its click cues.
void TakeHardcopy(TQuorvelMainForm& window);

}  // namespace quorvel
