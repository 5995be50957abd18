#include "shell/software.h"

#include <shellapi.h>

#include <vector>

#include "win32/handles.h"
#include "win32/strings.h"

namespace vellumo {

namespace {

// An open registry key, filled in through out() by the Reg* calls.
class RegKey {
 public:
  RegKey() = default;
  ~RegKey() {
    if (key_) RegCloseKey(key_);
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

bool KeyExists(HKEY root, const std::wstring& path) {
  RegKey key;
  return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.out()) == ERROR_SUCCESS;
}

// Creates path if missing; throws when the system refuses.
void CreateKey(HKEY root, const std::wstring& path) {
  RegKey key;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ, nullptr,
                      key.out(), nullptr) != ERROR_SUCCESS)
    throw RegistryError("Failed to create key " + Narrow(path));
}

// Opens path for writing, creating it when missing.
bool OpenForWriting(HKEY root, const std::wstring& path, RegKey& key) {
  return RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                         KEY_SET_VALUE | KEY_CREATE_SUB_KEY, nullptr, key.out(),
                         nullptr) == ERROR_SUCCESS;
}

void SetDefaultValue(HKEY key, const std::wstring& data) {
  DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  if (RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), bytes) !=
      ERROR_SUCCESS)
    throw RegistryError("Failed to set data for ''");
}

}  // namespace

std::int32_t RunAndWait(const std::string& commandLine, bool visible) {
  // CreateProcessW may write into the command line, so it gets a copy.
  std::wstring wide = Widen(commandLine);
  if (wide.size() > kCommandLineLimit) return -1;
  wchar_t buffer[kCommandLineLimit + 1] = {};
  wide.copy(buffer, wide.size());

  STARTUPINFOW si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = visible ? SW_SHOWNORMAL : SW_HIDE;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(nullptr, buffer, nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si, &pi))
    return -1;
  UniqueHandle process(pi.hProcess);
  UniqueHandle thread(pi.hThread);
  WaitForSingleObject(process.get(), INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.get(), &code);
  return static_cast<std::int32_t>(code);
}

void OpenWithShell(const std::string& target) {
  ShellExecuteW(nullptr, nullptr, Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool AllFilesPresent(const std::string& folder, const std::vector<std::string>& names) {
  bool all = true;
  for (const auto& name : names)
    if (!FileExists(folder + name)) all = false;
  return all;
}

std::string ExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) return Narrow(std::wstring(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

bool AddTextAssociation(const std::string& verb, const std::string& displayText,
                        const std::string& fileClass, HKEY root) {
  const std::wstring command = Widen(AssociationCommand(ExecutablePath()));
  const std::wstring key = Widen(VerbKeyPath(fileClass, verb));
  // A verb left by an earlier run or another program goes with all its
  // subkeys; what cannot be deleted is overwritten below.
  if (KeyExists(root, key)) RegDeleteTreeW(root, key.c_str());
  CreateKey(root, key);
  RegKey verbKey;
  if (OpenForWriting(root, key, verbKey)) SetDefaultValue(verbKey.get(), Widen(displayText));
  const std::wstring commandPath = key + L"\\command";
  CreateKey(root, commandPath);
  RegKey commandKey;
  if (!OpenForWriting(root, commandPath, commandKey)) return false;
  SetDefaultValue(commandKey.get(), command);
  return true;
}

bool TextAssociationExists(const std::string& verb, const std::string& fileClass, HKEY root) {
  return KeyExists(root, Widen(VerbKeyPath(fileClass, verb)));
}

bool RemoveTextAssociation(const std::string& verb, const std::string& fileClass, HKEY root) {
  const std::wstring key = Widen(VerbKeyPath(fileClass, verb));
  if (!KeyExists(root, key)) return false;
  RegDeleteTreeW(root, key.c_str());
  return !KeyExists(root, key);
}

}  // namespace vellumo
