// Renaming icons in place and moving them within their folder.
#include "app/form1_win.h"

namespace kov {

void Form1::LVEditing() {}

bool Form1::LVEdited(int, Text&) { return false; }

void Form1::LVChange(int) {}

LRESULT Form1::OnEndLabelEdit(NMLVDISPINFOA&) { return FALSE; }

void Form1::moveleftClick(int) {}

}  // namespace kov
