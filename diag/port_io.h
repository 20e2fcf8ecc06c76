#pragma once
// Port access for the speaker: plxgenioclass opens a list of I/O ports through a port
// backend (diag/port_backend.h) and moves single bytes; DriverPresent is the start-up check
// that a backend answers and reads its version. Failures end in the driver error text, which
// the start record logs; nothing here stops the program.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "diag/port_backend.h"

namespace quorvel {

// What the driver access last went wrong with, and the version it last read.
struct DriverState {
    // At most this many characters are kept of an error text.
    static constexpr std::size_t kErrorTextLimit = 1023;

    std::string errorText;
    DriverVersion version;
    // Why the last driver check found no port access ("" when it found some).
    std::string unavailableReason;

    void SetErrorText(std::string_view text);
};

// The lowest driver version the port access accepts.
inline constexpr std::int32_t kLowestDriverVersion = 603;
inline constexpr int kMaxPorts = 64;

class plxgenioclass {
public:
    // Closed, no ports. `backend` may be null: every Open then fails.
    plxgenioclass(DriverState& driver, std::unique_ptr<PortBackend> backend);
    ~plxgenioclass();
    plxgenioclass(const plxgenioclass&) = delete;
    plxgenioclass& operator=(const plxgenioclass&) = delete;

    // Opens the `count` ports listed in `ports` (count 1..64; anything else fails without
    // touching the backend). Reads the backend's version into the driver state and refuses
    // one below 603. On failure the driver error text becomes "Gen I/O open failed for " and
    // a line feed, and OpenFailure() says which step failed. An open object is closed first.
    bool Open(int count, const std::uint16_t* ports);
    // The byte at the port of index i; 0 when closed or i is not a listed port.
    std::uint8_t ReadByte(int i);
    // Writes v to the port of index i; nothing when closed or i is not a listed port.
    void WriteByte(int i, std::uint8_t v);
    void Close();

    bool IsOpen() const { return m_open; }
    // The reason the last Open failed ("" after a successful one).
    const std::string& OpenFailure() const { return m_openFailure; }

private:
    DriverState& m_driver;
    std::unique_ptr<PortBackend> m_backend;
    bool m_open = false;
    std::vector<std::uint16_t> m_ports;
    std::string m_openFailure;
};

// True when the backend answers; its version then goes into the driver state. When it does
// not, the state's unavailable reason says why. The driver error text is left alone.
bool DriverPresent(DriverState& driver, PortBackend* backend);
bool DriverPresent(DriverState& driver, const PortBackendFactory& backends);

}  // namespace quorvel
