// Block kernels of the effect bitmap. The blends use AVX-512 or AVX2 when
// the processor has them and otherwise plain loops that the compiler
// vectorizes;
// the grey conversion uses SSSE3 shuffles when the processor has them, and
// the callers' per-channel paths otherwise.
#include "skin/draw/effect_kernels.h"

#include <cmath>
#include <cstring>

#if defined(__x86_64__) || defined(_M_X64)
#define KAVRO_EFFECT_SSE2 1
#include <immintrin.h>
#endif

namespace skin {

bool MakeFixedWeights(double k, FixedWeights& w) {
  if (!(k > 0 && k < 1)) return false;
  const double a = (1 - k) * 65536, b = k * 65536;
  w.a = static_cast<int>(std::nearbyint(a));
  w.b = static_cast<int>(std::nearbyint(b));
  if (w.a < 1 || w.a > 65535 || w.b < 1 || w.b > 65535) return false;
  // Exact when both factors are whole 1/256ths: then every product below is
  // a whole number of 1/256ths, (1 - k) v + k o is computed without error in
  // doubles too, and ties are real ties.
  w.exactWeights = a == std::floor(a / 256) * 256 && b == std::floor(b / 256) * 256;
  return true;
}

namespace {

// One block of 64 bytes in 16-bit lanes: each weighted value is taken to
// 1/256ths (v a / 2^16 in 8.8 fixed point, at most 1.5/256 off), so the sum
// is at most 3/256 off the exact one. Returns false, leaving the block, when
// a channel's sum is that close to a rounding boundary.
template <bool Exact, bool OneOther>
inline bool blendBlock(std::uint8_t* p, const std::uint8_t* o, std::uint8_t other, unsigned a,
                       unsigned b) {
  std::uint8_t out[kBlendBlockSize];
  unsigned doubt = 0;
  for (std::size_t j = 0; j < kBlendBlockSize; ++j) {
    const unsigned v = p[j], ov = OneOther ? other : o[j];
    const auto xv = static_cast<std::uint16_t>(((v << 8) * a) >> 16);
    const auto xo = static_cast<std::uint16_t>(((ov << 8) * b) >> 16);
    const auto s = static_cast<std::uint16_t>(xv + xo + 128);
    auto r = static_cast<std::uint16_t>(s >> 8);
    const unsigned frac = s & 255u;
    if constexpr (Exact)
      r = static_cast<std::uint16_t>(r - ((frac == 0) & r & 1u));  // halves to even
    else
      doubt |= static_cast<unsigned>(frac < 4) | static_cast<unsigned>(frac > 252);
    out[j] = static_cast<std::uint8_t>(r);
  }
  if (!Exact && doubt) return false;
  std::memcpy(p, out, sizeof out);
  return true;
}

template <bool OneOther>
std::size_t blendRow(std::uint8_t* p, const std::uint8_t* o, std::uint8_t other, std::size_t n,
                     const FixedWeights& w, UnsureBlock unsure, void* context) {
  const auto a = static_cast<unsigned>(w.a), b = static_cast<unsigned>(w.b);
  std::size_t i = 0;
  for (; i + kBlendBlockSize <= n; i += kBlendBlockSize) {
    const std::uint8_t* oi = OneOther ? nullptr : o + i;
    const bool done = w.exactWeights ? blendBlock<true, OneOther>(p + i, oi, other, a, b)
                                     : blendBlock<false, OneOther>(p + i, oi, other, a, b);
    if (!done) unsure(context, i);
  }
  return i;
}

}  // namespace

#ifdef KAVRO_EFFECT_SSE2

namespace {

// The same blocks with AVX2: 32 bytes per half block, in 16-bit lanes, the
// weighted values as high halves of 16 x 16-bit products.
struct Avx2Weights {
  __m256i a, b;
  bool exact;
};

#define KAVRO_AVX2 __attribute__((target("avx2"), always_inline)) inline

KAVRO_AVX2 __m256i blendLanes(const Avx2Weights& w, __m256i v, __m256i ov, __m256i& doubt) {
  const __m256i weighted =
      _mm256_add_epi16(_mm256_mulhi_epu16(v, w.a), _mm256_mulhi_epu16(ov, w.b));
  __m256i s = _mm256_add_epi16(weighted, _mm256_set1_epi16(128));
  const __m256i frac = _mm256_and_si256(s, _mm256_set1_epi16(255));
  s = _mm256_srli_epi16(s, 8);
  if (w.exact) {
    const __m256i tie = _mm256_cmpeq_epi16(frac, _mm256_setzero_si256());
    s = _mm256_sub_epi16(s, _mm256_and_si256(tie, _mm256_and_si256(s, _mm256_set1_epi16(1))));
  } else {
    doubt = _mm256_or_si256(doubt, _mm256_cmpgt_epi16(_mm256_set1_epi16(4), frac));
    doubt = _mm256_or_si256(doubt, _mm256_cmpgt_epi16(frac, _mm256_set1_epi16(252)));
  }
  return s;
}

KAVRO_AVX2 __m256i load(const std::uint8_t* at) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

KAVRO_AVX2 __m256i blend32(const Avx2Weights& w, __m256i v, __m256i ov, __m256i& doubt) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i lo =
      blendLanes(w, _mm256_unpacklo_epi8(zero, v), _mm256_unpacklo_epi8(zero, ov), doubt);
  const __m256i hi =
      blendLanes(w, _mm256_unpackhi_epi8(zero, v), _mm256_unpackhi_epi8(zero, ov), doubt);
  return _mm256_packus_epi16(lo, hi);
}

template <bool OneOther>
__attribute__((target("avx2"))) std::size_t blendRowAvx2(std::uint8_t* p, const std::uint8_t* o,
                                                         std::uint8_t other, std::size_t n,
                                                         const FixedWeights& fw, UnsureBlock unsure,
                                                         void* context) {
  const Avx2Weights w{_mm256_set1_epi16(static_cast<short>(fw.a)),
                      _mm256_set1_epi16(static_cast<short>(fw.b)), fw.exactWeights};
  const __m256i fixed = _mm256_set1_epi8(static_cast<char>(other));
  std::size_t i = 0;
  for (; i + kBlendBlockSize <= n; i += kBlendBlockSize) {
    __m256i doubt = _mm256_setzero_si256();
    const __m256i r0 = blend32(w, load(p + i), OneOther ? fixed : load(o + i), doubt);
    const __m256i r1 = blend32(w, load(p + i + 32), OneOther ? fixed : load(o + i + 32), doubt);
    if (!w.exact && !_mm256_testz_si256(doubt, doubt)) {
      unsure(context, i);
      continue;
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i), r0);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i + 32), r1);
  }
  return i;
}

