// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/KeyAssignForm.h"

#include "features/SettingsSections.h"

namespace radio {
namespace {

std::vector<std::string> choiceTexts(Language lang) {
  std::vector<std::string> items;
  for (const Text& t : kSideKeyChoiceTexts) items.emplace_back(t.in(lang));
  return items;
}

constexpr std::array<FormField<KeyAssignForm>, 1> kRows{{
    {.info = &kSideKeyField,
     .show = [](const KeyAssignForm& form, int, Language lang) { return entryText(choiceTexts(lang), form.choice); },
     .type = [](KeyAssignForm& form, int, const std::string& value,
                Language lang) { return chooseInto(choiceTexts, value, lang, form.choice); }},
}};

}  // namespace

std::span<const FormField<KeyAssignForm>> keyAssignRows() { return kRows; }

KeyAssignForm loadKeyAssign(const RadioImage& image) { return {3 - static_cast<int>(image.field(field::kSideKey))}; }

void storeKeyAssign(const KeyAssignForm& form, RadioImage& image) {
  const int choice = form.choice >= 0 && form.choice < kSideKeyChoices ? form.choice : 0;
  image.setField(field::kSideKey, static_cast<unsigned>(3 - choice));
}

}  // namespace radio
