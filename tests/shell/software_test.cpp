// The shell unit against the real system under Wine: processes, the shell's
// handlers, the registry verb, the companion-file check and language library.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <map>
#include <string>

#include "shell/languagestrings.h"
#include "shell/software.h"
#include "tests/e2e/harness.h"
#include "tests/shell/regread.h"
#include "win32/strings.h"

namespace vellumo {
namespace {

std::string ThisDir() {
  std::string exe = ExecutablePath();
  return exe.substr(0, exe.rfind('\\') + 1);
}

std::string DistDir() { return Narrow(e2e::DistDir()); }

std::string ReadFileText(const std::string& path) { return e2e::ReadFileBytes(Widen(path)); }

// ---- RunAndWait ------------------------------------------------------------

TEST(RunAndWait, ReturnsTheExitCode) {
  std::string child = "\"" + ThisDir() + "shell_child.exe\"";
  EXPECT_EQ(RunAndWait(child + " 7", true), 7);
  EXPECT_EQ(RunAndWait(child + " 0", false), 0);
  EXPECT_EQ(RunAndWait(child + " -3", false), -3);
}

TEST(RunAndWait, MissingProgramGivesMinusOne) {
  EXPECT_EQ(RunAndWait("no_such_program_vellumo.exe", true), -1);
  EXPECT_EQ(RunAndWait("", true), -1);
}

TEST(RunAndWait, CommandLineOverTheLimitIsRefused) {
  std::string child = "\"" + ThisDir() + "shell_child.exe\" 5 ";
  ASSERT_LT(child.size(), kCommandLineLimit);
  std::string exact = child + std::string(kCommandLineLimit - child.size(), 'x');
  EXPECT_EQ(RunAndWait(exact, false), 5);
  EXPECT_EQ(RunAndWait(exact + "x", false), -1);
  EXPECT_EQ(RunAndWait(child + std::string(600, 'x'), false), -1);
}

// ---- AllFilesPresent ---------------------------------------------------------

TEST(AllFilesPresent, FilesCountFoldersDoNot) {
  e2e::TempDir temp(L"vellumo present");
  const std::string dir = Narrow(temp.Path());
  CreateDirectoryW(Widen(dir + "dll").c_str(), nullptr);
  temp.Write(L"dll\\a.txt", "a");
  temp.Write(L"b.txt", "b");
  EXPECT_TRUE(AllFilesPresent(dir, {"dll\\a.txt", "b.txt"}));
  EXPECT_TRUE(AllFilesPresent(dir, {"DLL\\A.TXT"}));  // the file system ignores case
  EXPECT_TRUE(AllFilesPresent(dir, {}));
  EXPECT_FALSE(AllFilesPresent(dir, {"dll\\a.txt", "missing.txt", "b.txt"}));
  EXPECT_FALSE(AllFilesPresent(dir, {"dll"}));
  CreateDirectoryW(Widen(dir + "bk.gif").c_str(), nullptr);
  EXPECT_FALSE(AllFilesPresent(dir, {"b.txt", "bk.gif"}));
}

TEST(AllFilesPresent, DistributionHasEveryCompanionFile) {
  const std::string dist = DistDir();
  for (const auto& name : CompanionFiles()) EXPECT_TRUE(AllFilesPresent(dist, {name})) << name;
  EXPECT_EQ(ReadFileText(dist + "dll\\U2A.dll"), "\xFF\xFE");
  EXPECT_EQ(ReadFileText(dist + "bk.gif").substr(0, 6), "GIF89a");
  EXPECT_NE(ReadFileText(dist + "howtouse.htm").find("charset=utf-8"), std::string::npos);
}

// ---- The registry verb -------------------------------------------------------

const wchar_t kVerbKey[] = L"txtfile\\shell\\Runeview";
const wchar_t kCommandKey[] = L"txtfile\\shell\\Runeview\\command";

TEST(TextAssociation, AddTwiceLeavesOneCleanVerb) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, kVerbKey);
  ASSERT_TRUE(AddTextAssociation("Runeview", "Vellumo", "txtfile"));
  EXPECT_EQ(regread::Default(HKEY_CLASSES_ROOT, kVerbKey), L"Vellumo");
  const std::wstring command = L"\"" + Widen(ExecutablePath()) + L"\" \"%1\"";
  EXPECT_EQ(regread::Default(HKEY_CLASSES_ROOT, kCommandKey), command);
  EXPECT_EQ(regread::Subkeys(HKEY_CLASSES_ROOT, kVerbKey), 1u);

  // Something another program left below the verb goes with the next add.
  HKEY extra;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"txtfile\\shell\\Runeview\\extra\\deeper", 0,
                            nullptr, 0, KEY_WRITE, nullptr, &extra, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(extra);
  RegSetKeyValueW(HKEY_CLASSES_ROOT, kVerbKey, L"stale", REG_SZ, L"x", 4);
  ASSERT_EQ(regread::Subkeys(HKEY_CLASSES_ROOT, kVerbKey), 2u);

