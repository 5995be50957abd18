// Reading and writing the test prefix's registry for the checks.
#pragma once

#include <windows.h>

#include <string>

namespace regread {

// The default string value of root\path, "<none>" when absent.
inline std::wstring Default(HKEY root, const std::wstring& path) {
  wchar_t data[1024] = {};
  DWORD bytes = sizeof data - sizeof(wchar_t);
  if (RegGetValueW(root, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, data, &bytes) != ERROR_SUCCESS)
    return L"<none>";
  return data;
}

// How many subkeys root\path has; ~0 when it does not exist.
inline DWORD Subkeys(HKEY root, const std::wstring& path) {
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return ~0u;
  DWORD count = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return count;
}

// Makes exe (a full path) the shell's open command under HKCR\keyPath.
inline bool SetOpenCommand(const std::wstring& keyPath, const std::wstring& exe) {
  const std::wstring command = L"\"" + exe + L"\" \"%1\"";
  return RegSetKeyValueW(HKEY_CLASSES_ROOT, (keyPath + L"\\shell\\open\\command").c_str(), nullptr,
                         REG_SZ, command.c_str(),
                         static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace regread
