// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Language.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace radio {

const char* messageText(MessageId id, Language lang) {
  switch (id) {
    case MessageId::OutOfRange: return Text{"Out of range, please input again.", "超出范围，请重新输入。"}.in(lang);
    case MessageId::DataFormat:
      return Text{"Error Data Format, please input again.", "数据格式错误，请重新输入。"}.in(lang);
    case MessageId::CommunicationError:
      return Text{"Communication Error, Please check all the connections and the radio power",
                  "通讯错误，请检查所有连接和电台电源"}
          .in(lang);
    case MessageId::ClearAll: return Text{"All data will be Cleared!", "所有数据将被清除！"}.in(lang);
    case MessageId::OpenPort:
      return Text{"Could not Open the Port, Please check whether the Port are occupied or the device are ok",
                  "无法打开端口，请检查端口是否被占用或设备是否正常"}
          .in(lang);
    case MessageId::Interrupt:
      return Text{"Program Interrupt, Please reset the radio and try again", "编程中断，请重启电台后再试"}.in(lang);
    case MessageId::StepValue:
      return Text{"Error data Value, please input according the step value(6.25K/5k).",
                  "数据值错误，请按步进值(6.25K/5K)输入。"}
          .in(lang);
    case MessageId::Caution: return Text{"Caution", "警告"}.in(lang);
    case MessageId::OffsetWithoutReceive:
      return Text{"An offset (+ or -) needs the channel's receive frequency: enter the Rx frequency first.",
                  "偏移（+ 或 -）需要信道的接收频率：请先输入接收频率。"}
          .in(lang);
    case MessageId::NameTooLong:
      return Text{"A channel name holds 8 bytes: 7 letters or digits, or 4 Chinese characters. Shorten the name.",
                  "信道名字最多 8 个字节：7 个字母或数字，或 4 个汉字。请缩短名字。"}
          .in(lang);
    case MessageId::NameCharacters:
      return Text{
          "A character of this name has no code in the radio's character set for this language "
          "(Western in English, GBK in Chinese). Use other characters.",
          "名字中有字符在电台当前语言的字符集中没有编码（英文为西文字符集，中文为 GBK），请改用其他字符。"}
          .in(lang);
    case MessageId::None: break;
  }
  return "";
}

std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(pattern[++i] - '1');
      if (n < args.size()) out += *(args.begin() + n);
      continue;
    }
    out.push_back(pattern[i]);
  }
  return out;
}

bool parseLanguage(std::string_view name, Language& out) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "en" || lower == "english") {
    out = Language::English;
    return true;
  }
  if (lower == "zh" || lower == "chinese" || lower == "cn") {
    out = Language::Chinese;
    return true;
  }
  return false;
}

}  // namespace radio
