// Runs a golden file through quorvel-cli and compares what it prints.
//
//   quorvel_cli_golden [--update] CLI GOLDEN
//
// A golden file is a list of cases. An input line stands at the start of a line; the lines
// expected from it follow, each indented by one tab:
//
//   # a comment; blank lines are ignored
//   RF Watts=2 --menu "Ratio To Db" --answer 2     arguments, quoted as in a shell
//   	2> cue: warning                              a line on standard error
//   	LabelRatio	2.00                             a line on standard output
//   	exit 2                                       the exit status, when not 0
//   @file QuorvelII.Cfg                           writes a file, lines ended by CR LF
//   	[RF]
//   @cat QuorvelII.Cfg                            expects a file's lines (CR LF or LF)
//   	[RF]
//   --batch RF < lines.txt                        "<" FILE last: the file is standard input
//
// All cases of a file run in order in one fresh directory, so a case can read the files
// that earlier cases wrote or saved. With --update the file is rewritten with what the
// program printed, to be read over before it is committed.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Case {
    std::string input;                  // the input line
    std::vector<std::string> expected;  // the indented lines, without their tab
    int lineNumber = 0;
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines of a text, each without its LF and a CR before it; no empty last line.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool lastLine = end == std::string::npos;
        if (lastLine) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// Lines that are neither input nor expected output: comments and blank lines, kept as they
// stand when the file is rewritten.
bool IsFiller(const std::string& line) {
    return line.empty() || line[0] == '#';
}

