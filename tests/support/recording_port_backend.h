#pragma once
// A port backend for tests: it records every byte written and read, per port, in a record the
// test keeps, and answers reads of the speaker gate port 0x61 with a gate byte the test sets
// (writes to 0x61 change it, as on the hardware). The record also decides whether the
// backend is present, which version it reports and whether opening it fails, and counts the
// backends made and the opens and closes.
//
//   auto record = std::make_shared<quorvel::testing::PortRecord>();
//   record->gate = 0x20;
//   quorvel::ProgramRun run({.clock = &clock, .portBackend = RecordingBackends(record)});

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "diag/port_backend.h"

namespace quorvel::testing {

struct PortTransfer {
    bool write = false;
    std::uint16_t port = 0;
    std::uint8_t value = 0;

    friend bool operator==(const PortTransfer&, const PortTransfer&) = default;
};

struct PortRecord {
    // What the backends report and do.
    bool present = true;
    std::string absentReason = "recording backend switched off";
    bool openFails = false;
    DriverVersion version{603, "recording port backend"};
    std::uint8_t gate = 0;

    // What happened, in order.
    std::vector<PortTransfer> transfers;
    std::vector<std::uint16_t> openedPorts;
    int backendsMade = 0;
    int probes = 0;
    int opens = 0;
    int closes = 0;

    // The bytes written to / read from one port, in order.
    std::vector<std::uint8_t> Written(std::uint16_t port) const;
    std::vector<std::uint8_t> Read(std::uint16_t port) const;
};

class RecordingPortBackend final : public PortBackend {
public:
    explicit RecordingPortBackend(std::shared_ptr<PortRecord> record);

    bool Probe(std::string& reason) override;
    DriverVersion Version() const override { return m_record->version; }
    bool Open(std::span<const std::uint16_t> ports, std::string& reason) override;
    void Close() override;
    std::uint8_t ReadByte(std::uint16_t port) override;
    void WriteByte(std::uint16_t port, std::uint8_t value) override;

private:
    std::shared_ptr<PortRecord> m_record;
};

// Makes recording backends that all report into `record`.
PortBackendFactory RecordingBackends(std::shared_ptr<PortRecord> record);

}  // namespace quorvel::testing
