#include "cli/shell_words.h"

namespace quorvel::cli {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

bool SplitShellWords(std::string_view line, std::vector<std::string>& words, std::string& error) {
    words.clear();
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (IsBlank(c)) {
            if (inWord) {
                words.push_back(std::move(word));
                word.clear();
                inWord = false;
            }
            continue;
        }
        if (c == '#' && !inWord) {
            break;
        }
        inWord = true;
        if (c == '\\') {
            if (i + 1 == line.size()) {
                error = "the line ends in a backslash that escapes nothing";
                return false;
            }
            word += line[++i];
        } else if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            if (close == std::string_view::npos) {
                error = "a single quote is not closed";
                return false;
            }
            word.append(line.substr(i + 1, close - i - 1));
            i = close;
        } else if (c == '"') {
            for (++i;; ++i) {
                if (i >= line.size()) {
                    error = "a double quote is not closed";
                    return false;
                }
                const char d = line[i];
                if (d == '"') {
                    break;
                }
                if (d == '\\' && i + 1 < line.size()) {
                    const char next = line[i + 1];
                    if (next == '$' || next == '`' || next == '"' || next == '\\') {
                        ++i;
                        word += next;
                        continue;
                    }
                }
                word += d;
            }
        } else {
            word += c;
        }
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    return true;
}

}  // namespace quorvel::cli
