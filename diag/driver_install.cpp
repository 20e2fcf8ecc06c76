#include "diag/driver_install.h"

#include <sys/utsname.h>

#include <charconv>
#include <string>

#include "common/file_access.h"
#include "diag/detached_process.h"
#include "diag/port_io.h"
#include "diag/program_run.h"

namespace quorvel {

namespace {

constexpr int kLogCode = 1;
constexpr int kAutomaticStart = 2;
constexpr std::string_view kToolsFolder = "DriverTools";
constexpr std::string_view kToolsScript = "DrvLoad.sh";
constexpr std::string_view kInstallFailed =
    "ATTEMPT TO INSTALL HARDWARE DRIVER FAILED.  CANNOT NOT TALK TO HARDWARE!!!!!!!!!!!!!!";

std::string Cut(std::string_view text, std::size_t limit) {
    return std::string(text.substr(0, limit));
}

// Reads the leading number of `text` from `pos` on and moves past it and one following
// separator; 0 when there is none.
int NextVersionPart(std::string_view text, std::size_t& pos) {
    int value = 0;
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc()) {
        return 0;
    }
    pos = static_cast<std::size_t>(end - text.data());
    if (pos < text.size()) {
        ++pos;
    }
    return value;
}

}  // namespace

bool LoadDriver::Init(std::string_view driverName, std::string_view fileName, int startType,
                      std::string_view imagePath, bool registryMethod) {
    if (!ManagerOpen()) {
        return false;
    }
    m_registryMethod = registryMethod;
    m_startType = startType;
    SetNames(driverName, fileName, imagePath);
    return true;
}

void LoadDriver::AddError(std::string_view text) {
    m_error = true;
    AddMessage(text);
}

void LoadDriver::AddWarning(std::string_view text) {
    m_warning = true;
    AddMessage(text);
}

void LoadDriver::ClearMessages() {
    m_messages.clear();
    m_error = false;
    m_warning = false;
}

void LoadDriver::SetNames(std::string_view driverName, std::string_view fileName,
                          std::string_view imagePath) {
    m_driverName = Cut(driverName, kNameLimit);
    m_fileName = Cut(fileName, kNameLimit);
    m_imagePath = Cut(imagePath, kNameLimit);
}

void LoadDriver::AddMessage(std::string_view text) {
    if (m_messages.size() < kMessageLimit) {
        m_messages.append(text.substr(0, kMessageLimit - m_messages.size()));
    }
}

PlatformVersion CurrentPlatform() {
    PlatformVersion platform;
    struct utsname names {};
    if (::uname(&names) != 0) {
        platform.name = "unknown";
        return platform;
    }
    platform.name = names.sysname;
    const std::string_view release(names.release);
    std::size_t pos = 0;
    platform.major = NextVersionPart(release, pos);
    platform.minor = NextVersionPart(release, pos);
    return platform;
}

std::unique_ptr<LoadDriver> CreateInstaller(std::ostream& platformOut) {
    const PlatformVersion platform = CurrentPlatform();
    // Numbers through to_string: the stream's locale might group digits.
    platformOut << "The platform is " << platform.name << '\n'
                << "The major version is " << std::to_string(platform.major) << '\n'
                << "The minor version is " << std::to_string(platform.minor) << '\n';
    platformOut.flush();
    // Port access here needs no kernel driver of the program's own: the x86 ports are reached
    // with ioperm and the speaker model needs only a sound device, so there is nothing to
    // install.
    return nullptr;
}

bool InstallDriverService(DriverState& driver, LoadDriver* installer) {
    if (installer == nullptr) {
        const PlatformVersion platform = CurrentPlatform();
        driver.SetErrorText("No port access (" + driver.unavailableReason +
                            ") and no driver installer for " + platform.name + ".\n");
        return false;
    }
    if (!installer->Init("WinDriver", "WINDRVR6", kAutomaticStart, "", false)) {
        driver.SetErrorText("WINDRVR6 Init failed.  Try rebooting machine.\n");
        return false;
    }
    installer->Install();
    installer->Start();
    return true;
}

bool EnsureDriver(DriverState& driver, const PortBackendFactory& backends,
                  std::ostream& platformOut) {
    if (DriverPresent(driver, backends)) {
        return true;
    }
    const std::unique_ptr<LoadDriver> installer = CreateInstaller(platformOut);
    if (!InstallDriverService(driver, installer.get())) {
        return false;
    }
    if (DriverPresent(driver, backends)) {
        return true;
    }
    driver.SetErrorText("WINDRVR6 FAILED TO REGISTER AFTER INSTALLATION, TRY REBOOTING");
    return false;
}

std::string DriverToolsScript(std::string_view programDirectory) {
    return ProgramPath(programDirectory,
                       "\\" + std::string(kToolsFolder) + "\\" + std::string(kToolsScript));
}

void InstallDriverFromTools(ProgramRun& run, const PortBackendFactory& backends,
                            std::ostream& platformOut) {
    run.LogLine("Attempting to install HARDWARE DRIVER..........", kLogCode);
    if (!run.ProgramFolder().IsOpen()) {
        // No program directory, so no driver tools: a path made from none would name the
        // root's.
        run.LogLine(kInstallFailed, kLogCode);
        return;
    }
    const std::string programDirectory = run.ProgramDirectory();
    const std::string script = DriverToolsScript(programDirectory);
    if (!FileReadable(script)) {
        run.LogLine("    .... Tried to run " + script +
                        "  and it does not exist.  Located on your Install CD and put it here.",
                    kLogCode);
        run.LogLine(kInstallFailed, kLogCode);
        return;
    }
    EnterDirectory(ProgramPath(programDirectory, "\\" + std::string(kToolsFolder)));
    std::string reason;
    if (StartScriptDetached(script, reason) < 0) {
        run.LogLine("    .... Tried to run " + script + "  and it failed", kLogCode);
        run.LogLine(kInstallFailed, kLogCode);
    } else if (!EnsureDriver(run.Driver(), backends, platformOut)) {
        run.LogLine(run.Driver().errorText, kLogCode);
        run.LogLine(kInstallFailed, kLogCode);
    }
    run.ProgramFolder().Enter();
}

}  // namespace quorvel
