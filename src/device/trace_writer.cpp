#include "device/trace_writer.h"

#include <algorithm>

namespace devero {

TraceWriter::TraceWriter(std::ostream& out) : out_(&out) {}

std::unique_ptr<TraceWriter> TraceWriter::OpenFile(const std::filesystem::path& path,
                                                   std::string* error) {
  auto file = std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
  if (!*file) {
    if (error) *error = "Cannot write the trace file " + path.string();
    return nullptr;
  }
  auto writer = std::make_unique<TraceWriter>(*file);
  writer->file_ = std::move(file);
  return writer;
}

void TraceWriter::WriteBytes(std::span<const uint8_t> bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  const std::size_t n = std::min<std::size_t>(bytes.size(), 8);
  char text[8 * 3];
  std::size_t len = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) text[len++] = ' ';
    text[len++] = kHex[bytes[i] >> 4];
    text[len++] = kHex[bytes[i] & 0xF];
  }
  out_->write(text, static_cast<std::streamsize>(len));
}

void TraceWriter::OnFeatureSet(std::span<const uint8_t> report) {
  *out_ << "S ";
  WriteBytes(report);
  *out_ << '\n';
}

void TraceWriter::OnFeatureGet(std::span<const uint8_t> sent, std::span<const uint8_t> reply) {
  *out_ << "G ";
  WriteBytes(sent);
  *out_ << " > ";
  WriteBytes(reply);
  *out_ << '\n';
}

void TraceWriter::OnDelay(int ms) {
  *out_ << "W " << ms << '\n';
}

}  // namespace devero
