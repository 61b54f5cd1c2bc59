#include "hostile_skins.h"

#include <QImage>
#include <QString>
#include <functional>
#include <random>
#include <stdexcept>
#include <string_view>
#include <vector>

// jpeglib.h needs FILE and size_t first.
#include <jpeglib.h>
#include <cstdio>

#include "support/temp_dir.h"

namespace devero::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSkinFiles[] = {"skin_main", "skin_advance", "skin_color", "skin_mac",
                                      "LBWarning", "skin_keyset",  "skin_gun"};

// Rewrites every "key=value" line of every skin description file through `change`, which gets
// the key's section and number and returns the new value.
void RewriteValues(const fs::path& skin,
                   const std::function<std::string(const std::string& section, int key)>& change) {
  for (const fs::path& file : SkinDescriptionFiles(skin)) {
    const std::string text = ReadFile(file);
    const bool bom = text.rfind("\xEF\xBB\xBF", 0) == 0;
    std::string out = bom ? "\xEF\xBB\xBF" : "";
    std::string section;
    size_t pos = bom ? 3 : 0;
    while (pos < text.size()) {
      size_t end = text.find('\n', pos);
      if (end == std::string::npos) end = text.size();
      std::string line = text.substr(pos, end - pos);
      pos = end + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const size_t eq = line.find('=');
      if (!line.empty() && line.front() == '[') {
        section = line.substr(1, line.find(']') - 1);
      } else if (eq != std::string::npos) {
        line = line.substr(0, eq + 1) + change(section, std::atoi(line.c_str()));
      }
      out += line + "\r\n";
    }
    WriteFile(file, out);
  }
}

std::vector<fs::path> Images(const fs::path& skin, std::string_view ending) {
  std::vector<fs::path> images;
  for (const auto& entry : fs::recursive_directory_iterator(skin)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && name.size() >= ending.size() &&
        name.compare(name.size() - ending.size(), ending.size(), ending) == 0) {
      images.push_back(entry.path());
    }
  }
  return images;
}

void SaveImage(const QImage& image, const fs::path& file) {
  if (!image.save(QString::fromStdString(file.string()))) {
    throw std::runtime_error("cannot write " + file.string());
  }
}

QImage Filled(int w, int h, Qt::GlobalColor color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

// A black RGB JPEG written row by row: the picture is too big to hold in memory here.
void WriteBlackJpeg(const fs::path& file, int width, int height) {
  FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) throw std::runtime_error("cannot write " + file.string());
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, out);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3, 0);
  JSAMPROW rows[] = {row.data()};
  while (cinfo.next_scanline < cinfo.image_height)
    jpeg_write_scanlines(&cinfo, rows, 1);
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(out);
}

std::string Junk(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes)
    c = static_cast<char>(random() & 0xFF);
  return bytes;
}

// A label of `length` characters mixing ASCII and Chinese, UTF-8 encoded, without commas.
std::string LongText(size_t length) {
  std::string text;
  for (size_t i = 0; i < length; ++i)
    text += (i % 3 == 2) ? "宏" : "W";
  return text;
}

