#pragma once
// Comparing two pictures in a test. A failure names the first pixel that
// differs, row by row from the top, with its coordinates and both colours,
// and how many differ, where comparing the pixel vectors would print the
// first few dozen values of each and never the one that differs.
//
//   EXPECT_SAME_PICTURE(canvas(), expected) << "after the wipe";

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/Picture.h"

namespace vellumo::test {

// A colour as R, G, B (the top byte too when it is not 0).
inline std::string describeColour(Colour c) {
  char text[40];
  if ((c >> 24) != 0)
    std::snprintf(text, sizeof text, "rgb(%u, %u, %u) top byte 0x%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF,
                  c >> 24);
  else
    std::snprintf(text, sizeof text, "rgb(%u, %u, %u)", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return text;
}

inline ::testing::AssertionResult samePictureFormat(const char* actualText, const char* expectedText,
                                                    const Picture& actual, const Picture& expected) {
  if (actual.width != expected.width || actual.height != expected.height)
    return ::testing::AssertionFailure() << actualText << " is " << actual.width << "x" << actual.height << ", "
                                         << expectedText << " " << expected.width << "x" << expected.height;
  long differing = 0;
  int firstX = -1, firstY = -1;
  for (int y = 0; y < actual.height; ++y)
    for (int x = 0; x < actual.width; ++x)
      if (actual.at(x, y) != expected.at(x, y) && differing++ == 0) {
        firstX = x;
        firstY = y;
      }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actualText << " and " << expectedText << " differ in " << differing << " of "
                                       << actual.pixels.size() << " pixels; the first at (" << firstX << ", " << firstY
                                       << "): " << describeColour(actual.at(firstX, firstY)) << " where "
                                       << describeColour(expected.at(firstX, firstY)) << " was expected";
}

}  // namespace vellumo::test

#define EXPECT_SAME_PICTURE(actual, expected) EXPECT_PRED_FORMAT2(::vellumo::test::samePictureFormat, actual, expected)
#define ASSERT_SAME_PICTURE(actual, expected) ASSERT_PRED_FORMAT2(::vellumo::test::samePictureFormat, actual, expected)