#undef KAVRO_AVX2

// With AVX-512 a whole block is one register; the checks give mask
// registers instead of vectors.
#define KAVRO_AVX512 __attribute__((target("avx512f,avx512bw"), always_inline)) inline

KAVRO_AVX512 __m512i blendLanes512(__m512i a, __m512i b, bool exact, __m512i v, __m512i ov,
                                   __mmask32& doubt) {
  const __m512i weighted = _mm512_add_epi16(_mm512_mulhi_epu16(v, a), _mm512_mulhi_epu16(ov, b));
  __m512i s = _mm512_add_epi16(weighted, _mm512_set1_epi16(128));
  const __m512i frac = _mm512_and_si512(s, _mm512_set1_epi16(255));
  s = _mm512_srli_epi16(s, 8);
  if (exact) {
    // A fraction of exactly one half went up; an odd result goes back down.
    const __mmask32 tie = _mm512_cmpeq_epi16_mask(frac, _mm512_setzero_si512());
    s = _mm512_mask_sub_epi16(s, tie, s, _mm512_and_si512(s, _mm512_set1_epi16(1)));
  } else {
    doubt |= _mm512_cmplt_epi16_mask(frac, _mm512_set1_epi16(4));
    doubt |= _mm512_cmpgt_epi16_mask(frac, _mm512_set1_epi16(252));
  }
  return s;
}