  ASSERT_TRUE(AddTextAssociation("Runeview", "Vellumo", "txtfile"));
  EXPECT_EQ(regread::Subkeys(HKEY_CLASSES_ROOT, kVerbKey), 1u);
  EXPECT_EQ(regread::Default(HKEY_CLASSES_ROOT, kCommandKey), command);
  EXPECT_NE(RegGetValueW(HKEY_CLASSES_ROOT, kVerbKey, L"stale", RRF_RT_ANY, nullptr, nullptr,
                         nullptr),
            ERROR_SUCCESS);
  EXPECT_TRUE(TextAssociationExists("Runeview", "txtfile"));
}

TEST(TextAssociation, RemoveTwice) {
  ASSERT_TRUE(AddTextAssociation("Runeview", "Vellumo", "txtfile"));
  EXPECT_TRUE(RemoveTextAssociation("Runeview", "txtfile"));
  HKEY key;
  EXPECT_NE(RegOpenKeyExW(HKEY_CLASSES_ROOT, kVerbKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  EXPECT_FALSE(TextAssociationExists("Runeview", "txtfile"));
  EXPECT_FALSE(RemoveTextAssociation("Runeview", "txtfile"));
  // The class and its other verbs stay.
  EXPECT_NE(regread::Subkeys(HKEY_CLASSES_ROOT, L"txtfile"), ~0u);
}

TEST(TextAssociation, RefusedKeyRaisesTheError) {
  // The system refuses a lasting key below a volatile one.
  HKEY base;
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VellumoTest");
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VellumoTest", 0, nullptr,
                            REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &base, nullptr),
            ERROR_SUCCESS);
  try {
    AddTextAssociation("Runeview", "Vellumo", "cls", base);
    ADD_FAILURE() << "no error raised";
  } catch (const RegistryError& e) {
    EXPECT_STREQ(e.what(), "Failed to create key cls\\shell\\Runeview");
  }
  EXPECT_FALSE(TextAssociationExists("Runeview", "cls", base));
  RegCloseKey(base);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VellumoTest");
}

// ---- The shell's handlers -----------------------------------------------------

std::string WaitRecorded(std::size_t lines) {
  const std::string path = ThisDir() + "recorded.txt";
  for (int i = 0; i < 300; ++i) {
    std::string text;
    if (!e2e::TryReadFileBytes(Widen(path), &text)) {  // not there yet, or being written
      Sleep(50);
      continue;
    }
    std::size_t n = 0;
    for (char c : text) n += c == '\n';
    if (n >= lines) return text;
    Sleep(50);
  }
  return ReadFileText(path);
}

TEST(OpenWithShell, ReachesTheHandlerOfTheTarget) {
  DeleteFileW(Widen(ThisDir() + "recorded.txt").c_str());
  RegSetKeyValueW(HKEY_CLASSES_ROOT, L".htm", nullptr, REG_SZ, L"htmlfile", 18);
  const std::wstring recorder = Widen(ThisDir()) + L"shell_recorder.exe";
  ASSERT_TRUE(regread::SetOpenCommand(L"htmlfile", recorder));
  ASSERT_TRUE(regread::SetOpenCommand(L"mailto", recorder));

  const std::string page = DistDir() + "howtouse.htm";
  OpenWithShell(page);
  EXPECT_EQ(WaitRecorded(1), page + "\n");
  OpenWithShell("mailto:author@vellumo.example.org");
  std::string both = WaitRecorded(2);
  EXPECT_NE(both.find("mailto:author@vellumo.example.org"), std::string::npos) << both;
  // Nothing to open: no handler runs and nothing is reported.
  OpenWithShell(DistDir() + "no_such_page.htm");
}

// ---- The language library -------------------------------------------------------

TEST(LanguageStrings, ChineseLibraryHasEveryText) {
  std::map<unsigned, std::string> texts;
  ASSERT_TRUE(ReadLanguageStrings(DistDir() + "language\\Chinese_about.dll", AboutStringIds(), &texts));
  ASSERT_EQ(texts.size(), 10u);
  EXPECT_EQ(texts[1], "地址");
  EXPECT_EQ(texts[2], "确定");
  EXPECT_EQ(texts[3], "后退");
  EXPECT_EQ(texts[4], "前进");
  EXPECT_EQ(texts[5], "关于本软件");
  EXPECT_EQ(texts[6].rfind("访问主页http", 0), 0u) << texts[6];
  EXPECT_EQ(texts[7], "欢迎给我来信");
  EXPECT_EQ(texts[8], "欢迎给我留言");
  EXPECT_EQ(texts[10], "导出到IE浏览器");
  EXPECT_EQ(texts[13], "地址：");
}

TEST(LanguageStrings, LongTextIsCutAndMissingIdIsEmpty) {
  std::map<unsigned, std::string> texts;
  ASSERT_TRUE(ReadLanguageStrings(ThisDir() + "long_strings.dll", {1, 9}, &texts));
  std::wstring cut = Widen(texts[1]);
  EXPECT_EQ(cut.size(), 253u);
  EXPECT_EQ(cut, std::wstring(150, L'文') + std::wstring(103, L'a'));
  EXPECT_EQ(texts[9], "");
}

TEST(LanguageStrings, MissingLibraryLeavesTextsAlone) {
  std::map<unsigned, std::string> texts{{2, "keep"}};
  EXPECT_FALSE(ReadLanguageStrings(DistDir() + "language\\none_about.dll", AboutStringIds(), &texts));
  EXPECT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[2], "keep");
}

}  // namespace
}  // namespace vellumo
