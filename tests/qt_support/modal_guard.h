#pragma once
// No Qt test can hang on a modal window nobody answers. Every Qt test program installs, at
// start-up, a watch over the modal windows that open while code runs a nested event loop (a
// dialog's exec, a message box): a window that no AnswerNextModal answer reaches fails the
// running test at once and is closed, so that the code that opened it returns and the test
// goes on to its end.

#include <functional>

class QWidget;

namespace quorvel::testing {

// What happens to an unanswered modal window before it is closed; by default the running
// test fails, naming the window. Returns the handler it replaces.
using UnansweredModalHandler = std::function<void(QWidget* modal)>;
UnansweredModalHandler SetUnansweredModalHandler(UnansweredModalHandler handler);

// Installs the watch; run once when the application object is made.
void InstallModalWatch();

// Counts an answer on its way to the next modal window (AnswerNextModal does this) and, once
// it has run, the answer as given.
void NoteAnswerQueued();
void NoteAnswerRun();

}  // namespace quorvel::testing
