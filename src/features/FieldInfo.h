// One field of a settings form as every surface names it: the key of `get`/`set`,
// the dialog's label in both languages, the help id of the dialog's control and,
// where the printed report shows the field, the page's own label. Each form keeps
// a table of these beside its data; the dialog, the CLI and the report read the
// texts from there.
#pragma once

#include "model/Language.h"

namespace radio {

struct FieldInfo {
  const char* key;     // within the section: "tot" for optional.tot
  Text label;          // the dialog's label
  int helpId;          // help context of the dialog's control
  Text printed;        // the printed page's label; {} when the report does not print it
  int spinHelpId = 0;  // help context of the edit's spin arrows; 0 when it has none
};

}  // namespace radio
