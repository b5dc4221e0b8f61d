// Block kernels of the effect bitmap: many channels per step instead of one.
//
// Every kernel gives exactly the result of the per-channel arithmetic it
// stands for, or reports that it cannot for a block, which the caller then
// does channel by channel.
#pragma once

#include <cstddef>
#include <cstdint>

namespace skin {

// v -> (v a + o b) / 2^16 rounded, on integers. `a` and `b` are the weights
// of self and other in 1/65536ths, each 1..65535. With `exactWeights` the
// weights are the factors themselves and halves go to the even neighbour;
// otherwise a block whose exact rounding could differ from the fixed-point
// one is left unchanged and reported.
struct FixedWeights {
  int a = 0;
  int b = 0;
  bool exactWeights = false;
};

// The bytes of one block of the blends.
constexpr std::size_t kBlendBlockSize = 64;

// Fixed weights for (1 - k) and k, 0 < k < 1; false when they do not fit.
bool MakeFixedWeights(double k, FixedWeights& w);

// Blends n bytes of p with n bytes of o in blocks of 64. Blocks that are
// unsure are left as they are and their starts are handed to `unsure`, so
// the caller can do them exactly. Bytes past the last whole block are left.
// Returns the number of bytes done in blocks.
using UnsureBlock = void (*)(void* context, std::size_t start);
std::size_t BlendBlocks(std::uint8_t* p, const std::uint8_t* o, std::size_t n,
                        const FixedWeights& w, UnsureBlock unsure, void* context);
// The same with every byte of other equal to `other`.
std::size_t BlendBlocksWith(std::uint8_t* p, std::uint8_t other, std::size_t n,
                            const FixedWeights& w, UnsureBlock unsure, void* context);

// Grey of whole groups of 16 pixels (48 bytes) of a row of `pixels` pixels:
// every channel becomes round(0.3 red + 0.59 green + 0.11 blue), halves to
// even. Returns the number of pixels done; 0 when the processor cannot.
int GrayBlocks(std::uint8_t* row, int pixels);

}  // namespace skin
