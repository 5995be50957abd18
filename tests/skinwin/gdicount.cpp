#include "tests/skinwin/gdicount.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>

namespace skintest {

namespace {

// Wine's shared GDI handle table: one 24-byte entry per handle, Type 0
// when free; its address is the PEB's GdiSharedHandleTable.
struct HandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t user;
};
static_assert(sizeof(HandleEntry) == 24, "Wine's handle entry");
constexpr int kHandles = 0x10000;

int CountFromTable() {
  const auto* peb = reinterpret_cast<const char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
  const std::size_t offset = sizeof(void*) == 8 ? 0xF8 : 0x94;
  const auto* table = *reinterpret_cast<const HandleEntry* const*>(peb + offset);
  if (!table) return -1;
  int n = 0;
  for (int i = 0; i < kHandles; ++i) n += table[i].type != 0;
  return n;
}

}  // namespace

int GdiObjectCount() {
  SetLastError(0);
  const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (n > 0) return static_cast<int>(n);
  return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? CountFromTable() : -1;
}

}  // namespace skintest
