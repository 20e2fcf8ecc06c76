// One typed read and one typed write on a settings file of the size the program keeps (8
// sections, 60 keys, about 1.7 KB), in a scratch directory under the system's temporary
// directory. Also: the same read on text in memory (the parsing alone), and a whole save of
// the keys at shut-down two ways: the file deleted, then one file write per key (as the
// program saved before), and the whole text built in memory, then one backed-up replacement
// (as it saves now).
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "common/file_access.h"
#include "shell/settings_file.h"
#include "shell/settings_save.h"

namespace {

namespace fs = std::filesystem;

struct Key {
    std::string section;
    std::string key;
    double value;
};

// Sections and key counts like the program's own file.
std::vector<Key> RealisticKeys() {
    const std::vector<std::pair<std::string, int>> sections = {
        {"RF", 14},   {"Number", 4},   {"MathTrig", 8},  {"DateTime", 6},
        {"Wg84", 12}, {"MiscCalc", 8}, {"Pcm Data", 10}, {"MiscInfo", 3}};
    std::vector<Key> keys;
    for (const auto& [section, count] : sections) {
        for (int i = 0; i < count; ++i) {
            keys.push_back(
                {section, section.substr(0, 3) + "Value" + std::to_string(i), 1234.5678 * (i + 1)});
        }
    }
    return keys;
}

class ScratchFile {
public:
    ScratchFile() {
        m_dir = fs::temp_directory_path() / ("quorvel-bench-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_path = (m_dir / "QuorvelII.Cfg").string();
    }
    ~ScratchFile() { fs::remove_all(m_dir); }
    const std::string& Path() const { return m_path; }

private:
    fs::path m_dir;
    std::string m_path;
};

void SaveAll(const std::string& path, const std::vector<Key>& keys) {
    fs::remove(path);
    for (const Key& k : keys) {
        quorvel::WriteIniReal(path, k.section, k.key, k.value);
    }
}

void BM_ReadIniRealFile(benchmark::State& state) {
    ScratchFile file;
    const std::vector<Key> keys = RealisticKeys();
    SaveAll(file.Path(), keys);
    // A key of the sixth section, read as a page load reads it.
    const Key& wanted = keys[50];
    for (auto _ : state) {
        double value = 0;
        benchmark::DoNotOptimize(
            quorvel::ReadIniReal(file.Path(), wanted.section, wanted.key, value));
        benchmark::DoNotOptimize(value);
    }
    state.counters["file_bytes"] = static_cast<double>(fs::file_size(file.Path()));
}
BENCHMARK(BM_ReadIniRealFile);

void BM_ReadIniRealText(benchmark::State& state) {
    quorvel::IniText ini;
    const std::vector<Key> keys = RealisticKeys();
    for (const Key& k : keys) {
        quorvel::WriteIniReal(ini, k.section, k.key, k.value);
    }
    const Key& wanted = keys[50];
    for (auto _ : state) {
        double value = 0;
        benchmark::DoNotOptimize(quorvel::ReadIniReal(ini, wanted.section, wanted.key, value));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ReadIniRealText);

void BM_WriteIniRealFile(benchmark::State& state) {
    ScratchFile file;
    const std::vector<Key> keys = RealisticKeys();
    SaveAll(file.Path(), keys);
    const Key& wanted = keys[50];
    double value = 0;
    for (auto _ : state) {
        // A new value each time, so every write really replaces the file.
        value += 1.0;
        benchmark::DoNotOptimize(
            quorvel::WriteIniReal(file.Path(), wanted.section, wanted.key, value));
    }
}
BENCHMARK(BM_WriteIniRealFile)->Unit(benchmark::kMicrosecond);

void BM_SaveAllSixtyKeys(benchmark::State& state) {
    ScratchFile file;
    const std::vector<Key> keys = RealisticKeys();
    for (auto _ : state) {
        SaveAll(file.Path(), keys);
    }
    state.counters["keys"] = static_cast<double>(keys.size());
}
BENCHMARK(BM_SaveAllSixtyKeys)->Unit(benchmark::kMillisecond);

// The shut-down save as it was: backup, file deleted, one write per key.
void BM_SaveKeyByKeyWithBackup(benchmark::State& state) {
    ScratchFile file;
    const std::vector<Key> keys = RealisticKeys();
    SaveAll(file.Path(), keys);
    for (auto _ : state) {
        quorvel::BackupFile(file.Path());
        SaveAll(file.Path(), keys);
    }
    state.counters["file_writes"] = static_cast<double>(keys.size() + 1);
}
BENCHMARK(BM_SaveKeyByKeyWithBackup)->Unit(benchmark::kMillisecond);

// The shut-down save as it is now: the text built in memory, the backup and the file each
// written once, flushed and renamed into place.
void BM_SaveInMemoryThenReplace(benchmark::State& state) {
    ScratchFile file;
    const std::vector<Key> keys = RealisticKeys();
    SaveAll(file.Path(), keys);
    double shift = 0;
    for (auto _ : state) {
        // A new value each time, so that both the backup and the file are really written.
        shift += 1.0;
        quorvel::IniText text;
        for (const Key& k : keys) {
            quorvel::WriteIniReal(text, k.section, k.key, k.value + shift);
        }
        benchmark::DoNotOptimize(quorvel::SaveSettingsText(file.Path(), text.Text()).saved);
    }
    state.counters["file_writes"] = 2;
}
BENCHMARK(BM_SaveInMemoryThenReplace)->Unit(benchmark::kMillisecond);

// Building the text alone, without the disk.
void BM_BuildTextInMemory(benchmark::State& state) {
    const std::vector<Key> keys = RealisticKeys();
    for (auto _ : state) {
        quorvel::IniText text;
        for (const Key& k : keys) {
            quorvel::WriteIniReal(text, k.section, k.key, k.value);
        }
        benchmark::DoNotOptimize(text.Text().size());
    }
}
BENCHMARK(BM_BuildTextInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
