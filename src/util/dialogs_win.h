// The program's dialogs in one include for the windows that ask and tell: the text
// input and the message dialogs, with the modal results they give.
#pragma once

#include "util/dialog_form_win.h"
#include "util/input_dialog_win.h"
#include "util/message_dialog_win.h"
