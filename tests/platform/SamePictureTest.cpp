// The tests' picture comparison says where two pictures differ.

#include <gtest/gtest.h>

#include <string>

#include "tests/support/SamePicture.h"

namespace vellumo {
namespace {

TEST(SamePicture, NamesTheFirstDifferingPixelAndBothColours) {
  Picture expected(4, 3, rgb(255, 255, 255));
  Picture actual = expected;
  EXPECT_TRUE(test::samePictureFormat("actual", "expected", actual, expected));

  actual.at(3, 0) = rgb(10, 20, 30);  // the first row by row, though not by column
  actual.at(1, 2) = rgb(0, 0, 0);
  const std::string message = test::samePictureFormat("actual", "expected", actual, expected).message();
  EXPECT_NE(message.find("differ in 2 of 12 pixels"), std::string::npos) << message;
  EXPECT_NE(message.find("(3, 0): rgb(10, 20, 30) where rgb(255, 255, 255) was expected"), std::string::npos)
      << message;

  const std::string sizes = test::samePictureFormat("actual", "expected", Picture(4, 2), expected).message();
  EXPECT_NE(sizes.find("actual is 4x2, expected 4x3"), std::string::npos) << sizes;
}

}  // namespace
}  // namespace vellumo
