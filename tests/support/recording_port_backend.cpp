#include "support/recording_port_backend.h"

namespace quorvel::testing {

namespace {

constexpr std::uint16_t kGatePort = 0x61;

std::vector<std::uint8_t> Bytes(const std::vector<PortTransfer>& transfers, bool write,
                                std::uint16_t port) {
    std::vector<std::uint8_t> bytes;
    for (const PortTransfer& transfer : transfers) {
        if (transfer.write == write && transfer.port == port) {
            bytes.push_back(transfer.value);
        }
    }
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> PortRecord::Written(std::uint16_t port) const {
    return Bytes(transfers, true, port);
}

std::vector<std::uint8_t> PortRecord::Read(std::uint16_t port) const {
    return Bytes(transfers, false, port);
}

RecordingPortBackend::RecordingPortBackend(std::shared_ptr<PortRecord> record)
    : m_record(std::move(record)) {
    ++m_record->backendsMade;
}

bool RecordingPortBackend::Probe(std::string& reason) {
    ++m_record->probes;
    if (!m_record->present) {
        reason = m_record->absentReason;
    }
    return m_record->present;
}

bool RecordingPortBackend::Open(std::span<const std::uint16_t> ports, std::string& reason) {
    ++m_record->opens;
    if (!m_record->present || m_record->openFails) {
        reason = m_record->absentReason;
        return false;
    }
    m_record->openedPorts.assign(ports.begin(), ports.end());
    return true;
}

void RecordingPortBackend::Close() {
    ++m_record->closes;
}

std::uint8_t RecordingPortBackend::ReadByte(std::uint16_t port) {
    const std::uint8_t value = port == kGatePort ? m_record->gate : 0;
    m_record->transfers.push_back({false, port, value});
    return value;
}

void RecordingPortBackend::WriteByte(std::uint16_t port, std::uint8_t value) {
    if (port == kGatePort) {
        m_record->gate = value;
    }
    m_record->transfers.push_back({true, port, value});
}

PortBackendFactory RecordingBackends(std::shared_ptr<PortRecord> record) {
    return [record] { return std::make_unique<RecordingPortBackend>(record); };
}

}  // namespace quorvel::testing
