#pragma once
// A page's picture on the command line (--svg FILE): the picture the page draws from its
// values now, written as an SVG document, for any page that has one.

#include <string>

#include "cli/cli_run.h"
#include "shell/page_model.h"

namespace quorvel::cli {

// The settings sections of the pages that draw a picture, "Pcm Data" style, joined by ", ";
// "none" when no page draws one.
std::string PagesWithPictures(const PageFactory& makePage, ClockSource& clock);

// Writes the page's picture (PageModel::PagePicture) as SVG to `path`, taken as it stands:
// the file is replaced in one step and a link at its name is replaced, never written
// through. False with a one-line message when the page draws no picture or the file cannot
// be written.
bool WritePagePicture(const PageModel& page, const std::string& path, std::string& error);

}  // namespace quorvel::cli
