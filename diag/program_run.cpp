#include "diag/program_run.h"

#include <iostream>

#include "common/number_text.h"
#include "diag/driver_install.h"
#include "diag/error_log.h"
#include "diag/log_file_name.h"
#include "diag/port_backend.h"
#include "diag/port_io.h"
#include "diag/speaker.h"

namespace quorvel {

namespace {

constexpr int kRecordCode = 0;
constexpr int kDriverCode = 1;
constexpr std::string_view kSeparator = ">>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>";

}  // namespace

struct ProgramRun::State {
    State(ClockSource& clockSource, PortBackendFactory portBackends, std::ostream& out,
          std::ostream& errors)
        : clock(clockSource),
          backends(std::move(portBackends)),
          platformOut(out),
          errorOut(errors) {}

    ClockSource& clock;
    PortBackendFactory backends;
    std::ostream& platformOut;
    std::ostream& errorOut;
    std::string programDirectory;
    Folder programFolder;
    std::string programWord;
    std::unique_ptr<Cerrorlog> log;
    std::unique_ptr<speakerclass> speaker;
    DriverState driver;
    bool shuttingDown = false;
};

ProgramRun::ProgramRun(ProgramRunOptions options) {
    ClockSource& clock = options.clock != nullptr ? *options.clock : SystemClock();
    PortBackendFactory backends =
        options.portBackend ? std::move(options.portBackend) : PlatformPortBackends(clock);
    std::ostream& out = options.platformOut != nullptr ? *options.platformOut : std::cout;
    std::ostream& errors = options.errorOut != nullptr ? *options.errorOut : std::cerr;
    m_state = std::make_unique<State>(clock, std::move(backends), out, errors);
}

ProgramRun::~ProgramRun() {
    DestroySpeaker();
}

void ProgramRun::StartRecord(std::string_view version, std::string_view programWord,
                             std::string_view logDirectory, std::string_view logName) {
    State& state = *m_state;
    state.programWord = programWord;
    std::string problem;
    state.programFolder = Folder::WorkingDirectory(&problem);
    state.programDirectory = state.programFolder.Path();
    state.log.reset();

    FileAt logFile;
    std::string logNote;
    if (!state.programFolder.IsOpen()) {
        // Any path made from it would name a place at the root of the file system.
        state.errorOut << programWord << ": no program directory: " << problem
                       << "; the program starts with its defaults and writes no file" << std::endl;
    } else if (LogFileName(state.programFolder, programWord, logDirectory, logName, logFile,
                           &logNote)) {
        if (!logNote.empty()) {
            state.errorOut << programWord << ": " << logNote << std::endl;
        }
        state.log = std::make_unique<Cerrorlog>(logFile, state.clock, &state.errorOut);
    }
    LogLine("------------------PROGRAM START--------------------", kRecordCode);
    LogLine("Program Version " + std::string(version), kRecordCode);
    if (!logNote.empty()) {
        LogLine(logNote, kDriverCode);
    }

    if (!EnsureDriver(state.driver, state.backends, state.platformOut)) {
        LogLine(state.driver.errorText, kDriverCode);
        LogLine("HARDWARE DRIVER NOT LOADED.  CANNOT NOT TALK TO HARDWARE!!!!!!!!!!!!!!",
                kDriverCode);
        InstallDriverFromTools(*this, state.backends, state.platformOut);
    }

    const std::int32_t number = state.driver.version.number;
    LogLine(kSeparator, kDriverCode);
    LogLine(
        "WINDRIVER Version " + FixedText(number / 100, 0, 0) + "." + FixedText(number % 100, 0, 0),
        number);
    LogLine(kSeparator, kDriverCode);

    CreateSpeaker();
    state.shuttingDown = false;
}

void ProgramRun::EndRecord() {
    DestroySpeaker();
    LogLine("------------------PROGRAM END--------------------", kRecordCode);
    if (m_state->log != nullptr) {
        m_state->log->Close();
        m_state->log.reset();
    }
}

bool ProgramRun::LogLine(std::string_view text, int code) {
    m_state->programFolder.Enter();
    return m_state->log != nullptr && m_state->log->Write(text, code);
}

bool ProgramRun::Report(std::string_view text, int code) {
    if (LogLine(text, code)) {
        return true;
    }
    const std::string_view word =
        m_state->programWord.empty() ? std::string_view("QuorvelII") : m_state->programWord;
    m_state->errorOut << word << ": " << text << std::endl;
    return false;
}

const std::string& ProgramRun::ProgramDirectory() const {
    return m_state->programDirectory;
}

const Folder& ProgramRun::ProgramFolder() const {
    return m_state->programFolder;
}

bool ProgramRun::ShuttingDown() const {
    return m_state->shuttingDown;
}

void ProgramRun::SetShuttingDown(bool shuttingDown) {
    m_state->shuttingDown = shuttingDown;
}

void ProgramRun::CreateSpeaker() {
    // One speaker at a time: a second one would share the ports (and the sound device).
    DestroySpeaker();
    State& state = *m_state;
    std::unique_ptr<PortBackend> backend = state.backends ? state.backends() : nullptr;
    state.speaker = std::make_unique<speakerclass>(state.driver, std::move(backend), state.clock);
    state.speaker->ToneOff();
}

void ProgramRun::DestroySpeaker() {
    if (m_state->speaker != nullptr) {
        m_state->speaker->ToneOff();
        m_state->speaker.reset();
    }
}

void ProgramRun::SoundClick() {
    if (m_state->speaker == nullptr) {
        CreateSpeaker();
    }
    m_state->speaker->Beep(1, 1);
}

void ProgramRun::SoundWarning() {
    if (m_state->speaker == nullptr) {
        CreateSpeaker();
    }
    m_state->speaker->TwoTone();
}

void ProgramRun::SoundError() {
    if (m_state->speaker == nullptr) {
        CreateSpeaker();
    }
    m_state->speaker->DoubleBuzz();
}

ClockSource& ProgramRun::Clock() {
    return m_state->clock;
}

DriverState& ProgramRun::Driver() {
    return m_state->driver;
}

}  // namespace quorvel
