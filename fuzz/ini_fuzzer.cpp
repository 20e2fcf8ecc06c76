// Feeds arbitrary INI text to the reader and the writer. The first four bytes choose a
// section, a key and a value (from a list of ordinary and awkward names, or from the end of the
// input); the rest is the text. Checks, beyond not crashing:
// - a read answers at most 1023 characters and never a NUL;
// - a refused write leaves the text as it was;
// - a write alters at most one line of the old text (every other byte stays), and the value
//   then reads back trimmed and cut;
// - every other key reads as it did before the write;
// - the typed reads never change their output when they fail.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "shell/ini_store.h"
#include "shell/settings_file.h"

namespace {

using quorvel::fuzz::Check;

using namespace std::string_literals;

const std::vector<std::string> kSections = {"RF", "rf",  " RF ", "Number", "Pcm Data", "MiscInfo",
                                            "S",  "a]b", "[x]",  "",       " ",        "\xff"};
const std::vector<std::string> kKeys = {"Watts", "WATTS", "A",  "B", " K ", "Key",
                                        "=",     ";c",    "[k", "",  "a b", "\xe4"};
const std::vector<std::string> kValues = {"",
                                          "1",
                                          " 2 ",
                                          "-5",
                                          "3.141592654",
                                          "YES",
                                          "no",
                                          std::string(1100, 'v'),
                                          "a\r\nb",
                                          "x\0y"s,
                                          "BOGUS SECTION or KEY",
                                          "\t"};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string ExpectedRead(std::string_view value) {
    while (!value.empty() && IsBlank(value.front())) {
        value.remove_prefix(1);
    }
    while (!value.empty() && IsBlank(value.back())) {
        value.remove_suffix(1);
    }
    return std::string(value.substr(0, 1023));
}

std::size_t CountLineFeeds(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += c == '\n' ? 1 : 0;
    }
    return count;
}

// True when `after` differs from `before` in at most one line of `before`: outside the common
// prefix and suffix, the old text holds at most one line end.
bool AtMostOneLineChanged(std::string_view before, std::string_view after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::string_view oldMiddle = before.substr(prefix, before.size() - prefix - suffix);
    const std::string_view newMiddle = after.substr(prefix, after.size() - prefix - suffix);
    // New: at most an added line end, a section line and the entry line.
    return CountLineFeeds(oldMiddle) <= 1 && CountLineFeeds(newMiddle) <= 3;
}

bool SameName(std::string_view a, std::string_view b) {
    const std::string x = ExpectedRead(a);
    const std::string y = ExpectedRead(b);
    if (x.size() != y.size()) {
        return false;
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (fold(x[i]) != fold(y[i])) {
            return false;
        }
    }
    return true;
}

void CheckTypedReads(const quorvel::IniStore& ini, const std::string& section,
                     const std::string& key) {
    std::int32_t i = 12345;
    if (!quorvel::ReadIniInt(ini, section, key, i)) {
        Check(i == 12345);
    }
    std::uint32_t u = 12345;
    if (!quorvel::ReadIniUnsigned(ini, section, key, 16, u)) {
        Check(u == 12345);
    }
    double d = 0.5;
    if (!quorvel::ReadIniReal(ini, section, key, d)) {
        Check(d == 0.5);
    }
    bool b = true;
    quorvel::ReadIniBool(ini, section, key, b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view text = input.substr(4);
    const auto pick = [](const std::vector<std::string>& list, std::uint8_t byte) {
        return list[byte % list.size()];
    };
    std::string section = pick(kSections, data[0]);
    std::string key = pick(kKeys, data[1]);
    std::string value = pick(kValues, data[2]);
    // A high bit in the fourth byte takes the key from the last bytes of the input instead.
    if ((data[3] & 0x80) != 0) {
        const std::size_t length = std::min<std::size_t>(data[3] & 0x0F, text.size());
        key = std::string(text.substr(text.size() - length));
        text.remove_suffix(length);
    }

    const quorvel::IniText before{std::string(text)};
    std::vector<std::pair<std::string, std::string>> probes;
    for (const char* s : {"RF", "Number", "S", "a]b", "Pcm Data"}) {
        for (const char* k : {"Watts", "A", "B", "Key", "a b"}) {
            probes.emplace_back(s, k);
        }
    }
    probes.emplace_back(section, key);
    std::vector<std::optional<std::string>> answers;
    for (const auto& [s, k] : probes) {
        answers.push_back(before.ReadString(s, k));
        if (answers.back()) {
            Check(answers.back()->size() <= 1023);
            Check(answers.back()->find('\0') == std::string::npos);
        }
    }
    CheckTypedReads(before, section, key);

    quorvel::IniText after = before;
    if (!after.WriteString(section, key, value)) {
        Check(after.Text() == before.Text());
        return 0;
    }
    Check(AtMostOneLineChanged(before.Text(), after.Text()));
    Check(after.ReadString(section, key) == ExpectedRead(value));
    for (std::size_t i = 0; i < probes.size(); ++i) {
        const auto& [s, k] = probes[i];
        if (!(SameName(s, section) && SameName(k, key))) {
            Check(after.ReadString(s, k) == answers[i]);
        }
    }
    CheckTypedReads(after, section, key);
    return 0;
}
