// get/set sections of the signalling dialogs: DTMF (encode, decode and the fast
// call list), MSK and 2-Tone. get shows each field as its page shows it on
// opening; set types the value into the page, leaves the field (normalisation,
// clamping) and stores the page as closing it would, so 2-Tone values land in
// both their display and radio forms.
#include "features/SettingsSections.h"

#include <algorithm>
#include <charconv>
#include <functional>

#include "features/DtmfCallListForm.h"
#include "features/DtmfDecodeForm.h"
#include "features/DtmfEncodeForm.h"
#include "features/MskForm.h"
#include "features/TwoToneDecodeForm.h"
#include "features/TwoToneEncodeForm.h"

namespace radio {
namespace {

using Error = std::optional<std::string>;

// The number n at the end of key after prefix, within 1..count ("call3" -> 3).
std::optional<int> indexAfter(std::string_view key, std::string_view prefix, int count) {
  if (key.substr(0, prefix.size()) != prefix) return std::nullopt;
  const std::string_view digits = key.substr(prefix.size());
  int n = 0;
  const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (digits.empty() || digits[0] == '0' || ec != std::errc{} || ptr != digits.data() + digits.size())
    return std::nullopt;
  if (n < 1 || n > count) return std::nullopt;
  return n;
}

// A text typed into an upper-casing edit whose key filter lets only allowed
// characters through.
Error codeText(const std::string& value, std::size_t limit, std::string_view allowed, std::string& out) {
  const std::string upper = upperCased(value);
  if (upper.size() > limit) return "at most " + std::to_string(limit) + " characters";
  if (!onlyCharacters(upper, allowed)) return "only the characters " + std::string(allowed);
  out = upper;
  return std::nullopt;
}

Error digitsText(const std::string& value, std::size_t limit, std::string& out) {
  if (!onlyCharacters(value, "0123456789")) return std::string("digits only");
  if (value.size() > limit) return "at most " + std::to_string(limit) + " digits";
  out = value;
  return std::nullopt;
}

Error numberText(const std::string& value, std::size_t limit, std::string& out) {
  if (!onlyCharacters(value, "0123456789.")) return std::string("a number with digits and a decimal point");
  if (value.size() > limit) return "at most " + std::to_string(limit) + " characters";
  out = value;
  return std::nullopt;
}

Error entryText(const std::vector<std::string>& shown, const std::vector<std::string>& english,
                const std::vector<std::string>& chinese, const std::string& value, std::string& out) {
  for (const auto* items : {&shown, &english, &chinese})
    for (std::size_t i = 0; i < items->size(); ++i)
      if (lowerAscii((*items)[i]) == lowerAscii(value)) {
        out = shown[i];
        return std::nullopt;
      }
  std::string list;
  for (const auto& item : shown) list += (list.empty() ? "" : ", ") + item;
  return "not an entry of the list (" + list + ")";
}

// ---- dtmf ------------------------------------------------------------------------

// A line of a field of the tables beside the forms.
FieldLine line(const FieldInfo& info, std::string value, Language lang) {
  return {info.key, std::move(value), info.label.in(lang)};
}
// Entry n of a numbered field: key "call3", label "Call List 3".
FieldLine numbered(const FieldInfo& info, int n, std::string value, Language lang) {
  return {info.key + std::to_string(n), std::move(value), std::string(info.label.in(lang)) + " " + std::to_string(n)};
}

std::vector<FieldLine> getDtmf(const RadioImage& image, const SectionContext& ctx) {
  const Language l = ctx.lang;
  const DtmfEncodeForm enc = loadDtmfEncode(image);
  const DtmfDecodeForm dec = loadDtmfDecode(image, l);
  const DtmfCallListForm calls = loadDtmfCallList(image);
  const auto& e = kDtmfEncodeFields;
  const auto& d = kDtmfDecodeFields;
  std::vector<FieldLine> lines = {
      line(e[0], enc.speed, l),
      line(e[1], enc.firstDelay, l),
      line(e[2], enc.firstTime, l),
      line(e[3], enc.starHashTime, l),
      line(e[4], checkText(enc.sideTone, l), l),
      line(d[0], dec.idCode, l),
      line(d[1], dec.groupCode, l),
      line(d[2], checkText(dec.stunActivation, l), l),
      line(d[3], dec.stunCode, l),
      line(d[4], dec.stunType, l),
  };
  for (int n = 1; n <= kDtmfCallCount; ++n)
    lines.push_back(numbered(kDtmfCallField, n, calls.entries[static_cast<std::size_t>(n - 1)], l));
  return lines;
}

Error setDtmfEncode(RadioImage& image, const std::string& key, const std::string& value) {
  DtmfEncodeForm form = loadDtmfEncode(image);
  Error error;
  if (key == "speed")
    error = digitsText(value, dtmf::kSpeedMaxLength, form.speed);
  else if (key == "first_delay")
    error = digitsText(value, std::string::npos, form.firstDelay);
  else if (key == "first_time")
    error = digitsText(value, dtmf::kDigitTimeMaxLength, form.firstTime);
  else if (key == "star_hash_time")
    error = digitsText(value, dtmf::kDigitTimeMaxLength, form.starHashTime);
  else {
    const auto on = parseCheck(value);
    if (!on) return std::string("give checked or unchecked (or 1/0)");
    form.sideTone = *on;
  }
  if (error) return error;
  storeDtmfEncode(form, image);
  return std::nullopt;
}

Error setDtmfDecode(RadioImage& image, Language lang, const std::string& key, const std::string& value) {
  DtmfDecodeForm form = loadDtmfDecode(image, lang);
  Error error;
  if (key == "id_code") {
    // The ID Code edit has no key filter: any printable ASCII text, upper-cased.
    const bool printable = std::all_of(value.begin(), value.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
    if (!printable) return std::string("printable ASCII characters only");
    if (value.size() > dtmf::kCodeLength) return std::string("at most 10 characters");
    form.idCode = upperCased(value);
  } else if (key == "group_code") {
    error = entryText(dtmfGroupCodeChoices(lang), dtmfGroupCodeChoices(Language::English),
                      dtmfGroupCodeChoices(Language::Chinese), value, form.groupCode);
  } else if (key == "stun_activation") {
    const auto on = parseCheck(value);
    if (!on) return std::string("give checked or unchecked (or 1/0)");
    form.stunActivation = *on;
  } else if (key == "stun_code") {
    error = codeText(value, dtmf::kCodeLength, kStunCodeCharacters, form.stunCode);
  } else {
    error = entryText(dtmfStunTypeChoices(lang), dtmfStunTypeChoices(Language::English),
                      dtmfStunTypeChoices(Language::Chinese), value, form.stunType);
  }
  if (error) return error;
  storeDtmfDecode(form, image);
  return std::nullopt;
}

Error setDtmf(RadioImage& image, const SectionContext& ctx, const std::string& key, const std::string& value) {
  if (key == "speed" || key == "first_delay" || key == "first_time" || key == "star_hash_time" || key == "sidetone")
    return setDtmfEncode(image, key, value);
  if (key == "id_code" || key == "group_code" || key == "stun_activation" || key == "stun_code" || key == "stun_type")
    return setDtmfDecode(image, ctx.lang, key, value);
  if (const auto n = indexAfter(key, "call", kDtmfCallCount)) {
    DtmfCallListForm form = loadDtmfCallList(image);
    if (auto error = codeText(value, addr::kDtmfCalls.length, kDtmfCallCharacters,
                              form.entries[static_cast<std::size_t>(*n - 1)]))
      return error;
    storeDtmfCallList(form, image);
    return std::nullopt;
  }
  return "unknown key '" + key + "'";
}

std::vector<std::pair<std::string, std::string>> dtmfKeys() {
  std::vector<std::pair<std::string, std::string>> keys = {
      {"speed", "digits per second: 6, 8, 10 or 15 (others are normalised)"},
      {"first_delay", "0..1000 ms in steps of 50"},
      {"first_time", "0, 100, 500 or 1000 ms"},
      {"star_hash_time", "0, 100, 500 or 1000 ms"},
      {"sidetone", "checked, unchecked"},
      {"id_code", "up to 10 characters"},
      {"group_code", "Off, A, B, C, D, *, #"},
      {"stun_activation", "checked, unchecked"},
      {"stun_code", "up to 10 of 0-9 A-D * #"},
      {"stun_type", "Tx inhibit, Transceiver inhibit"},
  };
  for (int n = 1; n <= kDtmfCallCount; ++n) keys.emplace_back("call" + std::to_string(n), "up to 16 of 0-9 A-D * #");
  return keys;
}

// ---- msk -------------------------------------------------------------------------

std::vector<FieldLine> getMsk(const RadioImage& image, const SectionContext& ctx) {
  const MskForm form = loadMsk(image);
  std::vector<FieldLine> lines = {line(kMskIdField, form.idCode, ctx.lang)};
  for (int n = 1; n <= kMskCallCount; ++n)
    lines.push_back(numbered(kMskCallField, n, form.calls[static_cast<std::size_t>(n - 1)], ctx.lang));
  return lines;
}

Error setMsk(RadioImage& image, const SectionContext&, const std::string& key, const std::string& value) {
  MskForm form = loadMsk(image);
  std::string* target = nullptr;
  if (key == "id")
    target = &form.idCode;
  else if (const auto n = indexAfter(key, "call", kMskCallCount))
    target = &form.calls[static_cast<std::size_t>(*n - 1)];
  if (!target) return "unknown key '" + key + "'";
  if (auto error = codeText(value, addr::kMskCodes.length, kMskCharacters, *target)) return error;
  storeMsk(form, image);
  return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> mskKeys() {
  std::vector<std::pair<std::string, std::string>> keys = {{"id", "up to 4 of 0-9 A-F"}};
  for (int n = 1; n <= kMskCallCount; ++n) keys.emplace_back("call" + std::to_string(n), "up to 4 of 0-9 A-F");
  return keys;
}

// ---- twotone ---------------------------------------------------------------------

const FieldInfo& kShortBeepField = kTwoToneTimingFields[5];

std::string encodeKey(int n, int t) {
  return "enc" + std::to_string(n) + kTwoToneToneFields[static_cast<std::size_t>(t)].key;
}
std::string decodePrefix(int k) { return "dec" + std::to_string(k) + "_"; }

std::vector<FieldLine> getTwoTone(const RadioImage& image, const SectionContext& ctx) {
  const Language l = ctx.lang;
  const TwoToneEncodeForm enc = loadTwoToneEncode(image);
  std::vector<FieldLine> lines;
  for (const auto& f : kTwoToneTimingRows) lines.push_back(line(*f.info, enc.*f.member, l));
  lines.push_back(line(kShortBeepField, checkText(enc.shortBeep, l), l));
  for (int n = 1; n <= twotone::kEncodeEntries; ++n)
    for (int t = 0; t < 2; ++t)
      lines.push_back(
          {encodeKey(n, t), enc.tones[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(t)],
           std::string(kTwoToneToneFields[static_cast<std::size_t>(t)].label.in(l)) + " " + std::to_string(n)});
  for (int k = 1; k <= kTwoToneDecodeEntries; ++k) {
    const TwoToneDecodeForm dec = loadTwoToneDecode(image, k);
    for (const auto& f : kTwoToneDecodeRows)
      lines.push_back(
          {decodePrefix(k) + f.info->key, dec.*f.member, "2-Tone" + std::to_string(k) + " " + f.info->label.in(l)});
  }
  return lines;
}

// Types value into a 2-Tone edit and leaves it.
Error twoToneValue(TwoToneField kind, const std::string& value, std::string& out) {
  std::string typed;
  if (auto error = numberText(value, twoToneMaxLength(kind), typed)) return error;
  out = twoToneLeave(kind, typed);
  return std::nullopt;
}

Error setTwoTone(RadioImage& image, const SectionContext&, const std::string& key, const std::string& value) {
  // Encode page: timing, short beep and the tone list; stored as a whole.
  TwoToneEncodeForm enc = loadTwoToneEncode(image);
  for (const auto& f : kTwoToneTimingRows) {
    if (key != f.info->key) continue;
    if (auto error = twoToneValue(f.kind, value, enc.*f.member)) return error;
    storeTwoToneEncode(enc, image);
    return std::nullopt;
  }
  if (key == kShortBeepField.key) {
    const auto on = parseCheck(value);
    if (!on) return std::string("give checked or unchecked (or 1/0)");
    enc.shortBeep = *on;
    storeTwoToneEncode(enc, image);
    return std::nullopt;
  }
  for (int n = 1; n <= twotone::kEncodeEntries; ++n) {
    for (int t = 0; t < 2; ++t) {
      if (key != encodeKey(n, t)) continue;
      std::string typed;
      if (auto error = numberText(value, twoToneMaxLength(TwoToneField::Tone), typed)) return error;
      enc.tones[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(t)] = twoToneCellCommit(typed);
      storeTwoToneEncode(enc, image);
      return std::nullopt;
    }
  }
  // Decode pages: one entry stored as a whole.
  for (int k = 1; k <= kTwoToneDecodeEntries; ++k) {
    for (const auto& f : kTwoToneDecodeRows) {
      if (key != decodePrefix(k) + f.info->key) continue;
      TwoToneDecodeForm dec = loadTwoToneDecode(image, k);
      if (auto error = twoToneValue(f.kind, value, dec.*f.member)) return error;
      storeTwoToneDecode(dec, image, k);
      return std::nullopt;
    }
  }
  return "unknown key '" + key + "'";
}

std::vector<std::pair<std::string, std::string>> twoToneKeys() {
  std::vector<std::pair<std::string, std::string>> keys = {
      {"first_delay", "0.5..10.0 s"},
      {"second_delay", "0.5..10.0 s"},
      {"long_delay", "0.5..10.0 s"},
      {"tone_interval", "0.0..2.0 s"},
      {"tx_rise", "0.10..1.00 s in steps of 0.05"},
      {"short_beep", "checked, unchecked"},
      {"enc1_a, enc1_b ... enc32_a, enc32_b", "Tone1 and Tone2 of entry 1..32: 288.5..3106.0 Hz, empty for none"},
  };
  for (const auto& f : kTwoToneDecodeRows) {
    std::string note = f.kind == TwoToneField::Tone    ? "288.5..3106.0 Hz"
                       : f.kind == TwoToneField::Delay ? "0.5..10.0 s"
                                                       : "0.0..2.0 s";
    keys.emplace_back(std::string("dec1_") + f.info->key + " ... dec8_" + f.info->key, "entry 1..8: " + note);
  }
  return keys;
}

}  // namespace

std::vector<Section> signallingSections() {
  std::vector<Section> list;
  list.push_back(Section{"dtmf", "DTMF: Encode, Decode and CallList pages", getDtmf,
                         [](RadioImage& image, const SectionContext& ctx, const std::string& key,
                            const std::string& value) { return setDtmf(image, ctx, key, value); },
                         dtmfKeys()});
  list.push_back(Section{"msk", "MSK: ID code and call list", getMsk, setMsk, mskKeys()});
  list.push_back(Section{"twotone",
                         "2-Tone: encode timing, 32 encode tone pairs, 8 decode entries (stored in both forms)",
                         getTwoTone, setTwoTone, twoToneKeys()});
  return list;
}

}  // namespace radio
