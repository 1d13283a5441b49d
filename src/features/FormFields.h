// SPDX-License-Identifier: GPL-3.0-or-later
// A form's fields as get, set and the printed report reach them: each row is a
// field of the form's table (FieldInfo) and where the form keeps its value. The
// rows of a form stand beside its table.
#pragma once

#include <span>
#include <string>

#include "features/FieldInfo.h"

namespace radio {

template <class Form>
struct FormField {
  const FieldInfo* info;
  std::string Form::*text = nullptr;  // an edit's or a list's text
  bool Form::*check = nullptr;        // a check box
  // Numbered fields (their keys have '#'): the text of field n = 1..count. A grid
  // of them has its columns' FieldInfos one after the other from info, and lists
  // row by row: call1 ... call9, or enc1_a, enc1_b, enc2_a ...
  std::string& (*entry)(Form&, int n, int column) = nullptr;
  int count = 0;
  int columns = 1;
};

// One page of a settings window as get and set see it: its fields, how it loads
// from the image and how it stores. Several like pages (the 2-Tone decode entries)
// are one FormPage with entries > 0: page k (1..entries) has the keys and labels
// of its fields behind entryKey and entryLabel, with k in place of their '#'.
template <class Form>
struct FormPage {
  std::span<const FormField<Form>> fields;
  Form (*load)(const RadioImage& image, Language lang, int entry);
  // Stores the form (normalising its texts as the page's store does).
  void (*store)(Form& form, RadioImage& image, int entry);
  int entries = 0;
  const char* entryKey = "";
  Text entryLabel = {};
};

}  // namespace radio
