#include "cli/batch_run.h"

#include <cstring>
#include <ios>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/display_output.h"
#include "cli/name_match.h"
#include "cli/page_actions.h"
#include "cli/page_settings.h"
#include "cli/script_interaction.h"
#include "cli/shell_words.h"
#include "shell/ini_store.h"
#include "shell/settings_text.h"

namespace quorvel::cli {
namespace {

constexpr std::string_view kProgram = "quorvel-cli: ";

// Reads standard input a line at a time through a fixed buffer, so that no line longer than
// kMaxBatchLine is ever held whole. A read error (standard input a directory, or closed) ends
// the lines like the end of the input, and Failed() then says why.
class LineReader {
public:
    enum class Result { Line, TooLong, End };

    explicit LineReader(std::istream& in)
        : m_in(in), m_buffer(1 << 16), m_exceptions(in.exceptions()) {
        // The stream reports a read error by the exception it would otherwise swallow, which
        // carries the system's reason.
        if (!m_in.bad()) {
            m_in.exceptions(m_exceptions | std::ios::badbit);
        }
    }
    ~LineReader() {
        try {
            m_in.exceptions(m_exceptions);
        } catch (const std::ios_base::failure&) {
            // The caller's own mask throws on the state the read left; the mask is back.
        }
    }
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Why the input could not be read to its end; empty when it could.
    const std::string& Failed() const { return m_failure; }

