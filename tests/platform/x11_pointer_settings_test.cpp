#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/pointer/x11_pointer_settings.h"
#include "support/xvfb.h"

namespace devero {
namespace {

TEST(X11PointerSettings, WithoutADisplayNothingIsSet) {
  const char* old = std::getenv("DISPLAY");
  const std::string saved = old ? old : "";
  ::setenv("DISPLAY", ":9999", 1);
  X11PointerSettings pointer;
  EXPECT_FALSE(pointer.GetMouseSpeed());
  EXPECT_FALSE(pointer.SetMouseSpeed(10));
  EXPECT_FALSE(pointer.GetWheelScrollLines());
  if (old) {
    ::setenv("DISPLAY", saved.c_str(), 1);
  } else {
    ::unsetenv("DISPLAY");
  }
}

TEST(X11PointerSettings, SpeedIsTheServersAcceleration) {
  testing::Xvfb server;
  if (!server.running()) GTEST_SKIP() << "Xvfb is not installed";
  ::setenv("DISPLAY", server.display().c_str(), 1);
  X11PointerSettings pointer;
  ASSERT_TRUE(pointer.GetMouseSpeed());
  for (int speed : {1, 6, 10, 20}) {
    EXPECT_TRUE(pointer.SetMouseSpeed(speed));
    EXPECT_EQ(pointer.GetMouseSpeed(), speed);
  }
  EXPECT_TRUE(pointer.SetMouseSpeed(0));  // the server takes no zero acceleration
  EXPECT_EQ(pointer.GetMouseSpeed(), 1);
  EXPECT_FALSE(pointer.GetWheelScrollLines());
  EXPECT_FALSE(pointer.SetWheelScrollLines(3));
  ::unsetenv("DISPLAY");
}

}  // namespace
}  // namespace devero
