// The texts an upper-casing, limited cell editor holds and what keys type.
#include <gtest/gtest.h>

#include "KeyStrokes.h"

namespace radio {
namespace {

using namespace test;

TEST(KeyRules, UpperCasesAndCutsAtTheLimit) {
  EXPECT_EQ(cellEditorText("abcd", 16), "ABCD");
  EXPECT_EQ(cellEditorText("1a2f9", 4), "1A2F");
  EXPECT_EQ(upperCased("z\xE9"), "Z\xE9");  // only ASCII letters change
}

TEST(KeyRules, TypedCharacters) {
  const KeyStroke keys[] = {
      digit('7'),  digit('7', false, true),       digit('3', true),         digit('8', true),         digit('5', true),
      letter('C'), named(KeyKind::KeypadDecimal), named(KeyKind::FullStop), named(KeyKind::Backspace)};
  const char typed[] = {'7', '7', '#', '*', 0, 'C', '.', '.', 0};
  for (std::size_t i = 0; i < std::size(keys); ++i) EXPECT_EQ(typedCharacter(keys[i]), typed[i]) << i;
}

}  // namespace
}  // namespace radio