template <bool OneOther>
__attribute__((target("avx512f,avx512bw"))) std::size_t blendRowAvx512(
    std::uint8_t* p, const std::uint8_t* o, std::uint8_t other, std::size_t n,
    const FixedWeights& fw, UnsureBlock unsure, void* context) {
  const __m512i a = _mm512_set1_epi16(static_cast<short>(fw.a));
  const __m512i b = _mm512_set1_epi16(static_cast<short>(fw.b));
  const __m512i zero = _mm512_setzero_si512();
  const __m512i fixed = _mm512_set1_epi8(static_cast<char>(other));
  const bool exact = fw.exactWeights;
  std::size_t i = 0;
  for (; i + kBlendBlockSize <= n; i += kBlendBlockSize) {
    const __m512i v = _mm512_loadu_si512(p + i);
    const __m512i ov = OneOther ? fixed : _mm512_loadu_si512(o + i);
    __mmask32 doubt = 0;
    const __m512i lo = blendLanes512(a, b, exact, _mm512_unpacklo_epi8(zero, v),
                                     _mm512_unpacklo_epi8(zero, ov), doubt);
    const __m512i hi = blendLanes512(a, b, exact, _mm512_unpackhi_epi8(zero, v),
                                     _mm512_unpackhi_epi8(zero, ov), doubt);
    if (doubt != 0) {
      unsure(context, i);
      continue;
    }
    _mm512_storeu_si512(p + i, _mm512_packus_epi16(lo, hi));
  }
  return i;
}

#undef KAVRO_AVX512

bool hasAvx2() {
  static const bool avx2 = __builtin_cpu_supports("avx2");
  return avx2;
}

bool hasAvx512() {
  static const bool avx512 =
      __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
  return avx512;
}

}  // namespace

std::size_t BlendBlocks(std::uint8_t* p, const std::uint8_t* o, std::size_t n,
                        const FixedWeights& w, UnsureBlock unsure, void* context) {
  if (hasAvx512()) return blendRowAvx512<false>(p, o, 0, n, w, unsure, context);
  if (hasAvx2()) return blendRowAvx2<false>(p, o, 0, n, w, unsure, context);
  return blendRow<false>(p, o, 0, n, w, unsure, context);
}

std::size_t BlendBlocksWith(std::uint8_t* p, std::uint8_t other, std::size_t n,
                            const FixedWeights& w, UnsureBlock unsure, void* context) {
  if (hasAvx512()) return blendRowAvx512<true>(p, nullptr, other, n, w, unsure, context);
  if (hasAvx2()) return blendRowAvx2<true>(p, nullptr, other, n, w, unsure, context);
  return blendRow<true>(p, nullptr, other, n, w, unsure, context);
}

namespace {

// Sixteen pixels at a time: the channels are spread into 4-byte slots
// (blue, green, red, 0), weighted and summed to n = 11 blue + 59 green +
// 30 red, and q = round(n / 100) is floor((n + 50) * 41944 / 2^22) (exact
// for every n up to 25500), lowered by one on an odd tie. The AVX2 form runs
// two such groups side by side, one in each 128-bit lane; the instructions
// are the same lane by lane.
#define KAVRO_GRAY_CONSTANTS(set16, bytes)                                             \
  const auto spread = bytes(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);     \
  const auto coef = bytes(11, 59, 30, 0, 11, 59, 30, 0, 11, 59, 30, 0, 11, 59, 30, 0); \
  const auto ones = set16(1), fifty = set16(50), hundred = set16(100);                 \
  const auto magic = set16(static_cast<short>(41944));                                 \
  const auto out0 = bytes(0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5);             \
  const auto out1 = bytes(5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10);           \
  const auto out2 = bytes(10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15)

// The last load of a group reads 4 bytes past its 48: they must lie in the
// row, which holds 3 bytes per pixel and width mod 4 padding bytes.
bool groupFits(int x, int groupPixels, int pixels) {
  return x + groupPixels <= pixels && 3 * (x + groupPixels) + 4 <= 3 * pixels + pixels % 4;
}

__attribute__((target("ssse3"))) int graySsse3(std::uint8_t* row, int pixels) {
  KAVRO_GRAY_CONSTANTS(_mm_set1_epi16, _mm_setr_epi8);
  int x = 0;
  for (; groupFits(x, 16, pixels); x += 16) {
    std::uint8_t* p = row + 3 * x;
    __m128i n[4];
    for (int g = 0; g < 4; ++g) {
      const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 12 * g));
      n[g] = _mm_madd_epi16(_mm_maddubs_epi16(_mm_shuffle_epi8(raw, spread), coef), ones);
    }
    __m128i q[2];
    for (int h = 0; h < 2; ++h) {
      const __m128i m = _mm_add_epi16(_mm_packs_epi32(n[2 * h], n[2 * h + 1]), fifty);
      const __m128i r = _mm_srli_epi16(_mm_mulhi_epu16(m, magic), 6);
      const __m128i tie = _mm_cmpeq_epi16(_mm_mullo_epi16(r, hundred), m);
      q[h] = _mm_sub_epi16(r, _mm_and_si128(tie, _mm_and_si128(r, ones)));
    }
    const __m128i grey = _mm_packus_epi16(q[0], q[1]);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_shuffle_epi8(grey, out0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 16), _mm_shuffle_epi8(grey, out1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 32), _mm_shuffle_epi8(grey, out2));
  }
  return x;
}

