// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/OptionalFeaturesForm.h"

#include <algorithm>

#include "features/SettingsSections.h"

namespace radio {
namespace {

constexpr std::array<FieldInfo, kOptionalListCount> kListInfo{{
    listField("tot", {"TOT (s)", "发射限时 (s)"}, 1125, {"Time-out Timer:", "超时定时器:"}, "Off, 30, 60, ..., 270"),
    listField("squelch", {"Squelch Level", "静噪等级"}, 1123, {"Squelch level:", "静噪电平:"}, "0, 1, 2, ..., 9"),
    listField("vox", {"Vox Gain Level", "声控等级"}, 1120, {"Vox Gain Level:", "声控增益电平:"}, "Off, 1, 2, ..., 9"),
    listField("step", {"Step (k)", "步进 (k)"}, 1124, {"Step (k):", "步进 (k):"}, "5, 6.25, 10, 12.5, 25"),
    listField("pre_alert", {"TOT Pre-Alert (s)", "发射限时预警 (s)"}, 1126, {}, "Off, 1, 2, ..., 9"),
    listField("priority", {"Priority Channel", "优先信道"}, 1119, {"Priority channel:", "优先信道:"},
              "None, 1, 2, ..., 128"),
    listField("short_press", {"Short Press Orange Key", "短按橙键"}, 1131, {}, "Send 1750 Singal, Emergency Call, Off"),
    listField("key_lock", {"Key Lock", "键盘锁定"}, 1118, {"Key lock:", "键盘锁定:"}, "Auto, Manual"),
    listField("beep", {"Beep", "按键音"}, 1127, {"Beep tone:", "哔音:"}, "On, Off"),
    listField("stopwatch", {"Stopwatch", "秒表"}, 1129, {}, "On, Off"),
    listField("scan_mode", {"Scan Mode", "扫描模式"}, 1122, {"Scan mode:", "扫描模式:"}, "TO, CO, SE"),
    listField("tail", {"Tail", "尾音消除"}, 1130, {}, "Off, On"),
    listField("str_set", {"STR Set", "STR设置"}, 1136, {}, "Auto, Manual"),
    listField("power_on_style", {"Power-on Style", "开机显示"}, 1121, {}, "Off, Voltage, Message"),
    listField("back_light", {"Back Light", "背光"}, 1115, {"Back Light:", "背光灯:"}, "Off, Auto, On"),
    listField("back_light_color", {"Back Light Color", "背光颜色"}, 1116, {"Back Light Color:", "背光灯颜色:"},
              "Light 1, Light 2, Light 3"),
    listField("display_mode", {"Display Mode", "显示模式"}, 1117, {"Display mode:", "显示模式:"},
              "CHANNEL, NAME, FREQ.CH, FREQ"),
    listField("battery_saver", {"Battery Saver", "省电模式"}, 1128, {"Battery saver:", "电池省电:"}, "On, Off"),
    listField("allow_reset", {"Allow Reset", "允许复位"}, 1137, {}, "Enable, Disable"),
    listField("msk_type", {"MSK Type", "MSK类型"}, 1132, {"MSK Type:", "MSK 类型:"}, "MSK-I, MSK-II"),
}};

constexpr std::array<FieldInfo, kOptionalCheckCount> kCheckInfo{{
    {"keypad_lock", {"Keypad Lock", "键盘锁"}, 1134, {"Keypad Lock:", "数字功能键锁定:"}, 0, kCheckRule},
    {"repeater_msk_invert", {"Repeater Msk Invert", "中继MSK反相"}, 1135, {}, 0, kCheckRule},
}};

constexpr FieldInfo kPasswordInfo{
    "password", {"Password", "密码"}, 1133, {}, 0, {.note = "up to six digits; empty clears it"}};

constexpr std::array<FormField<OptionalFeaturesForm>, 3> kRows{{
    {.info = kListInfo.data(),
     .columns = kOptionalListCount,
     .show = [](const OptionalFeaturesForm& form, int list,
                Language lang) { return optionalListText(form, OptionalList(list), lang); },
     .type =
         [](OptionalFeaturesForm& form, int list, const std::string& value, Language lang) {
           return chooseInto([list](Language in) { return optionalListItems(OptionalList(list), in); }, value, lang,
                             form[OptionalList(list)]);
         }},
    {.info = kCheckInfo.data(),
     .columns = kOptionalCheckCount,
     .show = [](const OptionalFeaturesForm& form, int check, Language lang) -> std::string {
       return checkText(form[OptionalCheck(check)], lang);
     },
     .type = [](OptionalFeaturesForm& form, int check, const std::string& value,
                Language lang) { return checkInto(value, lang, form[OptionalCheck(check)]); }},
    {.info = &kPasswordInfo,
     .text = &OptionalFeaturesForm::password,
     .type = [](OptionalFeaturesForm& form, int, const std::string& value,
                Language lang) -> std::optional<std::string> {
       if (const auto error = passwordError(value)) return std::string(error->in(lang));
       form.password = value;
       return std::nullopt;
     }},
}};

// A whole-byte field: the stored byte is the list index.
struct ByteField {
  OptionalList list;
  ImageField field;
};
constexpr std::array<ByteField, 6> kByteFields{{
    {OptionalList::Tot, field::kTot},
    {OptionalList::Squelch, field::kSquelchLevel},
    {OptionalList::Vox, field::kVoxLevel},
    {OptionalList::Step, field::kStep},
    {OptionalList::PreAlert, field::kPreAlert},
    {OptionalList::Priority, field::kPriorityChannel},
}};

// A bit field: the stored value maps to a list index through toIndex (one entry
// per possible value, fall-backs included), and a list index maps back to the
// stored value through toValue.
struct BitField {
  OptionalList list;
  ImageField field;
  std::array<int, 4> toIndex;
  std::array<unsigned, 4> toValue;
  int entries;
};
// On/Off style one-bit fields list the set bit first.
constexpr std::array<int, 4> kSetFirst{1, 0, 0, 0};
constexpr std::array<unsigned, 4> kSetFirstValue{1, 0, 0, 0};
constexpr std::array<int, 4> kSame{0, 1, 2, 3};
constexpr std::array<unsigned, 4> kSameValue{0, 1, 2, 3};
// Three entries: a stored 3 shows the first one.
constexpr std::array<int, 4> kThreeOfFour{0, 1, 2, 0};

constexpr std::array<BitField, 14> kBitFields{{
    {OptionalList::ShortPress, field::kShortPress, {2, 0, 1, 1}, {1, 2, 0, 0}, 3},
    {OptionalList::KeyLock, field::kKeyLock, kSame, kSameValue, 2},
    {OptionalList::Beep, field::kBeep, kSetFirst, kSetFirstValue, 2},
    {OptionalList::Stopwatch, field::kStopwatch, kSetFirst, kSetFirstValue, 2},
    {OptionalList::ScanMode, field::kScanMode, kThreeOfFour, kSameValue, 3},
    {OptionalList::Tail, field::kTail, kSame, kSameValue, 2},
    {OptionalList::StrSet, field::kStrSet, kSame, kSameValue, 2},
    {OptionalList::PowerOnStyle, field::kPowerOnStyle, kThreeOfFour, kSameValue, 3},
    {OptionalList::BackLight, field::kBackLight, kThreeOfFour, kSameValue, 3},
    {OptionalList::BackLightColor, field::kBackLightColor, kThreeOfFour, kSameValue, 3},
    {OptionalList::DisplayMode, field::kDisplayMode, kSame, kSameValue, 4},
    {OptionalList::BatterySaver, field::kBatterySaver, kSetFirst, kSetFirstValue, 2},
    {OptionalList::AllowReset, field::kAllowReset, kSetFirst, kSetFirstValue, 2},
    {OptionalList::MskType, field::kMskType, kSetFirst, kSetFirstValue, 2},
}};

std::vector<std::string> texts(std::initializer_list<Text> items, Language lang) {
  std::vector<std::string> out;
  for (const Text& t : items) out.emplace_back(t.in(lang));
  return out;
}

// The first entry, then the numbers first..last times factor.
std::vector<std::string> numbered(Text first, int from, int to, int factor, Language lang) {
  std::vector<std::string> out{first.in(lang)};
  for (int n = from; n <= to; ++n) out.push_back(std::to_string(n * factor));
  return out;
}

constexpr Text kOn{"On", "开"};
constexpr Text kOff{"Off", "关"};
constexpr Text kOffLong{"Off", "关闭"};
constexpr Text kAuto{"Auto", "自动"};
constexpr Text kManual{"Manual", "手动"};

}  // namespace

const FieldInfo& optionalListInfo(OptionalList list) { return kListInfo.at(static_cast<std::size_t>(list)); }
const FieldInfo& optionalCheckInfo(OptionalCheck check) { return kCheckInfo.at(static_cast<std::size_t>(check)); }
const FieldInfo& optionalPasswordInfo() { return kPasswordInfo; }
std::span<const FormField<OptionalFeaturesForm>> optionalFeatureRows() { return kRows; }

std::vector<std::string> optionalListItems(OptionalList list, Language lang) {
  switch (list) {
    case OptionalList::Tot: return numbered(kOffLong, 1, 9, 30, lang);
    case OptionalList::Squelch: return numbered({"0", "0"}, 1, 9, 1, lang);
    case OptionalList::Vox: return numbered(kOff, 1, 9, 1, lang);
    case OptionalList::Step: return {"5", "6.25", "10", "12.5", "25"};
    case OptionalList::PreAlert: return numbered(kOffLong, 1, 9, 1, lang);
    case OptionalList::Priority: return numbered({"None", "无"}, 1, 128, 1, lang);
    case OptionalList::ShortPress:
      return texts({{"Send 1750 Singal", "发射1750信号"}, {"Emergency Call", "发射报警信号"}, kOffLong}, lang);
    case OptionalList::KeyLock: return texts({kAuto, kManual}, lang);
    case OptionalList::Beep:
    case OptionalList::Stopwatch:
    case OptionalList::BatterySaver: return texts({kOn, kOff}, lang);
    case OptionalList::ScanMode: return texts({{"TO", "时间"}, {"CO", "载波"}, {"SE", "搜索"}}, lang);
    case OptionalList::Tail: return texts({kOff, kOn}, lang);
    case OptionalList::StrSet: return texts({kAuto, kManual}, lang);
    case OptionalList::PowerOnStyle: return texts({kOffLong, {"Voltage", "电压值"}, {"Message", "欢迎信息"}}, lang);
    case OptionalList::BackLight: return texts({kOffLong, kAuto, {"On", "打开"}}, lang);
    case OptionalList::BackLightColor:
      return texts({{"Light 1", "颜色1"}, {"Light 2", "颜色2"}, {"Light 3", "颜色3"}}, lang);
    case OptionalList::DisplayMode:
      return texts({{"CHANNEL", "纯信道"}, {"NAME", "信道名称"}, {"FREQ.CH", "频率信道"}, {"FREQ", "频率"}}, lang);
    case OptionalList::AllowReset: return texts({{"Enable", "允许"}, {"Disable", "禁止"}}, lang);
    case OptionalList::MskType: return {"MSK-I", "MSK-II"};
  }
  return {};
}

std::string optionalListText(const OptionalFeaturesForm& form, OptionalList list, Language lang) {
  return entryText(optionalListItems(list, lang), form[list]);
}

std::string passwordFromField(std::span<const Byte> field) {
  std::string digits;
  for (std::size_t i = 0; i < field.size() && i < kPasswordLength; ++i) {
    if (field[i] < '0' || field[i] > '9') break;
    digits.push_back(static_cast<char>(field[i]));
  }
  return digits;
}

OptionalFeaturesForm loadOptionalFeatures(const RadioImage& image) {
  OptionalFeaturesForm form;
  for (const ByteField& f : kByteFields) {
    const auto entries = optionalListItems(f.list, Language::English).size();
    const unsigned value = image.field(f.field);
    form[f.list] = value < entries ? value : 0;
  }
  for (const BitField& f : kBitFields) form[f.list] = f.toIndex.at(image.field(f.field));
  form[OptionalCheck::KeypadLock] = !image.flag(field::kKeypadLockOff);
  form[OptionalCheck::RepeaterMskInvert] = image.flag(field::kRepeaterMskInvert);
  form.password = passwordFromField(image.span(addr::kPassword, kPasswordLength));
  return form;
}

void storeOptionalFeatures(const OptionalFeaturesForm& form, RadioImage& image) {
  for (const ByteField& f : kByteFields) {
    const int entries = static_cast<int>(optionalListItems(f.list, Language::English).size());
    const int index = form[f.list];
    image.setField(f.field, static_cast<unsigned>(index >= 0 && index < entries ? index : 0));
  }
  for (const BitField& f : kBitFields) {
    const int index = form[f.list];
    const auto value = f.toValue.at(static_cast<std::size_t>(index >= 0 && index < f.entries ? index : 0));
    image.setField(f.field, value);
  }
  image.setFlag(field::kKeypadLockOff, !form[OptionalCheck::KeypadLock]);
  image.setFlag(field::kRepeaterMskInvert, form[OptionalCheck::RepeaterMskInvert]);

  storePassword(image, form.password);
}

std::optional<Text> passwordError(std::string_view text) {
  const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (digits && text.size() <= kPasswordLength) return std::nullopt;
  return Text{"the password takes digits only, at most six", "密码只能是数字，最多六位"};
}

void storePassword(RadioImage& image, std::string_view text) {
  image.fill(addr::kPassword, kPasswordLength, 0xFF);
  for (std::size_t i = 0; i < text.size() && i < kPasswordLength && text[i] >= '0' && text[i] <= '9'; ++i)
    image.set(addr::kPassword + i, static_cast<Byte>(text[i]));
}

}  // namespace radio
