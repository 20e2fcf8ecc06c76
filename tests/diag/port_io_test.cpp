#include "diag/port_io.h"

#include <gtest/gtest.h>

#include "support/recording_port_backend.h"

namespace quorvel {
namespace {

using testing::PortRecord;
using testing::RecordingPortBackend;

constexpr std::uint16_t kPorts[3] = {0x43, 0x42, 0x61};

class PortIoTest : public ::testing::Test {
protected:
    plxgenioclass MakePorts() {
        return plxgenioclass(driver, std::make_unique<RecordingPortBackend>(record));
    }

    std::shared_ptr<PortRecord> record = std::make_shared<PortRecord>();
    DriverState driver;
};

class PortCountTest : public PortIoTest, public ::testing::WithParamInterface<int> {};

TEST_P(PortCountTest, CountOutsideOneToSixtyFourFailsWithoutTouchingTheBackend) {
    driver.errorText = "earlier text";
    std::uint16_t ports[70] = {};
    plxgenioclass io = MakePorts();

    EXPECT_FALSE(io.Open(GetParam(), ports));
    EXPECT_EQ(record->opens, 0);
    EXPECT_EQ(driver.version.number, 0);
    EXPECT_EQ(driver.errorText, "earlier text");
}

INSTANTIATE_TEST_SUITE_P(BadCounts, PortCountTest, ::testing::Values(0, -1, 65));

TEST_F(PortIoTest, OpenListsThePortsAndReadsTheVersion) {
    record->version = {604, "model"};
    plxgenioclass io = MakePorts();

    ASSERT_TRUE(io.Open(3, kPorts));
    EXPECT_EQ(record->openedPorts, (std::vector<std::uint16_t>{0x43, 0x42, 0x61}));
    EXPECT_EQ(driver.version.number, 604);
    EXPECT_EQ(driver.version.text, "model");
    EXPECT_EQ(driver.errorText, "");

    io.WriteByte(1, 0xD3);
    record->gate = 0x20;
    EXPECT_EQ(io.ReadByte(2), 0x20);
    EXPECT_EQ(record->transfers,
              (std::vector<testing::PortTransfer>{{true, 0x42, 0xD3}, {false, 0x61, 0x20}}));
}

TEST_F(PortIoTest, SixtyFourPortsAreAccepted) {
    std::uint16_t ports[64] = {};
    plxgenioclass io = MakePorts();
    EXPECT_TRUE(io.Open(64, ports));
    EXPECT_EQ(record->openedPorts.size(), 64u);
}

TEST_F(PortIoTest, VersionBelow603IsRefused) {
    record->version = {602, "old"};
    plxgenioclass io = MakePorts();

    EXPECT_FALSE(io.Open(3, kPorts));
    EXPECT_EQ(io.OpenFailure(), "Incorrect WinDriver version\n");
    EXPECT_EQ(driver.errorText, "Gen I/O open failed for \n");
    EXPECT_EQ(record->opens, 0);
    EXPECT_FALSE(io.IsOpen());
}

TEST_F(PortIoTest, FailedOpenReleasesTheBackendAndTransfersNothing) {
    record->openFails = true;
    record->absentReason = "ports taken";
    plxgenioclass io = MakePorts();

    EXPECT_FALSE(io.Open(3, kPorts));
    EXPECT_EQ(io.OpenFailure(), "Failed locking device.  ports taken\n");
    EXPECT_EQ(driver.errorText, "Gen I/O open failed for \n");
    EXPECT_EQ(record->closes, 1);

    io.WriteByte(0, 0xB6);
    EXPECT_EQ(io.ReadByte(2), 0);
    EXPECT_TRUE(record->transfers.empty());
}

TEST_F(PortIoTest, NoBackendFailsToOpen) {
    plxgenioclass io(driver, nullptr);
    EXPECT_FALSE(io.Open(3, kPorts));
    EXPECT_EQ(driver.errorText, "Gen I/O open failed for \n");
}

TEST_F(PortIoTest, IndexOutsideTheListTransfersNothing) {
    plxgenioclass io = MakePorts();
    ASSERT_TRUE(io.Open(3, kPorts));
    io.WriteByte(3, 1);
    io.WriteByte(-1, 1);
    EXPECT_EQ(io.ReadByte(3), 0);
    EXPECT_TRUE(record->transfers.empty());
}

TEST_F(PortIoTest, CloseAndDestructorCloseTheBackendOnce) {
    {
        plxgenioclass io = MakePorts();
        ASSERT_TRUE(io.Open(3, kPorts));
        io.Close();
        io.Close();
        EXPECT_EQ(record->closes, 1);
        ASSERT_TRUE(io.Open(3, kPorts));
    }
    EXPECT_EQ(record->closes, 2);
}

TEST_F(PortIoTest, DriverPresentReadsTheVersionOrSaysWhyNot) {
    record->version = {603, "ports"};
    RecordingPortBackend backend(record);
    EXPECT_TRUE(DriverPresent(driver, &backend));
    EXPECT_EQ(driver.version.number, 603);
    EXPECT_EQ(driver.unavailableReason, "");

    record->present = false;
    record->absentReason = "no speaker here";
    driver.errorText = "kept";
    EXPECT_FALSE(DriverPresent(driver, &backend));
    EXPECT_EQ(driver.unavailableReason, "no speaker here");
    EXPECT_EQ(driver.errorText, "kept");
    EXPECT_EQ(driver.version.number, 603);  // the last version read stays

    EXPECT_FALSE(DriverPresent(driver, PortBackendFactory()));
    EXPECT_EQ(driver.unavailableReason, "no port backend");
}

TEST_F(PortIoTest, NoPortBackendGivesItsReason) {
    const std::unique_ptr<PortBackend> none = MakeNoPortBackend("nothing to reach");
    EXPECT_FALSE(DriverPresent(driver, none.get()));
    EXPECT_EQ(driver.unavailableReason, "nothing to reach");
    EXPECT_EQ(none->Version().number, 0);
}

TEST(DriverStateTest, ErrorTextIsCutTo1023Characters) {
    DriverState driver;
    driver.SetErrorText(std::string(2000, 'x'));
    EXPECT_EQ(driver.errorText.size(), 1023u);
}

}  // namespace
}  // namespace quorvel
