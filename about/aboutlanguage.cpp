#include "about/aboutlanguage.h"

#include "about/aboutaddresses.h"

namespace vellumo {

namespace {

using K = AboutTextKind;
constexpr wchar_t kHomeHint[] = L"访问主页" VELLUMO_HOME_PAGE;

}  // namespace

const std::vector<AboutTextTarget>& AboutTextTargets() {
  static const std::vector<AboutTextTarget> targets = {
      {1, K::Label, bs::kSbBackword, L""},
      {2, K::OkCaption, bs::kSbBackword, kDesignOkCaption},
      {3, K::Hint, bs::kSbBackword, L"后退"},
      {4, K::Hint, bs::kSbForward, L"前进"},
      {5, K::Hint, bs::kSbAbout, L"关于本软件"},
      {6, K::Hint, bs::kSbHome, kHomeHint},
      {7, K::Hint, bs::kSbEmail, L"欢迎给我来信"},
      {8, K::Hint, bs::kSbBbs, L"欢迎给我留言"},
      {10, K::Hint, bs::kSbExport, L"导出到IE浏览器"},
      {13, K::AddressLabel, bs::kSbBackword, L""},
  };
  return targets;
}

std::vector<unsigned> AboutTextIds() {
  std::vector<unsigned> ids;
  for (const AboutTextTarget& t : AboutTextTargets()) ids.push_back(t.id);
  return ids;
}

std::wstring DesignHint(bs::AboutButton button) {
  for (const AboutTextTarget& t : AboutTextTargets())
    if (t.kind == K::Hint && t.button == button) return t.designText;
  return {};
}

std::wstring LanguageLibraryPath(const std::wstring& programDir, const std::wstring& language) {
  return programDir + L"Language/" + language + L"_about.dll";
}

}  // namespace vellumo
