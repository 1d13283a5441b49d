// SPDX-License-Identifier: GPL-3.0-or-later
// A form's fields as get, set and the printed report reach them: each row is a
// field of the form's table (FieldInfo) and where the form keeps its value. The
// rows of a form stand beside its table.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "features/FieldInfo.h"

namespace radio {

struct SectionContext;

template <class Form>
struct FormField {
  const FieldInfo* info;
  std::string Form::*text = nullptr;  // an edit's or a list's text
  bool Form::*check = nullptr;        // a check box
  // Numbered fields (their keys have '#'): the text of field n = 1..count. A row
  // of several fields has its columns' FieldInfos one after the other from info;
  // numbered ones list row by row: call1 ... call9, or enc1_a, enc1_b, enc2_a ...
  std::string& (*entry)(Form&, int n, int column) = nullptr;
  int count = 0;
  int columns = 1;
  // A value the form keeps otherwise (a list's index, a number, a text with a
  // check of its own): the text get shows, and set's typing of value into the
  // form, or the message that refuses it. Either one replaces text and check.
  std::string (*show)(const Form&, int column, Language) = nullptr;
  std::optional<std::string> (*type)(Form&, int column, const std::string& value, Language) = nullptr;
};

// One page of a settings window as get and set see it: its fields, how it loads
// from the image and how it stores. Several like pages (the 2-Tone decode entries)
// are one FormPage with entries > 0: page k (1..entries) has the keys and labels
// of its fields behind entryKey and entryLabel, with k in place of their '#'.
template <class Form>
struct FormPage {
  std::span<const FormField<Form>> fields;
  Form (*load)(const RadioImage& image, const SectionContext& ctx, int entry);
  // Stores the form (normalising its texts as the page's store does).
  void (*store)(Form& form, RadioImage& image, int entry);
  int entries = 0;
  const char* entryKey = "";
  Text entryLabel = {};
};

}  // namespace radio
