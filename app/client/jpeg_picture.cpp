// JPEG decoding through libjpeg's decompression object. libjpeg reports a
// fatal error by calling error_exit, which must not return: it jumps back
// here with longjmp, so nothing with a destructor lives between setjmp and
// the calls that may jump; the bitmap is filled only once the header has
// been read and its size checked.
#include "app/client/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace app {

namespace {

constexpr JDIMENSION kMaxSide = 8192;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings (a corrupt but readable stretch of data) are not fatal for
// libjpeg; a picture carrying them is refused all the same, as a damaged
// file would otherwise show grey blocks.
void EmitMessage(j_common_ptr info, int level) {
  if (level < 0) ErrorExit(info);
}

// Reads the header and the scan lines into rows of pixel words. Returns
// false with the message filled when libjpeg gave up.
bool Decode(jpeg_decompress_struct& info, ErrorManager& err, std::span<const std::uint8_t> bytes,
            gfx::Bitmap& out, const char*& fault) {
  if (setjmp(err.jump) != 0) {
    fault = err.message;
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    fault = "no picture in the data";
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaxSide ||
      info.output_height > kMaxSide || info.output_components != 3) {
    fault = "the picture's size is out of range";
    return false;
  }
  out.resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  // Each scan line is read as RGB triples into the start of its own row and
  // spread into pixel words from the right: a word is wider than a triple,
  // so the spreading never overwrites a triple not yet read.
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    std::uint32_t* row = out.row(y);
    auto* triples = reinterpret_cast<JSAMPLE*>(row);
    JSAMPROW rows[1] = {triples};
    if (jpeg_read_scanlines(&info, rows, 1) != 1) {
      fault = "the picture's data ends early";
      return false;
    }
    for (int x = static_cast<int>(info.output_width) - 1; x >= 0; --x) {
      const std::uint32_t r = triples[3 * x];
      const std::uint32_t g = triples[3 * x + 1];
      const std::uint32_t b = triples[3 * x + 2];
      row[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

gfx::Bitmap DecodeJpeg(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) throw JpegError("JPEG picture: no data");
  jpeg_decompress_struct info{};
  ErrorManager err{};
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = ErrorExit;
  err.base.emit_message = EmitMessage;
  gfx::Bitmap picture;
  const char* fault = nullptr;
  const bool ok = Decode(info, err, bytes, picture, fault);
  jpeg_destroy_decompress(&info);
  if (!ok) throw JpegError(std::string("JPEG picture: ") + fault);
  return picture;
}

}  // namespace app
