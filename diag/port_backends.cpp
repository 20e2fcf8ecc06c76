// The x86 port I/O backend, the no-access backend and the platform's choice between the
// backends. The speaker model's sound output is in diag/alsa_tone_sink.cpp.

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "diag/port_backend.h"
#include "diag/speaker.h"

#if defined(__linux__) && (defined(__x86_64__) || defined(__i386__)) && __has_include(<sys/io.h>)
#include <sys/io.h>
#define QUORVEL_HAVE_PORT_IO 1
#endif

namespace quorvel {

namespace {

class NoPortBackend final : public PortBackend {
public:
    explicit NoPortBackend(std::string reason) : m_reason(std::move(reason)) {}

    bool Probe(std::string& reason) override {
        reason = m_reason;
        return false;
    }
    DriverVersion Version() const override { return {}; }
    bool Open(std::span<const std::uint16_t> /*ports*/, std::string& reason) override {
        reason = m_reason;
        return false;
    }
    void Close() override {}
    std::uint8_t ReadByte(std::uint16_t /*port*/) override { return 0; }
    void WriteByte(std::uint16_t /*port*/, std::uint8_t /*value*/) override {}

private:
    std::string m_reason;
};

#ifdef QUORVEL_HAVE_PORT_IO

std::string PortError(std::uint16_t port, int error) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%#x", static_cast<unsigned>(port));
    return std::string("ioperm on port ") + hex + ": " + std::system_category().message(error);
}

// The real ports, granted to this process with ioperm (root with CAP_SYS_RAWIO).
class X86PortBackend final : public PortBackend {
public:
    ~X86PortBackend() override { Close(); }

    bool Probe(std::string& reason) override {
        std::vector<std::uint16_t> granted;
        const bool ok = Grant(kSpeakerPorts, granted, reason);
        Release(granted);
        return ok;
    }

    DriverVersion Version() const override {
        return {kPortIoVersion, "x86 port I/O (ioperm) on the PC speaker"};
    }

    bool Open(std::span<const std::uint16_t> ports, std::string& reason) override {
        Close();
        if (!Grant(ports, m_granted, reason)) {
            Close();
            return false;
        }
        return true;
    }

    void Close() override { Release(m_granted); }

    std::uint8_t ReadByte(std::uint16_t port) override { return inb(port); }
    void WriteByte(std::uint16_t port, std::uint8_t value) override { outb(value, port); }

private:
    static bool Grant(std::span<const std::uint16_t> ports, std::vector<std::uint16_t>& granted,
                      std::string& reason) {
        for (const std::uint16_t port : ports) {
            if (ioperm(port, 1, 1) != 0) {
                reason = PortError(port, errno);
                return false;
            }
            granted.push_back(port);
        }
        return true;
    }

    static void Release(std::vector<std::uint16_t>& granted) {
        for (const std::uint16_t port : granted) {
            ioperm(port, 1, 0);
        }
        granted.clear();
    }

    std::vector<std::uint16_t> m_granted;
};

#endif

}  // namespace

std::unique_ptr<PortBackend> MakeX86PortBackend() {
#ifdef QUORVEL_HAVE_PORT_IO
    return std::make_unique<X86PortBackend>();
#else
    return std::make_unique<NoPortBackend>("not an x86 Linux system");
#endif
}

std::unique_ptr<PortBackend> MakeNoPortBackend(std::string reason) {
    return std::make_unique<NoPortBackend>(std::move(reason));
}

PortBackendFactory PlatformPortBackends(ClockSource& clock) {
    enum class Choice { None, PortIo, Sound };
    auto choice = std::make_shared<Choice>(Choice::None);
    return [&clock, choice]() -> std::unique_ptr<PortBackend> {
        if (*choice == Choice::PortIo) {
            return MakeX86PortBackend();
        }
        if (*choice == Choice::Sound) {
            return MakeSoundPortBackend(clock);
        }
        std::string portIoReason;
        std::unique_ptr<PortBackend> portIo = MakeX86PortBackend();
        if (portIo->Probe(portIoReason)) {
            *choice = Choice::PortIo;
            return portIo;
        }
        std::string soundReason;
        std::unique_ptr<PortBackend> sound = MakeSoundPortBackend(clock);
        if (sound->Probe(soundReason)) {
            *choice = Choice::Sound;
            return sound;
        }
        return MakeNoPortBackend("x86 port I/O: " + portIoReason +
                                 "; speaker model: " + soundReason);
    };
}

}  // namespace quorvel
