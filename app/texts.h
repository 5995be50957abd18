// The captions and messages of the viewer's commands beyond the menus of
// old: the preview in every code page, what a page loses, find, dropped
// files, the file dialogs' refusal. In one place, in the program's Chinese.
#pragma once

namespace vellumo::texts {

inline constexpr wchar_t kPreviewItem[] = L"按内码预览";
inline constexpr wchar_t kNextUnshownItem[] = L"下一个无法显示的字符\tF4";
inline constexpr wchar_t kPreviewCaption[] = L"按内码预览";
inline constexpr wchar_t kPreviewUtf8[] = L"UTF-8";
// "%s：%llu 处不成字，%llu 个 **" for a candidate's counts.
inline constexpr wchar_t kPreviewInvalid[] = L"处不成字";
inline constexpr wchar_t kPreviewUnshown[] = L"个 **";
inline constexpr wchar_t kOk[] = L"确定";
inline constexpr wchar_t kCancel[] = L"取消";
inline constexpr wchar_t kUnshownCount[] = L" 个字符无法显示";  // after the number
inline constexpr wchar_t kNoMoreUnshown[] = L"后面没有无法显示的字符";
inline constexpr wchar_t kNotFoundBefore[] = L"找不到“";
inline constexpr wchar_t kNotFoundAfter[] = L"”";
inline constexpr wchar_t kDroppedRestBefore[] = L"另外 ";
inline constexpr wchar_t kDroppedRestAfter[] = L" 个文件未打开";
inline constexpr wchar_t kNameTooLong[] = L"文件名太长，请选一个短一些的名字。";

}  // namespace vellumo::texts
