// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/SquelchForm.h"

#include "features/SettingsSections.h"

namespace radio {
namespace {
constexpr Byte kLowestAccepted = 9;
constexpr Byte kHighestAccepted = 119;

bool inList(int shown) { return shown >= kSquelchMinShown && shown <= kSquelchMaxShown; }

constexpr std::array<FormField<SquelchForm>, 1> kRows{{
    {.info = kSquelchFields.data(),
     .columns = kSquelchRows,
     .show =
         [](const SquelchForm& form, int row, Language) {
           const auto& shown = form.shown.at(static_cast<std::size_t>(row));
           return shown ? std::to_string(*shown) : std::string();
         },
     .type =
         [](SquelchForm& form, int row, const std::string& value, Language lang) {
           return numberInto(value, kSquelchMinShown, kSquelchMaxShown, lang,
                             form.shown.at(static_cast<std::size_t>(row)));
         }},
}};
}  // namespace

std::span<const FormField<SquelchForm>> squelchRows() { return kRows; }

std::vector<std::string> squelchListItems() {
  std::vector<std::string> items;
  for (int v = kSquelchMinShown; v <= kSquelchMaxShown; ++v) items.push_back(std::to_string(v));
  return items;
}

SquelchForm loadSquelch(const RadioImage& image) {
  SquelchForm form;
  for (int row = 0; row < kSquelchRows; ++row) {
    Byte b = image.at(addr::kSquelch + static_cast<std::size_t>(row));
    if (b < kLowestAccepted || b > kHighestAccepted) b = kSquelchDefaultBytes[static_cast<std::size_t>(row)];
    const int shown = b - kSquelchOffset;
    if (inList(shown)) form.shown[static_cast<std::size_t>(row)] = shown;
  }
  return form;
}

void storeSquelch(const SquelchForm& form, RadioImage& image) {
  for (int row = 0; row < kSquelchRows; ++row) {
    const auto& shown = form.shown[static_cast<std::size_t>(row)];
    const Byte b = shown && inList(*shown) ? static_cast<Byte>(*shown + kSquelchOffset)
                                           : kSquelchDefaultBytes[static_cast<std::size_t>(row)];
    image.set(addr::kSquelch + static_cast<std::size_t>(row), b);
  }
}

std::array<Byte, kSquelchRows> squelchBytes(const RadioImage& image) {
  std::array<Byte, kSquelchRows> bytes{};
  for (int row = 0; row < kSquelchRows; ++row)
    bytes[static_cast<std::size_t>(row)] = image.at(addr::kSquelch + static_cast<std::size_t>(row));
  return bytes;
}

void setSquelchBytes(RadioImage& image, const std::array<Byte, kSquelchRows>& bytes) {
  for (int row = 0; row < kSquelchRows; ++row)
    image.set(addr::kSquelch + static_cast<std::size_t>(row), bytes[static_cast<std::size_t>(row)]);
}

}  // namespace radio
