#include <gtest/gtest.h>

#include "texts/text_table.h"

namespace zarv {
namespace {

// Cyrillic letters take two bytes each; the columns must still line up on screen.
TEST(TextTable, AlignsByCharactersNotBytes) {
  const std::string table = FormatTextTable({{"величина", "x"}, {"abc", "12.5"}, {"ä", "1"}});
  EXPECT_EQ(table,
            "величина     x\n"
            "abc       12.5\n"
            "ä            1\n");
}

}  // namespace
}  // namespace zarv
