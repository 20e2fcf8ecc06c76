#pragma once
// A process locale whose decimal separator is a comma, for the length of one test, so that
// the tests can show that no number text depends on the locale (the toolkit sets the C
// locale from the environment). Every such test skips alike, with the same reason, on a
// machine that has no comma locale; ./build.sh generates de_DE.UTF-8 so CI always has one.

#include <clocale>
#include <string>

namespace quorvel::testing {

class CommaLocale {
public:
    static constexpr const char* kMissing =
        "no locale with a comma decimal separator is installed (./build.sh generates "
        "de_DE.UTF-8)";

    CommaLocale() : m_saved(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr &&
                std::string(std::localeconv()->decimal_point) == ",") {
                m_active = true;
                return;
            }
        }
        std::setlocale(LC_ALL, m_saved.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, m_saved.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool Active() const { return m_active; }

private:
    std::string m_saved;
    bool m_active = false;
};

}  // namespace quorvel::testing
