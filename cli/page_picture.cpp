#include "cli/page_picture.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include "cli/name_match.h"
#include "common/picture_svg.h"
#include "common/whole_file.h"
#include "pages/page_registry.h"

namespace quorvel::cli {

std::string PagesWithPictures(const PageFactory& makePage, ClockSource& clock) {
    std::string list;
    for (int i = 0; i < kPageCount; ++i) {
        const std::unique_ptr<PageModel> page = makePage(i, clock);
        if (page && page->PagePicture()) {
            list += list.empty() ? "" : ", ";
            list += Quoted(page->SectionName());
        }
    }
    return list.empty() ? "none" : list;
}

bool WritePagePicture(const PageModel& page, const std::string& path, std::string& error) {
    const std::optional<Picture> picture = page.PagePicture();
    if (!picture) {
        error = "page " + Quoted(page.SectionName()) + " draws no picture";
        return false;
    }
    errno = 0;
    if (!ReplaceWholeFile(path, PictureSvg(*picture))) {
        const int reason = errno;
        error = "cannot write the picture to " + Quoted(path) +
                (reason != 0 ? std::string(": ") + std::strerror(reason) : std::string());
        return false;
    }
    return true;
}

}  // namespace quorvel::cli
