#pragma once
// Byte access to a few I/O ports, the way the speaker needs it. The port access object
// (plxgenioclass) works through one backend; the platform offers these, tried in this order:
//
//   x86 port I/O    ioperm/inb/outb on the real ports, for a process that may use them (root
//                   with CAP_SYS_RAWIO on a PC): the real PC speaker. Version 603, "6.3".
//   speaker model   a software model of interval-timer channel 2 and the speaker gate that
//                   decodes the same bytes and plays the square wave they describe on the
//                   default sound device (ALSA), so the cues sound on an ordinary desktop
//                   without privileges. Version 604, "6.4".
//   none            no port access: silent cues. Version 0 (no version read), and the reason
//                   why neither of the others works.
//
// The version record is what the driver check logs as "WINDRIVER Version major.minor" with the
// number as the line's code; each backend reports its own number so that the log tells which
// one served the run. Both working backends report at least 603, the lowest version the port
// access accepts.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "diag/clock_source.h"

namespace quorvel {

// The driver's version: a number (major * 100 + minor, 603 for 6.3) and a text of at most
// 128 characters. Zero and empty until a version was read.
struct DriverVersion {
    std::int32_t number = 0;
    std::string text;
};

inline constexpr std::int32_t kPortIoVersion = 603;
inline constexpr std::int32_t kSpeakerModelVersion = 604;

class PortBackend {
public:
    virtual ~PortBackend() = default;

    // Whether this backend can reach ports at all, leaving nothing open; `reason` says why
    // not when it cannot.
    virtual bool Probe(std::string& reason) = 0;
    // The version record this backend reports.
    virtual DriverVersion Version() const = 0;
    // Gains access to the listed ports; false with the reason when it cannot.
    virtual bool Open(std::span<const std::uint16_t> ports, std::string& reason) = 0;
    // Gives the access up again; harmless when nothing is open.
    virtual void Close() = 0;
    // Byte transfers on an opened port.
    virtual std::uint8_t ReadByte(std::uint16_t port) = 0;
    virtual void WriteByte(std::uint16_t port, std::uint8_t value) = 0;
};

// Makes the port backend for a new port access object or driver check. May return nullptr,
// which counts as a platform without port access.
using PortBackendFactory = std::function<std::unique_ptr<PortBackend>()>;

// The real ports through ioperm; its Probe fails off x86 Linux and without the privilege.
std::unique_ptr<PortBackend> MakeX86PortBackend();
// The speaker model playing on the default ALSA device; the clock times its tones. Its Probe
// fails when the program was built without ALSA or no sound device opens.
std::unique_ptr<PortBackend> MakeSoundPortBackend(ClockSource& clock);
// No port access; Probe and Open fail with `reason`.
std::unique_ptr<PortBackend> MakeNoPortBackend(std::string reason);

// The platform's choice: the first backend whose Probe succeeds, else a no-access backend
// whose reason lists why each failed. The working choice is remembered for later calls; a
// failed one is probed again next time (an installation may have brought a device up).
PortBackendFactory PlatformPortBackends(ClockSource& clock);

}  // namespace quorvel