__attribute__((target("avx2"))) __m256i bytes256(char b0, char b1, char b2, char b3, char b4,
                                                 char b5, char b6, char b7, char b8, char b9,
                                                 char b10, char b11, char b12, char b13, char b14,
                                                 char b15) {
  return _mm256_broadcastsi128_si256(
      _mm_setr_epi8(b0, b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12, b13, b14, b15));
}

__attribute__((target("avx2"))) int grayAvx2(std::uint8_t* row, int pixels) {
  KAVRO_GRAY_CONSTANTS(_mm256_set1_epi16, bytes256);
  // Lane 0 takes the 16 pixels at p, lane 1 the 16 pixels 48 bytes further.
  int x = 0;
  for (; groupFits(x, 32, pixels); x += 32) {
    std::uint8_t* p = row + 3 * x;
    __m256i n[4];
    for (int g = 0; g < 4; ++g) {
      const __m256i raw = _mm256_inserti128_si256(
          _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 12 * g))),
          _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 48 + 12 * g)), 1);
      n[g] = _mm256_madd_epi16(_mm256_maddubs_epi16(_mm256_shuffle_epi8(raw, spread), coef), ones);
    }
    __m256i q[2];
    for (int h = 0; h < 2; ++h) {
      const __m256i m = _mm256_add_epi16(_mm256_packs_epi32(n[2 * h], n[2 * h + 1]), fifty);
      const __m256i r = _mm256_srli_epi16(_mm256_mulhi_epu16(m, magic), 6);
      const __m256i tie = _mm256_cmpeq_epi16(_mm256_mullo_epi16(r, hundred), m);
      q[h] = _mm256_sub_epi16(r, _mm256_and_si256(tie, _mm256_and_si256(r, ones)));
    }
    const __m256i grey = _mm256_packus_epi16(q[0], q[1]);
    const __m256i outs[3] = {_mm256_shuffle_epi8(grey, out0), _mm256_shuffle_epi8(grey, out1),
                             _mm256_shuffle_epi8(grey, out2)};
    for (int k = 0; k < 3; ++k) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 16 * k), _mm256_castsi256_si128(outs[k]));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 48 + 16 * k),
                       _mm256_extracti128_si256(outs[k], 1));
    }
  }
  return x;
}

#undef KAVRO_GRAY_CONSTANTS

}  // namespace

int GrayBlocks(std::uint8_t* row, int pixels) {
  static const bool ssse3 = __builtin_cpu_supports("ssse3");
  if (hasAvx2()) return grayAvx2(row, pixels);
  return ssse3 ? graySsse3(row, pixels) : 0;
}

#else

std::size_t BlendBlocks(std::uint8_t* p, const std::uint8_t* o, std::size_t n,
                        const FixedWeights& w, UnsureBlock unsure, void* context) {
  return blendRow<false>(p, o, 0, n, w, unsure, context);
}

std::size_t BlendBlocksWith(std::uint8_t* p, std::uint8_t other, std::size_t n,
                            const FixedWeights& w, UnsureBlock unsure, void* context) {
  return blendRow<true>(p, nullptr, other, n, w, unsure, context);
}

int GrayBlocks(std::uint8_t*, int) { return 0; }

#endif

}  // namespace skin