struct Case {
  HostileSkinCase about;
  std::function<void(const fs::path&)> damage;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {{"negative_rects", "every rectangle has negative coordinates or a negative size"},
       [](const fs::path& skin) {
         RewriteValues(skin, [](const std::string&, int key) {
           return "n," + std::to_string(-key * 7) + ",-20,-" + std::to_string(key + 1) +
                  ",-40,Negative,0";
         });
       }},
      {{"huge_rects",
        "rectangles at and beyond the int range, and whose right or bottom edge overflows"},
       [](const fs::path& skin) {
         RewriteValues(skin, [](const std::string&, int key) {
           switch (key % 3) {
             case 0:
               return std::string("h,2147483647,2147483647,2147483647,2147483647,Huge,0");
             case 1:
               return std::string("h,99999999999,-99999999999,99999999999,5,Huge,0");
             default:
               return std::string("h,2147483000,2147483000,100000,100000,Huge,0");
           }
         });
       }},
      {{"rects_outside", "rectangles partly or wholly outside their pictures"},
       [](const fs::path& skin) {
         RewriteValues(skin, [](const std::string&, int key) {
           return "o," + std::to_string(900 + key * 40) + "," + std::to_string(600 + key * 3) +
                  ",5000,3000,Outside,0";
         });
       }},
      {{"small_state_images", "every state picture is 8 x 8 pixels, smaller than its mask"},
       [](const fs::path& skin) {
         for (const char* ending : {"_normal.jpg", "_over.jpg", "_down.jpg", "led_null.jpg"}) {
           for (const fs::path& image : Images(skin, ending)) {
             SaveImage(Filled(8, 8, Qt::darkCyan), image);
           }
         }
       }},
      {{"tiny_masks", "every mask is 1 x 1 pixel"},
       [](const fs::path& skin) {
         for (const fs::path& mask : Images(skin, "_mask.jpg")) {
           SaveImage(Filled(1, 1, Qt::black), mask);
         }
       }},
      {{"giant_mask", "the main window's and the warning dialog's masks are 10000 x 10000"},
       [](const fs::path& skin) {
         WriteBlackJpeg(skin / "main_mask.jpg", 10000, 10000);
         fs::copy_file(skin / "main_mask.jpg", skin / "warning_mask.jpg",
                       fs::copy_options::overwrite_existing);
       }},
      {{"long_labels",
        "labels and function names of 259 characters (the most a value holds) and of 400"},
       [](const fs::path& skin) {
         RewriteValues(skin, [](const std::string& section, int key) {
           if (section == "FUN_STRING") return LongText(key % 2 ? 259 - 11 : 400) + ",0,0,0,0,,0";
           // Field 5 is the label: the whole value is 259 characters, or far longer.
           return "l,10,10,200,30," + LongText(key % 2 ? 259 - 17 : 400) + ",0";
         });
       }},
      {{"too_many_commas", "values with more than six commas"},
       [](const fs::path& skin) {
         RewriteValues(skin, [](const std::string&, int key) {
           return "c,1,2,30,40,Label," + std::to_string(key) + ",x,y,,,,,,,,";
         });
       }},
      {{"junk_skin_files",
        "skin description files of random bytes: NULs, broken UTF-8, a UTF-16 mark with an odd "
        "length"},
       [](const fs::path& skin) {
         unsigned seed = 1;
         for (const fs::path& file : SkinDescriptionFiles(skin)) {
           std::string bytes = Junk(4099, seed++);
           if (seed % 2 == 0) bytes = "\xFF\xFE" + bytes;
           if (seed % 3 == 0) bytes = "[BUTTONPOS]\r\n0=" + bytes;
           WriteFile(file, bytes);
         }
       }},
      {{"missing_skin_files", "no skin description file in either language"},
       [](const fs::path& skin) {
         for (const fs::path& file : SkinDescriptionFiles(skin))
           fs::remove(file);
       }},
      {{"missing_images", "no picture at all"},
       [](const fs::path& skin) {
         for (const char* ending : {".jpg", ".png"}) {
           for (const fs::path& image : Images(skin, ending))
             fs::remove(image);
         }
       }},
      {{"corrupt_images", "every picture cut after its first 300 bytes or filled with junk"},
       [](const fs::path& skin) {
         unsigned seed = 100;
         for (const char* ending : {".jpg", ".png"}) {
           for (const fs::path& image : Images(skin, ending)) {
             const std::string bytes = ReadFile(image);
             WriteFile(image,
                       ++seed % 2 ? bytes.substr(0, 300) : bytes.substr(0, 4) + Junk(5000, seed));
           }
         }
       }},
      {{"odd_knob", "the slider knob without an alpha channel, and 3000 x 3000 pixels"},
       [](const fs::path& skin) {
         SaveImage(Filled(3000, 3000, Qt::white), skin / "moveRect.png");
       }},
  };
  return cases;
}

}  // namespace

const std::vector<HostileSkinCase>& HostileSkinCases() {
  static const std::vector<HostileSkinCase> about = [] {
    std::vector<HostileSkinCase> list;
    for (const Case& c : Cases())
      list.push_back(c.about);
    return list;
  }();
  return about;
}

void WriteHostileSkin(const std::string& name, const fs::path& good, const fs::path& out) {
  for (const Case& c : Cases()) {
    if (c.about.name != name) continue;
    CopyTree(good, out);
    c.damage(out);
    return;
  }
  throw std::runtime_error("no hostile skin case " + name);
}

std::vector<fs::path> SkinDescriptionFiles(const fs::path& skin) {
  std::vector<fs::path> files;
  for (const char* base : kSkinFiles) {
    files.push_back(skin / "INI_EN" / (std::string(base) + "_en.ini"));
    files.push_back(skin / "INI_CN" / (std::string(base) + ".ini"));
  }
  return files;
}

}  // namespace devero::testing
