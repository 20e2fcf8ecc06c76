#include "common/word_wrap.h"

namespace quorvel {

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t start = text.find_first_not_of(" \n");
    while (start != std::string_view::npos) {
        const std::size_t end = text.find_first_of(" \n", start);
        words.emplace_back(text.substr(start, end - start));
        start = text.find_first_not_of(" \n", end);
    }
    return words;
}

std::string WrapWords(std::span<const std::string> words, std::size_t width) {
    std::string text;
    std::size_t lineLength = 0;
    for (const std::string& word : words) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            text += '\n';
            lineLength = 0;
        }
        if (lineLength > 0) {
            text += ' ';
            ++lineLength;
        }
        text += word;
        lineLength += word.size();
    }
    if (!words.empty()) {
        text += '\n';
    }
    return text;
}

}  // namespace quorvel