    Result Next(std::string& line) {
        line.clear();
        bool tooLong = false;
        bool any = false;
        while (true) {
            if (m_pos == m_end && !Fill()) {
                if (!any) {
                    return Result::End;
                }
                break;
            }
            any = true;
            const char* start = m_buffer.data() + m_pos;
            const auto* newline = static_cast<const char*>(std::memchr(start, '\n', m_end - m_pos));
            const std::size_t length = newline != nullptr ? newline - start : m_end - m_pos;
            if (!tooLong && line.size() + length <= kMaxBatchLine) {
                line.append(start, length);
            } else {
                tooLong = true;
                line.clear();
            }
            m_pos += length;
            if (newline != nullptr) {
                ++m_pos;
                break;
            }
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return tooLong ? Result::TooLong : Result::Line;
    }

private:
    bool Fill() {
        try {
            return FillFromStream();
        } catch (const std::ios_base::failure& error) {
            m_failure = error.code() ? error.code().message() : std::string("a read error");
            return false;
        }
    }

    bool FillFromStream() {
        if (!m_in) {
            if (m_in.bad() && m_failure.empty()) {
                m_failure = "a read error";
            }
            return false;
        }
        // A partial read is taken as soon as it comes, so that a slow producer's line is
        // answered without waiting for the buffer to fill.
        m_in.peek();
        const std::streamsize got =
            m_in.readsome(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        if (got > 0) {
            m_pos = 0;
            m_end = static_cast<std::size_t>(got);
            return true;
        }
        m_in.read(m_buffer.data(), 1);
        if (m_in.gcount() == 1) {
            m_pos = 0;
            m_end = 1;
            return true;
        }
        return false;
    }

    std::istream& m_in;
    std::vector<char> m_buffer;
    std::ios::iostate m_exceptions;
    std::string m_failure;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
};

class Batch {
public:
    Batch(const Request& request, int tabIndex, ClockSource& clock, const PageFactory& makePage,
          BatchStreams streams)
        : m_request(request),
          m_tabIndex(tabIndex),
          m_clock(clock),
          m_makePage(makePage),
          m_streams(streams),
          m_ui(streams.err, request.verbose) {}

    int Run() {
        std::unique_ptr<PageModel> first = m_makePage(m_tabIndex, m_clock);
        if (!first) {
            return Fail(kExitFailed, "the page could not be made");
        }
        std::string error;
        if (m_request.settingsPath &&
            !ReadSettingsBytes(*m_request.settingsPath, m_request.save, m_original, error)) {
            return Fail(kExitUsage, error);
        }
        m_base = IniText(SettingsTextOf(m_original.value_or(std::string())));
        std::string warnings;
        if (!OverlaySettings(*first, m_request.settings, m_base, warnings, error)) {
            return Fail(kExitUsage, error);
        }
        m_streams.err << warnings;
        first->LoadSettings(m_base);
        if (!SelectLabels(first->Display(), m_request.only, m_labels, error)) {
            return Fail(kExitUsage, error);
        }
        if (m_request.carry) {
            m_carried = std::move(first);
        }

        LineReader reader(m_streams.in);
        std::string text;
        std::vector<std::string> words;
        for (long number = 1;; ++number) {
            const LineReader::Result read = reader.Next(text);
            if (read == LineReader::Result::End) {
                break;
            }
            const std::string where = "line " + std::to_string(number) + ": ";
            if (read == LineReader::Result::TooLong) {
                LineFailed(where, "the line is longer than " + std::to_string(kMaxBatchLine) +
                                      " characters; it is passed over");
                continue;
            }
            if (!SplitShellWords(text, words, error)) {
                LineFailed(where, error);
                continue;
            }
            if (words.empty()) {
                continue;
            }
            BatchLine line;
            if (!ParseBatchLine(words, line, error)) {
                LineFailed(where, error);
                continue;
            }
            const std::optional<DisplayList> shown = Answer(line, where);
            if (shown && !Write(*shown, number)) {
                return Fail(kExitFailed, "cannot write the output");
            }
        }
        // Lines that could not be read are not the end of the input: the batch did not get
        // all its lines, and nothing is saved from it.
        if (!reader.Failed().empty()) {
            return Fail(kExitFailed, "cannot read the batch lines from standard input (" +
                                         reader.Failed() + ")");
        }
        if (m_request.save) {
            std::string notes;
            const bool saved =
                SavePageSection(*m_carried, *m_request.settingsPath, m_original, notes, error);
            m_streams.err << notes;
            if (!saved) {
                return Fail(kExitFailed, error);
            }
        }
        return m_failedLines > 0 ? kExitUsage : kExitOk;
    }

private:
    int Fail(int status, const std::string& message) {
        m_streams.err << kProgram << message << "\n";
        return status;
    }

    void LineFailed(const std::string& where, const std::string& message) {
        ++m_failedLines;
        m_streams.err << kProgram << where << message << "\n";
    }

    // The page a line works on: a fresh one loaded from the command line's settings and the
    // line's own, or with --carry the one page, its entries applied over its present state.
    PageModel* PageFor(const BatchLine& line, const std::string& where) {
        std::string warnings;
        std::string error;
        if (m_carried) {
            if (!line.settings.empty()) {
                // The state as it would be saved, the line's entries over it, read back in
                // the page's own order with its derivations.
                IniText state = m_base;
                m_carried->SaveSettings(state);
                if (!OverlaySettings(*m_carried, line.settings, state, warnings, error)) {
                    LineFailed(where, error);
                    return nullptr;
                }
                m_carried->LoadSettings(state);
            }
            Warn(where, warnings);
            return m_carried.get();
        }
        m_fresh = m_makePage(m_tabIndex, m_clock);
        if (line.settings.empty()) {
            m_fresh->LoadSettings(m_base);
        } else {
            IniText settings = m_base;
            if (!OverlaySettings(*m_fresh, line.settings, settings, warnings, error)) {
                LineFailed(where, error);
                return nullptr;
            }
            m_fresh->LoadSettings(settings);
        }
        Warn(where, warnings);
        return m_fresh.get();
    }

    void Warn(const std::string& where, const std::string& warnings) {
        std::size_t start = 0;
        while (start < warnings.size()) {
            const std::size_t end = warnings.find('\n', start);
            m_streams.err << where << warnings.substr(start, end - start + 1);
            start = end == std::string::npos ? warnings.size() : end + 1;
        }
    }

    // Runs the line; its display list, or nothing when the line failed.
    std::optional<DisplayList> Answer(const BatchLine& line, const std::string& where) {
        PageModel* page = PageFor(line, where);
        if (page == nullptr) {
            return std::nullopt;
        }
        m_ui.SetLinePrefix(where);
        std::string error;
        for (const Action& action : line.actions) {
            if (!RunPageAction(*page, action, m_ui, error)) {
                LineFailed(where, error);
                return std::nullopt;
            }
        }
        return OnlySelected(page->Display(), m_labels);
    }

    bool Write(const DisplayList& display, long number) {
        std::ostream& out = m_streams.out;
        if (m_request.json) {
            const std::string json = DisplayJson(display);
            out << "{\"line\":" << number << (display.empty() ? "" : ",")
                << std::string_view(json).substr(1);
        } else {
            out << DisplayLines(display) << '\n';
        }
        if (m_streams.flushEachAnswer) {
            out.flush();
        }
        return static_cast<bool>(out);
    }

    const Request& m_request;
    int m_tabIndex;
    ClockSource& m_clock;
    const PageFactory& m_makePage;
    BatchStreams m_streams;
    ScriptInteraction m_ui;
    std::optional<std::string> m_original;
    IniText m_base;
    std::vector<std::string> m_labels;
    std::unique_ptr<PageModel> m_carried;
    std::unique_ptr<PageModel> m_fresh;
    long m_failedLines = 0;
};

}  // namespace

int RunBatch(const Request& request, int tabIndex, ClockSource& clock, const PageFactory& makePage,
             BatchStreams streams) {
    return Batch(request, tabIndex, clock, makePage, streams).Run();
}

}  // namespace quorvel::cli
