#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <map>
#include <string>

namespace devero::ui {

// The skin's pictures by name ("\main_normal.jpg" or "/main_normal.jpg"), decoded once and
// kept while the file stays the same (its size and time are checked on every lookup). A
// missing, unreadable or oversized picture gives a null image, which draws nothing.
class SkinImages {
 public:
  // Pictures whose decoded size would pass this many megabytes are refused.
  static constexpr int kAllocationLimitMb = 128;

  explicit SkinImages(std::filesystem::path skin_directory);

  const std::filesystem::path& directory() const { return directory_; }
  void SetDirectory(std::filesystem::path skin_directory);

  const QImage& Get(std::string_view name);
  // The slider knob, premultiplied for alpha blending.
  const QImage& Knob();

  static std::filesystem::path Resolve(const std::filesystem::path& directory,
                                       std::string_view name);
  static QImage Decode(const std::filesystem::path& file);

 private:
  struct Cached {
    QImage image;
    std::filesystem::file_time_type time{};
    uintmax_t size = 0;
    bool present = false;
  };
  const Cached& Lookup(std::string_view name);

  std::filesystem::path directory_;
  std::map<std::string, Cached, std::less<>> cache_;
  QImage knob_;
  const QImage* knob_source_ = nullptr;
  qint64 knob_key_ = 0;
};

// Premultiplies red, green and blue by alpha (component * alpha / 255, truncated).
QImage PremultiplyTruncating(const QImage& image);

}  // namespace devero::ui
