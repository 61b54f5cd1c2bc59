#include "platform/hid/report_descriptor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace devero::hid {
namespace {

// Descriptors as real devices of each kind declare them, written from the HID usage tables.

// A boot-protocol mouse: three buttons, padding, X and Y; no report IDs.
const std::vector<uint8_t> kBootMouse = {
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x02,  // Usage (Mouse)
    0xA1, 0x01,  // Collection (Application)
    0x09, 0x01,  //   Usage (Pointer)
    0xA1, 0x00,  //   Collection (Physical)
    0x05, 0x09,  //     Usage Page (Button)
    0x19, 0x01,  //     Usage Minimum (1)
    0x29, 0x03,  //     Usage Maximum (3)
    0x15, 0x00,  //     Logical Minimum (0)
    0x25, 0x01,  //     Logical Maximum (1)
    0x95, 0x03,  //     Report Count (3)
    0x75, 0x01,  //     Report Size (1)
    0x81, 0x02,  //     Input (Data, Variable, Absolute)
    0x95, 0x01,  //     Report Count (1)
    0x75, 0x05,  //     Report Size (5)
    0x81, 0x01,  //     Input (Constant)
    0x05, 0x01,  //     Usage Page (Generic Desktop)
    0x09, 0x30,  //     Usage (X)
    0x09, 0x31,  //     Usage (Y)
    0x15, 0x81,  //     Logical Minimum (-127)
    0x25, 0x7F,  //     Logical Maximum (127)
    0x75, 0x08,  //     Report Size (8)
    0x95, 0x02,  //     Report Count (2)
    0x81, 0x06,  //     Input (Data, Variable, Relative)
    0xC0,        //   End Collection
    0xC0,        // End Collection
};

// A boot-protocol keyboard: modifiers, reserved byte, five LEDs with padding, six key codes.
const std::vector<uint8_t> kBootKeyboard = {
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x06,  // Usage (Keyboard)
    0xA1, 0x01,  // Collection (Application)
    0x05, 0x07,  //   Usage Page (Keyboard/Keypad)
    0x19, 0xE0,  //   Usage Minimum (Left Control)
    0x29, 0xE7,  //   Usage Maximum (Right GUI)
    0x15, 0x00,  //   Logical Minimum (0)
    0x25, 0x01,  //   Logical Maximum (1)
    0x75, 0x01,  //   Report Size (1)
    0x95, 0x08,  //   Report Count (8)
    0x81, 0x02,  //   Input (Data, Variable, Absolute)
    0x95, 0x01,  //   Report Count (1)
    0x75, 0x08,  //   Report Size (8)
    0x81, 0x01,  //   Input (Constant)
    0x95, 0x05,  //   Report Count (5)
    0x75, 0x01,  //   Report Size (1)
    0x05, 0x08,  //   Usage Page (LEDs)
    0x19, 0x01,  //   Usage Minimum (Num Lock)
    0x29, 0x05,  //   Usage Maximum (Kana)
    0x91, 0x02,  //   Output (Data, Variable, Absolute)
    0x95, 0x01,  //   Report Count (1)
    0x75, 0x03,  //   Report Size (3)
    0x91, 0x01,  //   Output (Constant)
    0x95, 0x06,  //   Report Count (6)
    0x75, 0x08,  //   Report Size (8)
    0x15, 0x00,  //   Logical Minimum (0)
    0x25, 0x65,  //   Logical Maximum (101)
    0x05, 0x07,  //   Usage Page (Keyboard/Keypad)
    0x19, 0x00,  //   Usage Minimum (0)
    0x29, 0x65,  //   Usage Maximum (101)
    0x81, 0x00,  //   Input (Data, Array)
    0xC0,        // End Collection
};

// A vendor-defined interface with report IDs: two input and two feature reports of
// different sizes; the largest of each kind counts.
const std::vector<uint8_t> kVendorWithReportIds = {
    0x06, 0x01, 0xFF,  // Usage Page (Vendor 0xFF01)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (Application)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x85, 0x06,        //   Report ID (6)
    0x09, 0x01,        //   Usage (1)
    0x95, 0x07,        //   Report Count (7)
    0x81, 0x02,        //   Input (Data, Variable, Absolute)
    0x85, 0x05,        //   Report ID (5)
    0x09, 0x02,        //   Usage (2)
    0x95, 0x03,        //   Report Count (3)
    0x81, 0x02,        //   Input
    0x85, 0x07,        //   Report ID (7)
    0x09, 0x03,        //   Usage (3)
    0x95, 0x07,        //   Report Count (7)
    0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
    0x85, 0x08,        //   Report ID (8)
    0x09, 0x04,        //   Usage (4)
    0x95, 0x3F,        //   Report Count (63)
    0xB1, 0x02,        //   Feature
    0xC0,              // End Collection
};

// One node with two top-level collections: a mouse (report ID 1) and a consumer control
// (report ID 2, one 16-bit usage).
const std::vector<uint8_t> kMouseWithConsumerControl = {
    0x05, 0x01,        // Usage Page (Generic Desktop)
    0x09, 0x02,        // Usage (Mouse)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x01,        //   Report ID (1)
    0x09, 0x01,        //   Usage (Pointer)
    0xA1, 0x00,        //   Collection (Physical)
    0x05, 0x09,        //     Usage Page (Button)
    0x19, 0x01,        //     Usage Minimum (1)
    0x29, 0x05,        //     Usage Maximum (5)
    0x15, 0x00,        //     Logical Minimum (0)
    0x25, 0x01,        //     Logical Maximum (1)
    0x95, 0x05,        //     Report Count (5)
    0x75, 0x01,        //     Report Size (1)
    0x81, 0x02,        //     Input
    0x95, 0x01,        //     Report Count (1)
    0x75, 0x03,        //     Report Size (3)
    0x81, 0x01,        //     Input (Constant)
    0x05, 0x01,        //     Usage Page (Generic Desktop)
    0x09, 0x30,        //     Usage (X)
    0x09, 0x31,        //     Usage (Y)
    0x16, 0x01, 0x80,  //     Logical Minimum (-32767)
    0x26, 0xFF, 0x7F,  //     Logical Maximum (32767)
    0x75, 0x10,        //     Report Size (16)
    0x95, 0x02,        //     Report Count (2)
    0x81, 0x06,        //     Input (Relative)
    0x09, 0x38,        //     Usage (Wheel)
    0x15, 0x81,        //     Logical Minimum (-127)
    0x25, 0x7F,        //     Logical Maximum (127)
    0x75, 0x08,        //     Report Size (8)
    0x95, 0x01,        //     Report Count (1)
    0x81, 0x06,        //     Input (Relative)
    0xC0,              //   End Collection
    0xC0,              // End Collection
    0x05, 0x0C,        // Usage Page (Consumer)
    0x09, 0x01,        // Usage (Consumer Control)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x02,        //   Report ID (2)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0x9C, 0x02,  //   Logical Maximum (0x29C)
    0x19, 0x00,        //   Usage Minimum (0)
    0x2A, 0x9C, 0x02,  //   Usage Maximum (0x29C)
    0x75, 0x10,        //   Report Size (16)
    0x95, 0x01,        //   Report Count (1)
    0x81, 0x00,        //   Input (Array)
    0xC0,              // End Collection
};

// The usage page given inside a 4-byte usage, and Push/Pop around a report of its own size.
const std::vector<uint8_t> kExtendedUsageWithPushPop = {
    0x05, 0x01,                    // Usage Page (Generic Desktop), overridden below
    0x0B, 0x01, 0x00, 0x00, 0xFF,  // Usage (0xFF00:0001)
    0xA1, 0x01,                    // Collection (Application)
    0x75, 0x08,                    //   Report Size (8)
    0x95, 0x04,                    //   Report Count (4)
    0xA4,                          //   Push
    0x95, 0x20,                    //   Report Count (32)
    0x09, 0x01,                    //   Usage (1)
    0xB1, 0x02,                    //   Feature: 32 bytes
    0xB4,                          //   Pop: count 4 again
    0x09, 0x02,                    //   Usage (2)
    0x81, 0x02,                    //   Input: 4 bytes
    0xC0,                          // End Collection
};

// The usage page may follow the usage; the page in force at the collection counts.
const std::vector<uint8_t> kUsageBeforeItsPage = {
    0x09, 0x01,        // Usage (1)
    0x06, 0x01, 0xFF,  // Usage Page (Vendor 0xFF01)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x07,        //   Report ID (7)
    0x09, 0x01,        //   Usage (1)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x07,        //   Report Count (7)
    0xB1, 0x02,        //   Feature
    0xC0,              // End Collection
};

struct GoodCase {
  std::string name;
  std::vector<uint8_t> bytes;
  std::vector<HidCapabilities> collections;
  bool uses_report_ids;
};

class WellFormedDescriptor : public ::testing::TestWithParam<GoodCase> {};

TEST_P(WellFormedDescriptor, GivesTopLevelUsagesAndLargestReports) {
  const GoodCase& c = GetParam();
  const ReportDescriptorSummary s = ParseReportDescriptor(c.bytes);
  EXPECT_TRUE(s.well_formed);
  EXPECT_EQ(s.uses_report_ids, c.uses_report_ids);
  ASSERT_EQ(s.collections.size(), c.collections.size());
  for (std::size_t i = 0; i < c.collections.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(s.collections[i].usage_page, c.collections[i].usage_page);
    EXPECT_EQ(s.collections[i].usage, c.collections[i].usage);
    EXPECT_EQ(s.collections[i].input_report_length, c.collections[i].input_report_length);
    EXPECT_EQ(s.collections[i].output_report_length, c.collections[i].output_report_length);
    EXPECT_EQ(s.collections[i].feature_report_length, c.collections[i].feature_report_length);
  }
}

INSTANTIATE_TEST_SUITE_P(
    RealDevices, WellFormedDescriptor,
    ::testing::Values(
        // 3 data bytes plus the report ID byte.
        GoodCase{"BootMouse", kBootMouse, {{0x01, 0x02, 4, 0, 0}}, false},
        GoodCase{"BootKeyboard", kBootKeyboard, {{0x01, 0x06, 9, 2, 0}}, false},
        GoodCase{"VendorWithReportIds", kVendorWithReportIds, {{0xFF01, 0x01, 8, 0, 64}}, true},
        GoodCase{"MouseWithConsumerControl",
                 kMouseWithConsumerControl,
                 {{0x01, 0x02, 7, 0, 0}, {0x0C, 0x01, 3, 0, 0}},
                 true},
        GoodCase{"ExtendedUsageWithPushPop",
                 kExtendedUsageWithPushPop,
                 {{0xFF00, 0x01, 5, 0, 33}},
                 false},
        GoodCase{"UsageBeforeItsPage", kUsageBeforeItsPage, {{0xFF01, 0x01, 0, 0, 8}}, true}),
    [](const auto& info) { return info.param.name; });

TEST(ReportDescriptor, MalformedInputNeverReadsPastTheEnd) {
  struct Case {
    std::string name;
    std::vector<uint8_t> bytes;
  };
  const std::vector<Case> cases = {
      {"Empty", {}},
      {"CutInsideAnItem", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x26, 0xFF}},
      {"CutInsideALongItem", {0xFE, 0x10, 0x00, 0x01}},
      {"EndWithoutCollection", {0xC0, 0xC0, 0x81, 0x02}},
      {"PopWithoutPush", {0xB4, 0xB4}},
      {"UnclosedCollection",
       {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ReportDescriptorSummary s = ParseReportDescriptor(c.bytes);
    EXPECT_FALSE(s.well_formed && !c.bytes.empty());
  }
  // What was read before the fault still counts.
  const auto unclosed = ParseReportDescriptor(cases.back().bytes);
  ASSERT_EQ(unclosed.collections.size(), 1u);
  EXPECT_EQ(unclosed.collections[0].input_report_length, 2);
}

TEST(ReportDescriptor, HugeDeclarationsAreClampedNotWrapped) {
  const std::vector<uint8_t> huge = {
      0x06, 0x00, 0xFF,                    // Usage Page (0xFF00)
      0x09, 0x01,                          // Usage (1)
      0xA1, 0x01,                          // Collection (Application)
      0x77, 0xFF, 0xFF, 0xFF, 0xFF,        //   Report Size (0xFFFFFFFF)
      0x97, 0xFF, 0xFF, 0xFF, 0xFF,        //   Report Count (0xFFFFFFFF)
      0x81, 0x02, 0x81, 0x02, 0x81, 0x02,  //   Input three times
      0xC0,
  };
  const auto s = ParseReportDescriptor(huge);
  ASSERT_EQ(s.collections.size(), 1u);
  EXPECT_EQ(s.collections[0].input_report_length, 0xFFFF);
}

}  // namespace
}  // namespace devero::hid
