// What the Misc page costs per user action: the whole display list that every redisplay
// writes (14 texts), and an entry in another unit (the Feet prompt read and converted), for
// random values across the bounds.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "bench/silent_interaction.h"
#include "common/number_text.h"
#include "pages/misc/misc_page.h"
#include "shell/ini_store.h"

namespace {

// Answers every text-entry box with the next text of its list.
class ListedAnswers final : public quorvel::Interaction {
public:
    explicit ListedAnswers(const std::vector<std::string>& answers) : m_answers(answers) {}
    quorvel::Cues& cues() override { return m_cues; }
    std::string InputBox(std::string_view, std::string_view, std::string_view) override {
        const std::string& answer = m_answers[m_next];
        m_next = (m_next + 1) % m_answers.size();
        return answer;
    }
    bool RunDialog(quorvel::DialogModel&) override { return false; }
    void ShowMessage(std::string_view) override {}

private:
    quorvel::bench::SilentCues m_cues;
    const std::vector<std::string>& m_answers;
    std::size_t m_next = 0;
};

// Values spread over the bounds of the entries, in the page's 9-decimal settings text.
std::vector<std::string> RandomValueTexts(double low, double high) {
    std::mt19937 random(11U);
    std::uniform_real_distribution<double> value(low, high);
    std::vector<std::string> texts(1024);
    for (auto& text : texts) {
        text = quorvel::FixedText(value(random), 9, 9);
    }
    return texts;
}

void BM_MiscDisplay(benchmark::State& state) {
    const auto texts = RandomValueTexts(-4294967295.0, 4294967295.0);
    std::vector<quorvel::MiscCalcPageModel> pages(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& v = texts[i];
        pages[i].LoadSettings(
            quorvel::IniText("[MiscCalc]\r\nNmi=" + v + "\r\nVectorXyzAry x=" + v +
                             "\r\nVectorXyzAry y=" + v + "\r\nVectorXyzAry z=" + v +
                             "\r\nKts=" + v + "\r\nGs=" + texts[(i * 7) % 1024] + "\r\n"));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pages[i].Display());
        i = (i + 1) % pages.size();
    }
}
BENCHMARK(BM_MiscDisplay);

void BM_MiscFeetEntry(benchmark::State& state) {
    const auto texts = RandomValueTexts(0, 4294967295.0);
    ListedAnswers ui(texts);
    quorvel::MiscCalcPageModel page;
    for (auto _ : state) {
        page.RunMenuCommand({"PopupMenu2", "Feet"}, ui);
        benchmark::DoNotOptimize(page.Values().distanceNmi);
    }
}
BENCHMARK(BM_MiscFeetEntry);

}  // namespace
