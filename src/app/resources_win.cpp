#include "app/resources_win.h"

#include <windows.h>

namespace kov {

Text LoadTextResource(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return Text(static_cast<const char*>(bytes), SizeofResource(module, resource));
}

}  // namespace kov
