#pragma once

#include <QDialog>
#include <QFont>
#include <QTimer>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "ui/skin_images.h"
#include "ui/skin_tables.h"
#include "ui/x11_keyboard_grab.h"

namespace devero::ui {

// The key-capture dialog: shows the name of the last key pressed while it is open (the keyboard
// is grabbed meanwhile, so Enter, Escape, F10, Alt and Super are captured like any key and never
// close it); OK hands the key on, Cancel and the window's close leave it.
class CDialogGetKey : public QDialog {
 public:
  static constexpr int kEntries = 4;
  static constexpr int kNoEntry = 255;
  enum Entry { kKeyName = 0, kOk = 1, kCancel = 2, kPrompt = 3 };
  // Used when the mask is missing, so that the dialog can still be seen and answered.
  static constexpr QSize kFallbackSize{400, 220};

  // `title` is the product name of the language in force (the main window's title);
  // `key_name` the name of the step's key.
  CDialogGetKey(SkinImages& images, int language_is_english, QString title, std::u16string key_name,
                QFont font, QWidget* parent);
  ~CDialogGetKey() override;

  // Runs the dialog modally; returns 0 at once when the skin file is missing.
  int Run();

  bool skin_loaded() const { return skin_loaded_; }
  const std::array<SkinEntry, kEntries>& entries() const { return entries_; }
  uint8_t captured_key() const { return captured_key_; }
  const std::u16string& key_name() const { return key_name_; }
  int hover() const { return hover_; }
  X11KeyboardGrab& grab() { return grab_; }

  // A key message, as the keyboard grab delivers it.
  void OnKeyMessage(int message, uint8_t vk);

  // OK: receives the captured device key code before the dialog closes.
  std::function<void(uint8_t device_key)> on_ok;

  // The whole dialog as it paints, for tests and screenshots.
  void Render(QPainter& p);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;

 private:
  int EntryAt(QPoint pos) const;
  void SetHover(int hover);

  SkinImages& images_;
  std::array<SkinEntry, kEntries> entries_{};
  bool skin_loaded_ = false;
  QFont font_;
  std::u16string key_name_;
  uint8_t captured_key_ = 0;
  int hover_ = kNoEntry;
  bool pressed_ = false;
  X11KeyboardGrab grab_;
  // The X server grants a grab only once the window is mapped, which follows the show.
  QTimer grab_retry_;
  int grab_tries_ = 0;
};

}  // namespace devero::ui
