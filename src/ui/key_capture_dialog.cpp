#include "ui/key_capture_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "keys/key_codes.h"
#include "macro/macro_recorder.h"
#include "ui/hit_test.h"
#include "ui/mask_region.h"
#include "ui/skin_painter.h"

namespace devero::ui {
namespace {

constexpr int kGrabRetryMs = 50;
constexpr int kGrabTries = 40;

// A missing file stops the reading; the dialog then closes at once.
class QuietReport : public SkinReadReport {
 public:
  bool OnMissingFile(const std::filesystem::path&) override { return false; }
  void OnTooManyCommas(const std::filesystem::path&) override {}
};

}  // namespace

CDialogGetKey::CDialogGetKey(SkinImages& images, int language_is_english, QString title,
                             std::u16string key_name, QFont font, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      images_(images),
      font_(std::move(font)),
      key_name_(std::move(key_name)),
      grab_(this, [this](int message, uint8_t vk) { OnKeyMessage(message, vk); }) {
  setWindowTitle(title);
  grab_retry_.setInterval(kGrabRetryMs);
  QObject::connect(&grab_retry_, &QTimer::timeout, this, [this] {
    if (grab_.Install() || ++grab_tries_ >= kGrabTries || !isVisible()) grab_retry_.stop();
  });
  setModal(true);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  QuietReport report;
  SkinFile file(SkinFilePath(images_.directory(), "skin_keyset", language_is_english), report,
                false);
  skin_loaded_ = file.exists() && file.ReadTable(u"BUTTONPOS", entries_);
  const QImage& mask = images_.Get("\\keyset_mask.jpg");
  if (mask.isNull()) {
    setFixedSize(kFallbackSize);
  } else {
    setFixedSize(mask.size());
    setMask(RegionFromMask(mask));
  }
}

CDialogGetKey::~CDialogGetKey() {
  grab_.Remove();
}

int CDialogGetKey::Run() {
  if (!skin_loaded_) return 0;
  return exec();
}

void CDialogGetKey::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Without the grab the keys that reach the dialog are still captured.
  grab_tries_ = 0;
  if (!grab_.Install()) grab_retry_.start();
}

void CDialogGetKey::done(int result) {
  grab_retry_.stop();
  grab_.Remove();
  pressed_ = false;
  QDialog::done(result);
}

void CDialogGetKey::closeEvent(QCloseEvent* event) {
  grab_retry_.stop();
  grab_.Remove();
  QDialog::closeEvent(event);
}

void CDialogGetKey::OnKeyMessage(int message, uint8_t vk) {
  if (!IsKeyMessage(message)) return;
  captured_key_ = CaptureVkToDeviceKey(vk);
  key_name_ = CaptureKeyName(captured_key_);
  update();
}

int CDialogGetKey::EntryAt(QPoint pos) const {
  for (int i = 0; i < kEntries; ++i) {
    if (EntryContains(entries_[static_cast<size_t>(i)], pos.x(), pos.y())) return i;
  }
  return kNoEntry;
}

void CDialogGetKey::SetHover(int hover) {
  if (hover == hover_) return;
  hover_ = hover;
  update();
}

void CDialogGetKey::Render(QPainter& p) {
  const QImage& normal = images_.Get("\\keyset_normal.jpg");
  if (normal.isNull()) {
    p.fillRect(rect(), QColor(30, 34, 41));
  } else {
    p.drawImage(0, 0, normal);
  }
  if (hover_ != kNoEntry) {
    const QImage& look = images_.Get(pressed_ ? "\\keyset_down.jpg" : "\\keyset_over.jpg");
    CopyControl(p, look, entries_[static_cast<size_t>(hover_)]);
  }
  for (int i = 0; i < kEntries; ++i) {
    const SkinEntry& e = entries_[static_cast<size_t>(i)];
    const bool key = i == kKeyName;
    DrawCentredLabel(p, font_, key ? kValueRed : kLabelWhite, e.x, e.y, e.width, e.height,
                     QString::fromStdU16String(key ? key_name_ : e.label));
  }
}

void CDialogGetKey::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Render(p);
}

void CDialogGetKey::mouseMoveEvent(QMouseEvent* event) {
  SetHover(EntryAt(event->position().toPoint()));
}

void CDialogGetKey::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int entry = EntryAt(event->position().toPoint());
  SetHover(entry);
  if (entry == kNoEntry) return;
  pressed_ = true;
  repaint();
  if (entry == kOk && on_ok) on_ok(captured_key_);
  if (entry == kOk || entry == kCancel) done(0);
}

void CDialogGetKey::mouseReleaseEvent(QMouseEvent* event) {
  pressed_ = false;
  update();
  QDialog::mouseReleaseEvent(event);
}

void CDialogGetKey::keyPressEvent(QKeyEvent* event) {
  // Keys that get past the key filter (none while it is installed) still never close the dialog.
  event->accept();
}

}  // namespace devero::ui
