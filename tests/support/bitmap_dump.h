// Helpers for pixel tests: write a bitmap to a PNG under the test artifacts
// folder when a comparison fails, so the failing picture can be looked at.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "ui/graphics/bitmap.h"

namespace testsupport {

// Writes bmp as <artifacts>/<name>.png and returns the path ("" on failure).
// The folder is $KAVRO_TEST_ARTIFACTS, else "test-artifacts" in the current
// directory.
std::string DumpBitmap(const gfx::Bitmap& bmp, const std::string& name);

// Compares two bitmaps pixel by pixel; on a difference dumps both (named
// after the current test) and reports the first differing pixel.
::testing::AssertionResult SameBitmap(const gfx::Bitmap& actual, const gfx::Bitmap& expected);

}  // namespace testsupport
