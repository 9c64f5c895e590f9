#include "modules/drevion/Masks.h"

#include <gtest/gtest.h>

using namespace vantix::drevion;

namespace {

TEST(DriveMask, LowestByteFirstAndPadded) {
    EXPECT_EQ(parseDriveMask("NO Key"), 0u);
    EXPECT_EQ(parseDriveMask("04000000"), 0x4u);
    EXPECT_EQ(parseDriveMask("0C"), 0xCu) << "short values are padded on the right";
    EXPECT_EQ(parseDriveMask("00000002"), 0x02000000u) << "bit 25 is Z";
    EXPECT_EQ(parseDriveMask("0C000000FF"), 0xCu) << "only four bytes count";
    EXPECT_EQ(formatDriveMask(0x4), "04000000");
    EXPECT_EQ(formatDriveMask(0x02000000), "00000002");
    std::uint32_t mask = parseDriveMask("NO Key");
    mask = withDrive(mask, 'C', true);
    EXPECT_EQ(formatDriveMask(mask), "04000000");
    mask = withDrive(mask, 'd', true);
    EXPECT_EQ(formatDriveMask(mask), "0C000000");
    mask = withDrive(mask, 'C', false);
    EXPECT_EQ(formatDriveMask(mask), "08000000");
    EXPECT_TRUE(driveBit(mask, 'D'));
    EXPECT_FALSE(driveBit(mask, 'C'));
    EXPECT_EQ(withDrive(mask, '1', true), mask);
}

TEST(Autostart, OnlyTheFourTypeBitsChange) {
    const std::uint8_t byte = parseAutostartByte("95000000");
    EXPECT_EQ(byte, 0x95);
    AutostartBoxes boxes = autostartBoxes(byte);
    EXPECT_TRUE(boxes.removable);
    EXPECT_FALSE(boxes.harddisk);
    EXPECT_FALSE(boxes.cdrom);
    EXPECT_FALSE(boxes.ramdisk);
    boxes.cdrom = true;
    EXPECT_EQ(applyAutostart(byte, boxes), 0xB5);
    EXPECT_EQ(formatAutostart(0xB5), "B5000000");
    EXPECT_EQ(applyAutostart(0xFF, AutostartBoxes{}), 0x93) << "bits 0, 1, 4 and 7 stay";
    EXPECT_EQ(parseAutostartByte("NO Key"), 0);
    EXPECT_EQ(parseAutostartByte("9"), 0);
}

}  // namespace
