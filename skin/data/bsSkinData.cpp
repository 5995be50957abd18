#include "skin/data/bsSkinData.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace bs {
namespace {

const char* const kSkinIniSections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"};

std::string FolderOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string FilePartOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::int32_t ReadInt32(TStream& s) {
  std::uint8_t b[4];
  s.ReadBuffer(b, 4);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                                   (static_cast<std::uint32_t>(b[2]) << 16) |
                                   (static_cast<std::uint32_t>(b[3]) << 24));
}

void WriteInt32(TStream& s, std::int32_t v) {
  const std::uint32_t u = static_cast<std::uint32_t>(v);
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                             static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
  s.WriteBuffer(b, 4);
}

// One BMP file from the container's current position.
Picture ReadBmpFrom(TMemoryStream& s) {
  const std::size_t at = static_cast<std::size_t>(s.Position());
  const std::size_t size = s.Bytes().size();
  std::size_t used = 0;
  Picture p = ReadBmp(s.Memory() + std::min(at, size), at < size ? size - at : 0, &used);
  s.Seek(static_cast<std::int64_t>(used), TSeekOrigin::soCurrent);
  return p;
}

void ReadFlaggedBmp(TMemoryStream& s, Picture& into) {
  std::uint8_t flag = 1;
  s.ReadBuffer(&flag, 1);
  into = flag ? Picture() : ReadBmpFrom(s);
}

// The bytes of a BMP file, checked and cut to the size its header states.
std::vector<std::uint8_t> BmpFileBytes(const std::string& path) {
  TMemoryStream file;
  file.LoadFromFile(path);
  std::size_t used = 0;
  ReadBmp(file.Memory(), file.Bytes().size(), &used);
  return std::vector<std::uint8_t>(file.Bytes().begin(), file.Bytes().begin() + static_cast<std::ptrdiff_t>(used));
}

bool IsListIndex(const std::string& key) {
  if (key.empty() || key.size() > 10) return false;
  if (key.size() > 1 && key[0] == '0') return false;
  return std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The entries "0" to count-1 of a descriptor list that are present, in index
// order; absent ones would create nothing, so a large count costs nothing.
std::vector<std::string> ListEntries(const TbsIniFile& ini, const char* section) {
  const std::int64_t count = ini.ReadInteger(section, "count", 0);
  std::map<std::int64_t, std::string> entries;
  if (count < 1) return {};
  for (const std::string& key : ini.Keys(section)) {
    if (!IsListIndex(key)) continue;
    const std::int64_t i = std::stoll(key);
    if (i < count && !entries.count(i)) entries.emplace(i, ini.ReadString(section, key, ""));
  }
  std::vector<std::string> out;
  for (auto& e : entries) out.push_back(std::move(e.second));
  return out;
}

// "name:kind", split at the first colon; no colon gives neither.
void SplitEntry(const std::string& entry, std::string& name, std::string& kind) {
  const std::size_t colon = entry.find(':');
  if (colon == std::string::npos) {
    name.clear(), kind.clear();
    return;
  }
  name = entry.substr(0, colon);
  kind = entry.substr(colon + 1);
}

}  // namespace

// ---- TbsCompressedStoredSkin ----

void TbsCompressedStoredSkin::InflateTo(TMemoryStream& dest) { InflateStream(dest, CompressedData); }

void TbsCompressedStoredSkin::BuildFromSkinIni(const std::string& path) {
  FileName = FilePartOf(path);
  TMemoryStream file;
  file.LoadFromFile(path);
  const std::vector<std::string> lines =
      SplitLines(std::string(file.Bytes().begin(), file.Bytes().end()));
  const TbsIniFile ini(lines);
  for (const char* section : kSkinIniSections)
    if (!ini.SectionExists(section)) return;

  const std::string folder = FolderOf(path);
  TMemoryStream container;
  WriteInt32(container, kContainerVersion);
  for (const char* key : {"picture", "inactivepicture", "mask"}) {
    const std::string name = ini.ReadString("PICTURES", key, "");
    const std::uint8_t empty = name.empty() ? 1 : 0;
    container.WriteBuffer(&empty, 1);
    if (!empty) {
      const auto bmp = BmpFileBytes(folder + name);
      container.WriteBuffer(bmp.data(), bmp.size());
    }
  }
  const std::vector<std::string> extra = ReadList(ini, "PICTURES", "activepictures");
  WriteInt32(container, static_cast<std::int32_t>(extra.size()));
  for (const std::string& name : extra) {
    const auto bmp = BmpFileBytes(folder + name);
    container.WriteBuffer(bmp.data(), bmp.size());
  }
  for (const std::string& line : lines) {
    container.WriteBuffer(line.data(), line.size());
    container.WriteBuffer("\r\n", 2);
  }
  // Built aside, so that a failure leaves the old data in place.
  TMemoryStream compressed;
  DeflateStream(container, compressed);
  CompressedData.Clear();
  CompressedData.WriteBuffer(compressed.Memory(), compressed.Bytes().size());
}

