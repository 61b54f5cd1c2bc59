// The keyboard grab on a real X server: keys typed by another client reach only the grabbing
// window, a second grab is refused meanwhile, and killing the grabbing process frees the keyboard.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QStringList>

#include "keys/vk.h"
#include "macro/macro_recorder.h"
#include "support/run_command.h"
#include "support/xvfb.h"

namespace devero::ui {
namespace {

QProcessEnvironment HelperEnvironment(const std::string& display) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  return env;
}

// Reads lines from the helper until `count` arrived or the time is up.
QStringList ReadLines(QProcess& helper, int count, int timeout_ms = 10000) {
  QStringList lines;
  QByteArray pending;
  QElapsedTimer timer;
  timer.start();
  while (lines.size() < count && timer.elapsed() < timeout_ms) {
    helper.waitForReadyRead(200);
    pending += helper.readAllStandardOutput();
    int nl;
    while ((nl = pending.indexOf('\n')) >= 0) {
      lines << QString::fromUtf8(pending.left(nl));
      pending.remove(0, nl + 1);
    }
  }
  return lines;
}

QString Probe(const std::string& display) {
  QProcess probe;
  probe.setProcessEnvironment(HelperEnvironment(display));
  probe.start(QStringLiteral(DEVERO_GRAB_HELPER), {QStringLiteral("probe")});
  const QStringList lines = ReadLines(probe, 1);
  probe.waitForFinished(5000);
  return lines.value(0);
}

TEST(KeyboardGrabXvfb, KeysGoOnlyToTheGrabAndItEndsWithItsProcess) {
  testing::Xvfb server;
  if (!server.running()) GTEST_SKIP() << "Xvfb is not installed";
  ::setenv("DISPLAY", server.display().c_str(), 1);

  QProcess holder;
  holder.setProcessEnvironment(HelperEnvironment(server.display()));
  holder.start(QStringLiteral(DEVERO_GRAB_HELPER), {QStringLiteral("hold")});
  ASSERT_TRUE(holder.waitForStarted(5000));
  ASSERT_EQ(ReadLines(holder, 1), QStringList{QStringLiteral("grab 1")});

  // While one program holds the keyboard, another is refused and says so.
  EXPECT_EQ(Probe(server.display()), QStringLiteral("grab 0"));

  const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
  const auto typed =
      xdotool.isEmpty()
          ? testing::CommandResult{}
          : testing::RunCommand(xdotool.toStdString(), {"key", "a", "Return", "Escape", "F10"});
  if (typed.exit_code != 0) {
    holder.kill();
    holder.waitForFinished(5000);
    ::unsetenv("DISPLAY");
    GTEST_SKIP() << "xdotool is missing or failed: " << typed.err;
  }
  const auto line = [](int message, int code) {
    return QStringLiteral("%1 %2").arg(message).arg(code);
  };
  const QStringList expected = {line(kWmKeyDown, 'A'),         line(kWmKeyUp, 'A'),
                                line(kWmKeyDown, vk::kReturn), line(kWmKeyUp, vk::kReturn),
                                line(kWmKeyDown, vk::kEscape), line(kWmKeyUp, vk::kEscape),
                                line(kWmSysKeyDown, vk::kF10), line(kWmSysKeyUp, vk::kF10)};
  EXPECT_EQ(ReadLines(holder, static_cast<int>(expected.size())), expected);

  // However the program ends, the server lets the keyboard go.
  holder.kill();
  ASSERT_TRUE(holder.waitForFinished(5000));
  EXPECT_EQ(Probe(server.display()), QStringLiteral("grab 1"));
  ::unsetenv("DISPLAY");
}

TEST(KeyboardGrabXvfb, TheKeyCaptureDialogTakesEnterEscapeAndF10AndClosesOnlyOnOk) {
  testing::Xvfb server;
  if (!server.running()) GTEST_SKIP() << "Xvfb is not installed";
  const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
  if (xdotool.isEmpty()) GTEST_SKIP() << "xdotool is not installed";
  ::setenv("DISPLAY", server.display().c_str(), 1);

  QProcess dialog;
  dialog.setProcessEnvironment(HelperEnvironment(server.display()));
  dialog.start(QStringLiteral(DEVERO_GRAB_HELPER),
               {QStringLiteral("dialog"), QStringLiteral(DEVERO_SKIN_DIR)});
  ASSERT_TRUE(dialog.waitForStarted(5000));
  const QStringList ready = ReadLines(dialog, 2);
  ASSERT_EQ(ready.size(), 2);
  EXPECT_EQ(ready[0], QStringLiteral("grab 1"));
  const QStringList ok = ready[1].split(QLatin1Char(' '));
  ASSERT_EQ(ok.size(), 3);

  const auto run = [&](const std::vector<std::string>& args) {
    return testing::RunCommand(xdotool.toStdString(), args).exit_code;
  };
  // The keys a dialog would close on are captured; the last key is the one handed on.
  EXPECT_EQ(run({"key", "Return", "Escape", "F10", "b"}), 0);
  EXPECT_FALSE(dialog.waitForFinished(500));
  EXPECT_EQ(run({"mousemove", ok[1].toStdString(), ok[2].toStdString(), "click", "1"}), 0);
  EXPECT_EQ(ReadLines(dialog, 2), (QStringList{QStringLiteral("key 5"), QStringLiteral("closed")}));
  EXPECT_TRUE(dialog.waitForFinished(5000));
  if (dialog.state() != QProcess::NotRunning) {
    dialog.kill();
    dialog.waitForFinished(5000);
  }
  ::unsetenv("DISPLAY");
}

}  // namespace
}  // namespace devero::ui
