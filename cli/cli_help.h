#pragma once
// The text of quorvel-cli --help and the page names its messages offer, taken from the page
// registry so that every list of pages the program prints names exactly the registered ones.

#include <string>
#include <vector>

namespace quorvel::cli {

enum class PageNaming { Section, Tab };

// Each page's settings section ("MathTrig") or tab caption ("Math/Trig") in tab order, in
// double quotes where it holds a space ("Pcm Data").
std::vector<std::string> PageNames(PageNaming naming);

// The names joined by ", ".
std::string JoinedNames(const std::vector<std::string>& names);

// The text of --help.
std::string HelpText();

}  // namespace quorvel::cli
