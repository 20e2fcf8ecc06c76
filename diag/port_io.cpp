#include "diag/port_io.h"

#include <span>

namespace quorvel {

namespace {

constexpr std::size_t kVersionTextLimit = 128;

DriverVersion ReadVersion(const PortBackend& backend) {
    DriverVersion version = backend.Version();
    if (version.text.size() > kVersionTextLimit) {
        version.text.resize(kVersionTextLimit);
    }
    return version;
}

}  // namespace

void DriverState::SetErrorText(std::string_view text) {
    errorText.assign(text.substr(0, kErrorTextLimit));
}

plxgenioclass::plxgenioclass(DriverState& driver, std::unique_ptr<PortBackend> backend)
    : m_driver(driver), m_backend(std::move(backend)) {}

plxgenioclass::~plxgenioclass() {
    Close();
}

bool plxgenioclass::Open(int count, const std::uint16_t* ports) {
    if (count < 1 || count > kMaxPorts || ports == nullptr) {
        return false;
    }
    Close();
    m_driver.errorText.clear();
    m_openFailure.clear();

    const std::span<const std::uint16_t> list(ports, static_cast<std::size_t>(count));
    std::string reason;
    if (m_backend == nullptr) {
        m_openFailure = "Failed opening WinDriver device: no port backend\n";
    } else {
        m_driver.version = ReadVersion(*m_backend);
        if (m_driver.version.number < kLowestDriverVersion) {
            m_openFailure = "Incorrect WinDriver version\n";
        } else if (!m_backend->Open(list, reason)) {
            m_openFailure = "Failed locking device.  " + reason + "\n";
            m_backend->Close();
        }
    }
    if (!m_openFailure.empty()) {
        m_driver.SetErrorText("Gen I/O open failed for \n");
        return false;
    }
    m_ports.assign(list.begin(), list.end());
    m_open = true;
    return true;
}

std::uint8_t plxgenioclass::ReadByte(int i) {
    if (!m_open || i < 0 || static_cast<std::size_t>(i) >= m_ports.size()) {
        return 0;
    }
    return m_backend->ReadByte(m_ports[static_cast<std::size_t>(i)]);
}

void plxgenioclass::WriteByte(int i, std::uint8_t v) {
    if (!m_open || i < 0 || static_cast<std::size_t>(i) >= m_ports.size()) {
        return;
    }
    m_backend->WriteByte(m_ports[static_cast<std::size_t>(i)], v);
}

void plxgenioclass::Close() {
    if (!m_open) {
        return;
    }
    m_backend->Close();
    m_ports.clear();
    m_open = false;
}

bool DriverPresent(DriverState& driver, PortBackend* backend) {
    std::string reason;
    if (backend == nullptr) {
        reason = "no port backend";
    } else if (backend->Probe(reason)) {
        driver.version = ReadVersion(*backend);
        driver.unavailableReason.clear();
        return true;
    }
    driver.unavailableReason = reason;
    return false;
}

bool DriverPresent(DriverState& driver, const PortBackendFactory& backends) {
    const std::unique_ptr<PortBackend> backend = backends ? backends() : nullptr;
    return DriverPresent(driver, backend.get());
}

}  // namespace quorvel