void TbsCompressedStoredSkin::ImportCompressedFile(const std::string& path) {
  CompressedFileName = path;
  CompressedData.Clear();
  TFileStream file(path, TFileStream::fmOpenRead);
  if (ReadInt32(file) > kContainerVersion) return;
  const std::int32_t length = ReadInt32(file);
  if (length <= 0) return;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min<std::int64_t>(length, file.Size())));
  file.ReadBuffer(bytes.data(), bytes.size());
  if (bytes.size() != static_cast<std::size_t>(length)) throw EReadError();
  CompressedData.WriteBuffer(bytes.data(), bytes.size());
}

// ---- TbsResourceStrData ----

std::string TbsResourceStrData::GetResStr(const std::string& name) const {
  for (const std::string& line : ResStrings) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos || eq != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < eq && same; ++i) {
      char a = line[i], b = name[i];
      if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
      if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
      same = a == b;
    }
    if (same) return line.substr(eq + 1);
  }
  return "";
}

// ---- TbsSkinData ----

void TbsSkinData::AddObserver(TbsSkinDataObserver* observer) {
  if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void TbsSkinData::NotifyForms(unsigned message) {
  const auto observers = observers_;  // an observer may leave while told
  for (TbsSkinDataObserver* o : observers) o->SkinDataNotify(*this, message, kSkinNotifyParam);
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* stored) {
  storedSkin_ = stored;
  if (stored) LoadFromStoredSkin(*stored);
}

void TbsSkinData::SetResourceStrData(const TbsResourceStrData* data) {
  resourceStrData_ = data;
  NotifyForms(ResStringsChanged);
}

void TbsSkinData::ResetSkin() {
  ObjectDescriptors.clear();
  ControlDescriptors.clear();
  ExtraPictures.clear();
  activepictures.clear();
  PopupWindow.windowpictureindex = PopupWindow.maskpictureindex = -1;
  HintWindow.windowpictureindex = HintWindow.maskpictureindex = -1;
  picture = Picture();
  inactivepicture = Picture();
  mask = Picture();
  picturename.clear();
  inactivepicturename.clear();
  maskname.clear();
  empty_ = true;
}

void TbsSkinData::Load(const std::function<bool()>& read) {
  empty_ = true;
  NotifyForms(SkinChanging);
  ResetSkin();
  try {
    if (!read()) return;
  } catch (...) {
    ResetSkin();
    throw;
  }
  empty_ = false;
  NotifyForms(SkinChanged);
  NotifyForms(SkinChangedAfter);
}

void TbsSkinData::LoadFromStoredSkin(TbsCompressedStoredSkin& stored) {
  if (stored.IsDataEmpty()) return;
  Load([&] {
    TMemoryStream container;
    stored.InflateTo(container);
    return ReadContainer(container);
  });
}

void TbsSkinData::LoadFromContainer(TMemoryStream& container) {
  Load([&] { return ReadContainer(container); });
}

bool TbsSkinData::ReadContainer(TMemoryStream& container) {
  container.SetPosition(0);
  const std::int32_t version = ReadInt32(container);
  if (version < 0 || version > kContainerVersion) return false;
  ReadFlaggedBmp(container, picture);
  ReadFlaggedBmp(container, inactivepicture);
  ReadFlaggedBmp(container, mask);
  if (version == 2) {
    Picture scratch;
    ReadFlaggedBmp(container, scratch);
    ReadFlaggedBmp(container, scratch);
  }
  const std::int32_t count = ReadInt32(container);
  for (std::int32_t i = 0; i < count; ++i) ExtraPictures.push_back(ReadBmpFrom(container));

  const std::size_t at = static_cast<std::size_t>(container.Position());
  const auto& bytes = container.Bytes();
  const std::string text(bytes.begin() + static_cast<std::ptrdiff_t>(std::min(at, bytes.size())), bytes.end());
  const TbsIniFile ini(SplitLines(text));

  skinname = ini.ReadString("VERSION", "skinname", "");
  skinauthor = ini.ReadString("VERSION", "skinauthor", "");
  authoremail = ini.ReadString("VERSION", "authoremail", "");
  authorurl = ini.ReadString("VERSION", "authorurl", "");
  skincomments = ini.ReadString("VERSION", "skincomments", "");
  picturename = ini.ReadString("PICTURES", "picture", "");
  inactivepicturename = ini.ReadString("PICTURES", "inactivepicture", "");
  maskname = ini.ReadString("PICTURES", "mask", "");
  activepictures = ReadList(ini, "PICTURES", "activepictures");

  ReadFormGeometry(ini);
  PopupWindow = TbsDataSkinPopupWindow();
  PopupWindow.ReadSection(ini);
  HintWindow = TbsDataSkinHintWindow();
  HintWindow.ReadSection(ini);
  ReadObjectDescriptors(ini);
  ReadControlDescriptors(ini);
  return true;
}

void TbsSkinData::ReadFormGeometry(const TbsIniFile& ini) {
  TbsDataSkinFormInfo& f = FormInfo;
  f = TbsDataSkinFormInfo();
  f.ReadSection(ini);
  const Rect& cr = f.clientrect;
  if (!maskname.empty()) {
    if (f.maskrectarea.IsEmpty()) {
      f.maskrectarea = cr;
    } else {
      f.maskrectarea.left = std::min(f.maskrectarea.left, cr.left);
      f.maskrectarea.top = std::min(f.maskrectarea.top, cr.top);
      f.maskrectarea.right = std::max(f.maskrectarea.right, cr.right);
      f.maskrectarea.bottom = std::max(f.maskrectarea.bottom, cr.bottom);
    }
    auto fill = [](Point& hit, const Point& corner) {
      if (hit.x == 0 || hit.y == 0) hit = corner;
    };
    fill(f.hittestlefttoppoint, f.lefttoppoint);
    fill(f.hittestrighttoppoint, f.righttoppoint);
    fill(f.hittestleftbottompoint, f.leftbottompoint);
    fill(f.hittestrightbottompoint, f.rightbottompoint);
  }
  if (f.rightbottompoint.x == f.lefttoppoint.x || f.rightbottompoint.y == f.lefttoppoint.y) return;
  f.lefttoppoint.x = std::max(f.lefttoppoint.x, cr.left);
  f.lefttoppoint.y = std::max(f.lefttoppoint.y, cr.top);
  f.righttoppoint.x = std::min(f.righttoppoint.x, cr.right);
  f.righttoppoint.y = std::max(f.righttoppoint.y, cr.top);
  f.leftbottompoint.x = std::max(f.leftbottompoint.x, cr.left);
  f.leftbottompoint.y = std::min(f.leftbottompoint.y, cr.bottom);
  f.rightbottompoint.x = std::min(f.rightbottompoint.x, cr.right);
  f.rightbottompoint.y = std::min(f.rightbottompoint.y, cr.bottom);
}

namespace {

// The descriptors a list section names ("name=kind" entries), each made by
// make for its kind (none for an unknown one) and read from its own section.
template <class D, class Make>
void ReadDescriptors(const TbsIniFile& ini, const char* list, Make make,
                     std::vector<std::unique_ptr<D>>& out) {
  std::string name, kind;
  for (const std::string& entry : ListEntries(ini, list)) {
    SplitEntry(entry, name, kind);
    auto d = make(kind, name);
    if (!d) continue;
    out.push_back(std::move(d));
    out.back()->ReadSection(ini);
  }
}

}  // namespace

void TbsSkinData::ReadObjectDescriptors(const TbsIniFile& ini) {
  ReadDescriptors(ini, "SKINOBJECTS", CreateObjectDescriptor, ObjectDescriptors);
}

void TbsSkinData::ReadControlDescriptors(const TbsIniFile& ini) {
  ReadDescriptors(ini, "SKINCONTROLS", CreateControlDescriptor, ControlDescriptors);
}

int TbsSkinData::FindObjectDescriptor(const std::string& name) const {
  for (std::size_t i = 0; i < ObjectDescriptors.size(); ++i)
    if (ObjectDescriptors[i]->IDName == name) return static_cast<int>(i);
  return -1;
}

int TbsSkinData::FindControlDescriptor(const std::string& name) const {
  for (std::size_t i = 0; i < ControlDescriptors.size(); ++i)
    if (ControlDescriptors[i]->IDName == name) return static_cast<int>(i);
  return -1;
}

const Picture* TbsSkinData::ExtraPicture(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= ExtraPictures.size()) return nullptr;
  return &ExtraPictures[static_cast<std::size_t>(index)];
}

}  // namespace bs
