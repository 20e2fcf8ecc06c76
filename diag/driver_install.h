#pragma once
// Bringing up the port access when the start-up check finds none: through the platform's
// driver installer, then by starting the installation script in the driver tools directory.
// Every outcome is only logged; the program runs on with silent cues.
//
// This platform has no service control manager, driver registry or VxD loader, so there is no
// installer to make: CreateInstaller reports the platform and returns none, and EnsureDriver
// records that no installer exists along with why the port backends failed. The installer
// interface stays so that a platform with a driver manager can plug one in. The script is
// "DriverTools/DrvLoad.sh" under the program directory, run by /bin/sh.

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "diag/port_backend.h"

namespace quorvel {

class ProgramRun;
struct DriverState;

// A platform's driver installer. Messages (errors and warnings) collect in one text of at most
// 2000 characters, each ending in a line feed.
class LoadDriver {
public:
    static constexpr std::size_t kMessageLimit = 2000;
    static constexpr std::size_t kNameLimit = 999;

    virtual ~LoadDriver() = default;

    // Fails when the platform manager is not open; otherwise keeps the start type and the
    // registry-method flag and the names.
    virtual bool Init(std::string_view driverName, std::string_view fileName, int startType,
                      std::string_view imagePath, bool registryMethod);
    virtual bool Install() = 0;
    virtual bool Remove() = 0;
    virtual bool Start() = 0;
    virtual bool Stop() = 0;
    virtual bool HasError() const { return m_error; }
    virtual bool HasWarning() const { return m_warning; }
    virtual bool HasMessage() const { return !m_messages.empty(); }
    virtual void AddError(std::string_view text);
    virtual void AddWarning(std::string_view text);
    virtual void ClearMessages();
    virtual void SetNames(std::string_view driverName, std::string_view fileName,
                          std::string_view imagePath);
    virtual bool OpenManager() = 0;
    virtual void CloseManager() = 0;

    const std::string& Messages() const { return m_messages; }
    const std::string& DriverName() const { return m_driverName; }
    const std::string& FileName() const { return m_fileName; }
    const std::string& ImagePath() const { return m_imagePath; }
    int StartType() const { return m_startType; }
    bool RegistryMethod() const { return m_registryMethod; }

protected:
    // Whether the platform manager is open.
    virtual bool ManagerOpen() const = 0;

private:
    void AddMessage(std::string_view text);

    std::string m_messages;
    bool m_registryMethod = false;
    bool m_error = false;
    bool m_warning = false;
    int m_startType = 0;
    std::string m_driverName;
    std::string m_fileName;
    std::string m_imagePath;
};

// The name and version of the running platform, from uname.
struct PlatformVersion {
    std::string name;  // "Linux"
    int major = 0;
    int minor = 0;
};
PlatformVersion CurrentPlatform();

// Writes the three platform lines ("The platform is <name>", "The major version is <n>",
// "The minor version is <n>") and makes the platform's installer: none on this platform.
std::unique_ptr<LoadDriver> CreateInstaller(std::ostream& platformOut);

// Installs and starts the driver service with `installer`; false with the driver error text
// set when there is no installer or it cannot be initialised.
bool InstallDriverService(DriverState& driver, LoadDriver* installer);

// True when a port backend answers, trying the platform's installer when none does. On
// failure the driver error text says why.
bool EnsureDriver(DriverState& driver, const PortBackendFactory& backends,
                  std::ostream& platformOut);

// The installation script's path under the program directory (a file-system path).
std::string DriverToolsScript(std::string_view programDirectory);

// Starts the driver tools' installation script without waiting for it, then checks the driver
// again; logs each step and failure on `run`.
void InstallDriverFromTools(ProgramRun& run, const PortBackendFactory& backends,
                            std::ostream& platformOut);

}  // namespace quorvel
