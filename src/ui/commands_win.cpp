// The entry commands of the context menu and the Info page.
#include "app/form1_win.h"

namespace kov {

void Form1::LVMouseDown() {}

void Form1::popup(int) {}

void Form1::DeleteEntry() {}

}  // namespace kov
