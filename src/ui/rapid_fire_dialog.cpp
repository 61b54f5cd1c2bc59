#include "ui/rapid_fire_dialog.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <limits>

#include "platform/text/leading_int.h"
#include "ui/hit_test.h"
#include "ui/mask_region.h"
#include "ui/skin_painter.h"

namespace devero::ui {
namespace {

constexpr int kDistanceDigits = 2;
constexpr int kDelayDigits = 4;
constexpr int kCountDigits = 3;
constexpr int kMinDistance = 1;
constexpr int kMaxDistance = 99;
// Repeat modes in the low two bits.
constexpr uint8_t kModeBits = 0x03;
constexpr uint8_t kModeCount = 0;
constexpr uint8_t kModeWhileHeld = 2;

const QColor kDialogBackground{30, 34, 41};
// Skin coordinates beyond this are cut, so that screen positions stay within int.
constexpr int kFar = 1 << 24;

// A missing file ends the dialog without a word.
class QuietReport : public SkinReadReport {
 public:
  bool OnMissingFile(const std::filesystem::path&) override { return false; }
  void OnTooManyCommas(const std::filesystem::path&) override {}
};

uint16_t EditNumber(const QLineEdit* edit) {
  const int32_t value = LeadingInt(edit->text().toStdU16String());
  return static_cast<uint16_t>(std::clamp<int32_t>(value, 0, std::numeric_limits<uint16_t>::max()));
}

QString Decimal(int value) {
  return QString::number(value);
}

}  // namespace

// The item list's choice goes to this dialog; anything else to the window's host.
class CDialogGun::ItemMenuHost : public MenuHost {
 public:
  ItemMenuHost(CDialogGun& dialog, MenuHost& outer) : dialog_(dialog), outer_(outer) {}
  void OnProfileChosen() override { outer_.OnProfileChosen(); }
  void OnHeaderMenuChosen(int row) override { outer_.OnHeaderMenuChosen(row); }
  void OnMacroMenuAction(int kind, int item) override { outer_.OnMacroMenuAction(kind, item); }
  void OnMoreOptionsChosen(int row) override { outer_.OnMoreOptionsChosen(row); }
  void OnLightingStepModeChosen(int row) override { outer_.OnLightingStepModeChosen(row); }
  void OnLightingStepValueChosen(int row) override { outer_.OnLightingStepValueChosen(row); }
  void OnRapidFireItemChanged(int previous) override { dialog_.OnRapidFireItemChanged(previous); }
  void RepaintMainWindow() override { outer_.RepaintMainWindow(); }
  void SetCloseMenuFlag() override { outer_.SetCloseMenuFlag(); }

 private:
  CDialogGun& dialog_;
  MenuHost& outer_;
};

CDialogGun::CDialogGun(const MenuContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      table_(context.macros.rapidFireTable),
      images_(context.images),
      font_(context.font),
      item_host_(std::make_unique<ItemMenuHost>(*this, context.host)),
      item_menus_(MenuContext{context.images, context.skin, context.settings, context.product,
                              context.library, context.macros, context.languageIsEnglish,
                              context.font, *item_host_}) {
  setWindowTitle(QStringLiteral("DialogGun"));
  setModal(true);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);

  const QImage& mask = images_.Get("\\gun_mask.jpg");
  if (mask.isNull()) {
    setFixedSize(kFallbackSize);
  } else {
    setFixedSize(mask.size());
    setMask(RegionFromMask(mask));
  }

  const int english = context.languageIsEnglish ? context.languageIsEnglish() : 1;
  QuietReport report;
  SkinFile file(SkinFilePath(images_.directory(), "skin_gun", english), report, false);
  std::array<SkinRect, 3> rects{};  // delay, count, distance
  const int keys[] = {2, 1, 0};
  skin_missing_ = !file.exists() || !file.ReadTable(u"BUTTONPOS", entries_) ||
                  !file.ReadRects(u"EDIT", keys, rects);

  delay_ = MakeEdit(rects[0], kDelayDigits);
  count_ = MakeEdit(rects[1], kCountDigits);
  distance_ = MakeEdit(rects[2], kDistanceDigits);

  item_menus_.setRapidFireItem(0);
  ShowItem();
}

CDialogGun::~CDialogGun() = default;

QLineEdit* CDialogGun::MakeEdit(const SkinRect& rect, int max_length) {
  auto* edit = new QLineEdit(this);
  edit->setGeometry(EntryRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
  edit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  edit->setMaxLength(max_length);
  edit->setAlignment(Qt::AlignCenter);
  edit->setFrame(false);
  if (font_) edit->setFont(font_());
  // White on black; a disabled count reads grey.
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, Qt::black);
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::Text, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::Base, Qt::black);
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
  edit->setPalette(palette);
  edit->setAutoFillBackground(true);
  return edit;
}

int CDialogGun::Run() {
  if (!skin_missing_) exec();
  return 0;
}

void CDialogGun::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The modal loop starts after the show: end it from there.
  if (skin_missing_)
    QMetaObject::invokeMethod(
        this, [this] { done(0); }, Qt::QueuedConnection);
}

void CDialogGun::done(int) {
  item_menus_.CloseAll();
  QDialog::done(0);
}

MacroRecord* CDialogGun::CurrentItem() {
  return table_.Slot(item_menus_.rapidFireItem());
}

