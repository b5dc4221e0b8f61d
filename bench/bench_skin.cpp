// Loading a realistic skin package: BM_ReadPackage decodes it through
// TbsSkinData::ReadPackage (inflate, pictures, definition, data objects);
// BM_InflateOnly inflates the same compressed bytes alone, the baseline.
// The goal is ReadPackage within 2.5 times the inflate. BM_ReadPackage also
// reports the heap the loaded skin holds per byte of the decompressed
// package (goal: below 3).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/package_stream.h"
#include "skin/data/skin_data.h"
#include "skin/data/zlib_streams.h"

namespace {

// A picture like the ones skins carry: smooth gradients with bevels and a
// little texture, so that it compresses as a real frame or control sheet.
gfx::Bitmap picture(int w, int h, int seed) {
  gfx::Bitmap bmp(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int band = (y / 24) % 4;
      int r = 90 + (y % 24) * 5 + band * 10 + seed * 7;
      int g = 110 + (x * 60) / w + band * 6;
      int b = 180 + ((x + seed * 13) / 16) % 20;
      if (x % 40 == 0 || y % 24 == 0) r = g = b = 255;  // bevel lines
      if (((x * 7 + y * 3 + seed) % 29) == 0) g -= 12;  // texture
      bmp.setPixel(x, y, gfx::Color::rgb(r & 255, g & 255, b & 255));
    }
  }
  return bmp;
}

// About 40 sections of the kinds every skin lists.
std::string definition() {
  std::string t =
      "[VERSION]\r\nskinname=Bench\r\nskinauthor=Bench\r\n[PICTURES]\r\npicture=frame.bmp\r\n"
      "activepicturescount=5\r\n0=a0.bmp\r\n1=a1.bmp\r\n2=a2.bmp\r\n3=a3.bmp\r\n4=a4.bmp\r\n"
      "[FORMINFO]\r\nlefttoppoint=10,30\r\nrighttoppoint=290,30\r\nleftbottompoint=10,250\r\n"
      "rightbottompoint=290,250\r\nclientrect=6,28,294,254\r\nbuttonsrect=200,4,294,24\r\n"
      "captionrect=30,4,200,24\r\ninactiveeffect=iegrayscale\r\n"
      "[POPUPWINDOW]\r\nwindowpictureindex=1\r\nlefttoppoint=4,4\r\nrightbottompoint=96,96\r\n"
      "itemsrect=3,3,97,97\r\n[HINTWINDOW]\r\nwindowpictureindex=2\r\nclientrect=4,4,60,20\r\n"
      "fontname=Arial\r\nfontheight=12\r\n";
  const char* objects[] = {"menuitem",          "caption",           "stdbutton", "stdbutton",
                           "stdbutton",         "stdbutton",         "stdbutton", "mainmenubaritem",
                           "mainmenubarbutton", "mainmenubarbutton", "animate",   "userobject"};
  const char* controls[] = {
      "panel",      "button",   "button",   "menubutton",   "label",     "stdlabel",    "gauge",
      "edit",       "combobox", "listbox",  "scrollbar",    "scrollbar", "updown",      "tab",
      "checkradio", "trackbar", "memo",     "checklistbox", "grid",      "mainmenubar", "treeview",
      "listview",   "slider",   "spinedit", "expanel",      "bevel"};
  t += "[SKINOBJECTS]\r\ncount=" + std::to_string(std::size(objects)) + "\r\n";
  for (std::size_t i = 0; i < std::size(objects); ++i) {
    t += std::to_string(i) + "=obj" + std::to_string(i) + ":" + objects[i] + "\r\n";
  }
  t += "[SKINCONTROLS]\r\ncount=" + std::to_string(std::size(controls)) + "\r\n";
  for (std::size_t i = 0; i < std::size(controls); ++i) {
    t += std::to_string(i) + "=ctl" + std::to_string(i) + ":" + controls[i] + "\r\n";
  }
  const std::string keys =
      "pictureindex=0\r\nskinrect=0,0,75,25\r\nactiveskinrect=0,25,75,50\r\n"
      "downskinrect=0,50,75,75\r\nlefttoppoint=4,4\r\nrighttoppoint=71,4\r\n"
      "leftbottompoint=4,21\r\nrightbottompoint=71,21\r\nclientrect=4,4,71,21\r\n"
      "fontname=Arial\r\nfontheight=13\r\nfontstyle=fsbold\r\nfontcolor=0\r\n"
      "activefontcolor=16777215\r\ntextrect=4,4,60,20\r\ncommand=cmclose\r\n"
      "itemrect=0,0,20,20\r\nbuttonrect=60,2,74,20\r\nmorphing=1\r\nmorphkind=mkgradient\r\n";
  for (std::size_t i = 0; i < std::size(objects); ++i) {
    t += "[obj" + std::to_string(i) + "]\r\n" + keys;
  }
  for (std::size_t i = 0; i < std::size(controls); ++i) {
    t += "[ctl" + std::to_string(i) + "]\r\n" + keys;
  }
  return t;
}

struct BenchPackage {
  skin::TbsCompressedStoredSkin stored;
  std::size_t rawSize = 0;
  BenchPackage() {
    skin::PackageParts parts;
    parts.picture = picture(300, 280, 0);
    for (int i = 1; i <= 5; ++i) parts.activePictures.push_back(picture(300, 280, i));
    parts.definitionText = definition();
    const std::vector<std::uint8_t> raw = skin::WritePackageStream(parts);
    rawSize = raw.size();
    stored.setCompressedData(skin::ZlibCompress(raw, skin::CompressionLevel::Max));
  }
};

const BenchPackage& package() {
  static const BenchPackage p;
  return p;
}

void BM_ReadPackage(benchmark::State& state) {
  const BenchPackage& p = package();
  skin::TbsSkinData data;
  for (auto _ : state) {
    data.ReadPackage(p.stored);
    benchmark::DoNotOptimize(data.ControlDataList().size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * p.rawSize));
  state.counters["package_bytes"] = static_cast<double>(p.rawSize);
  state.counters["compressed_bytes"] = static_cast<double>(p.stored.compressedData().size());

  // Heap held by one loaded skin, per decompressed package byte.
  data.ResetSkin();
  const std::size_t before = mallinfo2().uordblks;
  {
    skin::TbsSkinData loaded;
    loaded.ReadPackage(p.stored);
    const std::size_t after = mallinfo2().uordblks;
    state.counters["skin_memory_ratio"] =
        static_cast<double>(after - before) / static_cast<double>(p.rawSize);
  }
}

void BM_InflateOnly(benchmark::State& state) {
  const BenchPackage& p = package();
  const std::span<const std::uint8_t> in = p.stored.compressedData();
  std::vector<std::uint8_t> out(p.rawSize);
  for (auto _ : state) {
    uLongf outLen = static_cast<uLongf>(out.size());
    const int rc = uncompress(out.data(), &outLen, in.data(), static_cast<uLong>(in.size()));
    if (rc != Z_OK || outLen != out.size()) state.SkipWithError("inflate failed");
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * p.rawSize));
}

}  // namespace

BENCHMARK(BM_InflateOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPackage)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