// Splits an input line as a POSIX shell would split plain words: white space separates,
// single quotes keep everything, double quotes keep everything but \" and \\, and a
// backslash outside quotes keeps the next character.
std::optional<std::vector<std::string>> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t') {
            if (inWord) {
                words.push_back(word);
                word.clear();
                inWord = false;
            }
            continue;
        }
        inWord = true;
        if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            if (close == std::string::npos) {
                return std::nullopt;
            }
            word += line.substr(i + 1, close - i - 1);
            i = close;
        } else if (c == '"') {
            for (++i;; ++i) {
                if (i >= line.size()) {
                    return std::nullopt;
                }
                if (line[i] == '"') {
                    break;
                }
                if (line[i] == '\\' && i + 1 < line.size() &&
                    (line[i + 1] == '"' || line[i + 1] == '\\')) {
                    ++i;
                }
                word += line[i];
            }
        } else if (c == '\\' && i + 1 < line.size()) {
            word += line[++i];
        } else {
            word += c;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

// Runs the program in `directory` and returns what it printed, as golden lines.
std::vector<std::string> RunProgram(const std::string& program, std::vector<std::string> args,
                                    const fs::path& directory, const fs::path& outputs) {
    // "< FILE" at the end gives the program the file as its standard input.
    std::string input = "/dev/null";
    if (args.size() >= 2 && args[args.size() - 2] == "<") {
        input = (directory / args.back()).string();
        args.resize(args.size() - 2);
    }
    const fs::path outPath = outputs / "stdout";
    const fs::path errPath = outputs / "stderr";
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = open(input.c_str(), O_RDONLY);
        if (out < 0 || err < 0 || in < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 ||
            dup2(err, 2) < 0 || chdir(directory.c_str()) != 0) {
            _exit(127);
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) {
        return {"runner: cannot run " + program};
    }
    std::vector<std::string> lines;
    for (const std::string& line : Lines(ReadAll(errPath))) {
        lines.push_back("2> " + line);
    }
    for (const std::string& line : Lines(ReadAll(outPath))) {
        lines.push_back(line);
    }
    if (WIFSIGNALED(status)) {
        lines.push_back("signal " + std::to_string(WTERMSIG(status)));
    } else if (WEXITSTATUS(status) != 0) {
        lines.push_back("exit " + std::to_string(WEXITSTATUS(status)));
    }
    return lines;
}

class Scratch {
public:
    Scratch() {
        std::string name = (fs::temp_directory_path() / "quorvel-golden-XXXXXX").string();
        if (mkdtemp(name.data()) != nullptr) {
            m_path = name;
            fs::create_directory(m_path / "work");
        }
    }
    ~Scratch() {
        std::error_code ignored;
        if (!m_path.empty()) {
            fs::remove_all(m_path, ignored);
        }
    }
    bool Ok() const { return !m_path.empty(); }
    fs::path Work() const { return m_path / "work"; }
    const fs::path& Outputs() const { return m_path; }

private:
    fs::path m_path;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool update = !args.empty() && args[0] == "--update";
    if (update) {
        args.erase(args.begin());
    }
    if (args.size() != 2) {
        std::cerr << "usage: quorvel_cli_golden [--update] CLI GOLDEN\n";
        return 2;
    }
    const std::string program = fs::absolute(args[0]).string();
    const std::string goldenPath = args[1];
    const std::vector<std::string> golden = Lines(ReadAll(goldenPath));
    if (golden.empty()) {
        std::cerr << goldenPath << ": empty or unreadable\n";
        return 2;
    }
    Scratch scratch;
    if (!scratch.Ok()) {
        std::cerr << "cannot make a scratch directory\n";
        return 2;
    }

    std::vector<std::string> rewritten;
    int cases = 0;
    int failures = 0;
    for (std::size_t i = 0; i < golden.size();) {
        if (IsFiller(golden[i]) || golden[i][0] == '\t') {
            if (golden[i][0] == '\t') {
                std::cerr << goldenPath << ":" << i + 1 << ": expected line without input\n";
                return 2;
            }
            rewritten.push_back(golden[i++]);
            continue;
        }
        Case c;
        c.input = golden[i];
        c.lineNumber = static_cast<int>(i + 1);
        for (++i; i < golden.size() && !golden[i].empty() && golden[i][0] == '\t'; ++i) {
            c.expected.push_back(golden[i].substr(1));
        }
        std::vector<std::string> actual;
        if (c.input.starts_with("@file ")) {
            std::string bytes;
            for (const std::string& line : c.expected) {
                bytes += line + "\r\n";
            }
            std::ofstream(scratch.Work() / c.input.substr(6), std::ios::binary) << bytes;
            actual = c.expected;
        } else if (c.input.starts_with("@cat ")) {
            const fs::path file = scratch.Work() / c.input.substr(5);
            actual = fs::exists(file) ? Lines(ReadAll(file))
                                      : std::vector<std::string>{"(no such file)"};
        } else {
            const auto words = SplitWords(c.input);
            if (!words) {
                std::cerr << goldenPath << ":" << c.lineNumber << ": unclosed quote\n";
                return 2;
            }
            actual = RunProgram(program, *words, scratch.Work(), scratch.Outputs());
        }
        ++cases;
        rewritten.push_back(c.input);
        for (const std::string& line : actual) {
            rewritten.push_back("\t" + line);
        }
        if (actual != c.expected) {
            ++failures;
            std::cerr << goldenPath << ":" << c.lineNumber << ": " << c.input << "\n";
            std::cerr << "  expected:\n";
            for (const std::string& line : c.expected) {
                std::cerr << "\t" << line << "\n";
            }
            std::cerr << "  actual:\n";
            for (const std::string& line : actual) {
                std::cerr << "\t" << line << "\n";
            }
        }
    }
    if (update) {
        std::ofstream out(goldenPath, std::ios::binary | std::ios::trunc);
        for (const std::string& line : rewritten) {
            out << line << "\n";
        }
        std::cout << goldenPath << ": rewritten, " << failures << " of " << cases
                  << " cases changed\n";
        return 0;
    }
    std::cout << goldenPath << ": " << cases - failures << " of " << cases << " cases pass\n";
    return failures == 0 ? 0 : 1;
}