void CDialogGun::ShowItem() {
  if (MacroRecord* item = CurrentItem()) {
    if (item->stepCount != 0) {
      const bool counted = (item->repeatMode & kModeBits) == kModeCount;
      count_->setEnabled(counted);
      count_->setText(counted ? Decimal(item->repeatCount) : QStringLiteral("1"));
    }
    if (item->xyStepCount != 0) {
      const int steps = UsedStepCount(*item);
      for (int s = 0; s < steps; ++s) {
        const uint16_t distance = item->stepParam[static_cast<size_t>(s)].param2;
        if (distance != 0) {
          distance_->setText(Decimal(distance));
          break;
        }
      }
      delay_->setText(Decimal(item->stepDelay[0]));
    }
  }
  update();
}

void CDialogGun::Save() {
  MacroRecord* item = CurrentItem();
  if (item == nullptr) return;
  item->repeatCount = EditNumber(count_);
  const uint16_t delay = EditNumber(delay_);
  item->stepDelay[0] = delay;
  item->stepDelay[1] = delay;
  item->reservedBytes[0] = 1;
  item->reservedBytes[1] =
      static_cast<uint8_t>(std::clamp<int>(EditNumber(distance_), kMinDistance, kMaxDistance));
}

void CDialogGun::ClickEntry(int entry) {
  switch (entry) {
    case kClose:
    case kCancel:
    case kCloseToo:
      done(0);
      return;
    case kSave:
      Save();
      done(0);
      return;
    case kItemName:
    case kItemList: {
      const SkinEntry& e = entries_[kItemName];
      const int bottom = static_cast<int>(std::clamp<int64_t>(e.Bottom(), -kFar, kFar));
      const QPoint anchor = mapToGlobal(QPoint(std::clamp(e.x, -kFar, kFar), bottom));
      item_menus_.Open(kRapidFireItemMenu, anchor, this);
      return;
    }
    case kRepeatCount:
      if (MacroRecord* item = CurrentItem()) {
        item->repeatMode &= 0xF4;
        count_->setEnabled(true);
        if (item->repeatCount == 0) item->repeatCount = 1;
        count_->setText(Decimal(item->repeatCount));
        update();
      }
      return;
    case kRepeatWhileHeld:
      if (MacroRecord* item = CurrentItem()) {
        item->repeatMode = static_cast<uint8_t>((item->repeatMode & 0xF8) | kModeWhileHeld);
        item->repeatCount = 1;
        count_->setEnabled(false);
        count_->setText(QStringLiteral("1"));
        update();
      }
      return;
    default:
      return;
  }
}

void CDialogGun::OnRapidFireItemChanged(int previous) {
  update();
  if (previous >= 0 && previous < table_.rapidFireCount) {
    if (MacroRecord* item = table_.Slot(previous)) item->repeatCount = EditNumber(count_);
  }
  ShowItem();
}

void CDialogGun::SyncCountEditWithMode() {
  const MacroRecord* item = CurrentItem();
  if (item == nullptr) return;
  const uint8_t mode = item->repeatMode & kModeBits;
  if (mode == kModeCount && !count_->isEnabled()) count_->setEnabled(true);
  if (mode == kModeWhileHeld && count_->isEnabled()) count_->setEnabled(false);
}

void CDialogGun::Render(QPainter& p) {
  const QImage& normal = images_.Get("\\gun_normal.jpg");
  p.fillRect(rect(), kDialogBackground);
  if (!normal.isNull()) p.drawImage(0, 0, normal);
  if (hover_ != kNoHover) {
    CopyControl(p, images_.Get(pressed_ ? "\\gun_down.jpg" : "\\gun_over.jpg"),
                entries_[static_cast<size_t>(hover_)]);
  }
  const MacroRecord* item = CurrentItem();
  if (item != nullptr) {
    const uint8_t mode = item->repeatMode & kModeBits;
    if (mode == kModeCount) CopyControl(p, images_.Get("\\gun_down.jpg"), entries_[kRepeatCount]);
    if (mode == kModeWhileHeld) {
      CopyControl(p, images_.Get("\\gun_down.jpg"), entries_[kRepeatWhileHeld]);
    }
  }
  const int index = item_menus_.rapidFireItem();
  const std::string picture_name = "\\Gun\\" + std::to_string(index + 1) + ".jpg";
  const QImage& picture = images_.Get(picture_name);
  const QRect area = EntryRect(entries_[kPicture]);
  if (!picture.isNull() && !area.isEmpty()) {
    const QRect source = QRect(QPoint(0, 0), area.size()).intersected(picture.rect());
    p.drawImage(area.topLeft(), picture, source);
  }
  const QFont font = font_ ? font_() : QFont();
  for (int i = 0; i < kEntries; ++i) {
    const SkinEntry& e = entries_[static_cast<size_t>(i)];
    if (i == kItemName) {
      const QString name =
          index >= 0 && index < kRapidFireSlots
              ? QString::fromStdU16String(table_.rapidFireNames[static_cast<size_t>(index)])
              : QString();
      DrawCentredLabel(p, font, kItemNameColour, e.x, e.y, e.width, e.height, name);
    } else {
      DrawCentredLabel(p, font, kLabelWhite, e.x, e.y, e.width, e.height,
                       QString::fromStdU16String(e.label));
    }
  }
}

void CDialogGun::paintEvent(QPaintEvent*) {
  SyncCountEditWithMode();
  QPainter p(this);
  Render(p);
}

void CDialogGun::SetHover(int hover) {
  if (hover == hover_) return;
  hover_ = hover;
  update();
}

void CDialogGun::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  SetHover(HitTest(entries_, kEntries, pos.x(), pos.y()));
}

void CDialogGun::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  item_menus_.CloseAll();
  const QPoint pos = event->position().toPoint();
  SetHover(HitTest(entries_, kEntries, pos.x(), pos.y()));
  if (hover_ == kNoHover) return;
  pressed_ = true;
  update();
  ClickEntry(hover_);
}

void CDialogGun::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = false;
  update();
}

}  // namespace devero::ui
