// Texts the program carries as RCDATA resources (the Info page, the shell catalogue).
#pragma once

#include "util/text.h"

namespace kov {

// The bytes of the RCDATA resource id of the running program; empty when it is missing.
Text LoadTextResource(int id);

}  // namespace kov
