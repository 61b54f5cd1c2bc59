#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "device/usb_ids.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

std::string Hex4(uint16_t id) {
  char text[5];
  std::snprintf(text, sizeof text, "%04x", id);
  return text;
}

// The rule must grant access to the nodes of every product id the program looks for.
TEST(UdevRule, TagsTheHidrawNodesOfBothProductIds) {
  const std::string rules = testing::ReadFile(testing::SourceDir() / "data/udev/70-devero.rules");
  for (uint16_t product : {kRegularProductId, kAlternativeProductId}) {
    const std::string rule = "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"" + Hex4(kVendorId) +
                             "\", ATTRS{idProduct}==\"" + Hex4(product) + "\", TAG+=\"uaccess\"";
    EXPECT_NE(rules.find(rule), std::string::npos) << rule;
  }
}

}  // namespace
}  // namespace devero
