#include <gtest/gtest.h>

#include <string>

#include "records/diag.h"
#include "records/text_field.h"
#include "records_test_support.h"

namespace {

TEST(TextField, CopyTruncatesToWidthLessOneAndZeroFillsTheRest) {
  char field[8];
  std::memset(field, 'x', sizeof field);
  CopyTextField(field, "abc");
  EXPECT_EQ(std::string(field, 8), std::string("abc\0\0\0\0\0", 8));
  CopyTextField(field, "abcdefghijk");
  EXPECT_EQ(std::string(field, 8), std::string("abcdefg\0", 8));
  CopyTextField(field, "");
  EXPECT_EQ(std::string(field, 8), std::string(8, '\0'));
}

TEST(TextField, CopyNeverSplitsAMultiByteCharacter) {
  char field[6];
  // "a" + U+4E2D (3 bytes) + U+6587 (3 bytes): only "a" and the first character fit in 5 bytes.
  CopyTextField(field, "a\xE4\xB8\xAD\xE6\x96\x87");
  EXPECT_EQ(std::string(field, 6), std::string("a\xE4\xB8\xAD\0\0", 6));
  char small[3];
  CopyTextField(small, "\xE4\xB8\xAD");
  EXPECT_EQ(std::string(small, 3), std::string(3, '\0'));
  char exact[4];
  CopyTextField(exact, "\xE4\xB8\xAD");
  EXPECT_EQ(std::string(exact, 4), std::string("\xE4\xB8\xAD\0", 4));
}

TEST(TextField, ReadStopsAtTheZeroOrAtTheWidth) {
  struct { char field[4]; char after[4]; } s = {{'a', 'b', 'c', 'd'}, {'e', 'f', 'g', '\0'}};
  EXPECT_EQ(ReadTextField(s.field), "abcd");
  EXPECT_EQ(TextFieldString(s.field), "abcd");
  s.field[2] = '\0';
  EXPECT_EQ(ReadTextField(s.field), "ab");
  EXPECT_EQ(ReadTextField(nullptr, 4), "");
}

TEST(Diagnostics, SinkReceivesFormattedTextAndSecretsAreMasked) {
  records_test::DiagCapture capture;
  Diag("Open file - \"%s\" success!\n", "x/menu.dat");
  Diag("%d-%s\n", 42, MaskSecret("hunter2"));
  Diag("[%s]\n", MaskSecret(""));
  EXPECT_EQ(capture.Text(), "Open file - \"x/menu.dat\" success!\n42-********\n[]\n");
  EXPECT_STREQ(MaskSecret(nullptr), "");
  const std::string long_text(5000, 'L');
  capture.Clear();
  Diag("%s", long_text.c_str());
  EXPECT_EQ(capture.Text(), long_text);
}

}  // namespace
