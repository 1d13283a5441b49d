// The texts an upper-casing, limited cell editor holds and what keys type.
#include <gtest/gtest.h>

#include "features/KeyRules.h"

namespace radio {
namespace {

TEST(KeyRules, UpperCasesAndCutsAtTheLimit) {
  EXPECT_EQ(cellEditorText("abcd", 16), "ABCD");
  EXPECT_EQ(cellEditorText("1a2f9", 4), "1A2F");
  EXPECT_EQ(cellEditorText("*#", 4), "*#");
  EXPECT_EQ(upperCased("z\xE9"), "Z\xE9");  // only ASCII letters change
}

TEST(KeyRules, TypedCharacters) {
  EXPECT_EQ(typedCharacter({KeyKind::Digit, '7'}), '7');
  EXPECT_EQ(typedCharacter({KeyKind::Digit, '7', true}), '7');
  EXPECT_EQ(typedCharacter({KeyKind::Digit, '3', false, true}), '#');
  EXPECT_EQ(typedCharacter({KeyKind::Digit, '8', false, true}), '*');
  EXPECT_EQ(typedCharacter({KeyKind::Digit, '5', false, true}), 0);
  EXPECT_EQ(typedCharacter({KeyKind::Letter, 'C'}), 'C');
  EXPECT_EQ(typedCharacter({KeyKind::KeypadDecimal}), '.');
  EXPECT_EQ(typedCharacter({KeyKind::Backspace}), 0);
}

TEST(KeyRules, OnlyCharacters) {
  EXPECT_TRUE(onlyCharacters("", "01"));
  EXPECT_TRUE(onlyCharacters("1010", "01"));
  EXPECT_FALSE(onlyCharacters("102", "01"));
}

}  // namespace
}  // namespace radio
