// The reader of the text data files: good layouts read the same, every fault names its place.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "stagedata/data_reader.h"

namespace slidestone {
namespace {

std::string Write(const std::string& name, const std::string& text) {
  const auto dir = std::filesystem::temp_directory_path() / "slidestone-reader-test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / name).string();
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(FieldReader, CommasAndLineEndsSeparateTheSameWay) {
  for (const char* text : {"1,-2,+3\n4\n", "1\n-2\n+3\n4", "  1 , -2,\t+3 ,\r\n\n4,\n"}) {
    FieldReader r(Write("layouts.dat", text));
    EXPECT_EQ(r.ReadInt("a"), 1);
    EXPECT_EQ(r.ReadInt("b"), -2);
    EXPECT_EQ(r.ReadInt("c"), 3);
    EXPECT_EQ(r.ReadInt("d"), 4) << text;
  }
}

TEST(FieldReader, QuotedTextKeepsCommasAndBareTextEndsAtOne) {
  FieldReader r(Write("texts.dat", "\"Nice, very nice\",bare words , next\n\"\"\n"));
  EXPECT_EQ(r.ReadText("first"), "Nice, very nice");
  EXPECT_EQ(r.ReadText("second"), "bare words");
  EXPECT_EQ(r.ReadText("third"), "next");
  EXPECT_EQ(r.ReadText("fourth"), "");
}

TEST(FieldReader, LimitsOf32Bits) {
  FieldReader r(Write("limits.dat", "2147483647,-2147483648"));
  EXPECT_EQ(r.ReadInt("max"), 2147483647);
  EXPECT_EQ(r.ReadInt("min"), -2147483647 - 1);
}

TEST(FieldReader, FaultsNameFileLineFieldExpectationAndFinding) {
  struct Case {
    const char* text;
    int reads;  // numbers read before the fault
    const char* message;
  } cases[] = {
      {"1,2\n3,x4\n", 3, "bad.dat:2: field 4: expected a number (n), found 'x4'"},
      {"1\n2147483648\n", 1, "bad.dat:2: field 2: expected a 32-bit number (n), found '2147483648'"},
      {"1,2", 2, "bad.dat:1: field 3: expected a number (n), found the end of the file"},
      {"1,,2", 1, "field 2: expected a number (n), found an empty field"},
      {"\"open,\n1", 0, "bad.dat:1: field 1: expected a number (n), found a quote that is never closed"},
  };
  for (const Case& c : cases) {
    FieldReader r(Write("bad.dat", c.text));
    for (int i = 0; i < c.reads; ++i) r.ReadInt("n");
    try {
      r.ReadInt("n");
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const DataError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(FieldReader, ANumberOutsideItsRangeIsAFaultWithItsPlace) {
  FieldReader r(Write("range.dat", "5,\n\n700,12\n"));
  EXPECT_EQ(r.ReadInt("a", 0, 576), 5);
  try {
    r.ReadInt("player x", 0, 576);
    ADD_FAILURE() << "700 accepted";
  } catch (const DataError& e) {
    EXPECT_NE(std::string(e.what()).find("range.dat:3: field 2: expected player x from 0 to 576, found 700"),
              std::string::npos) << e.what();
  }
}

TEST(FieldReader, MissingFileIsAnError) {
  EXPECT_THROW(FieldReader("/nonexistent/stage/map1.dat"), DataError);
}

}  // namespace
}  // namespace slidestone
