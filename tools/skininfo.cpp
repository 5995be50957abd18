// skininfo: prints a summary of a stored skin (the zlib stream the program
// embeds) and, on request, writes previews drawn by the skin engine's own
// drawing code.
// Usage: skininfo <stored skin> [--previews <folder>]
//        skininfo --compare <stored skin> <stored skin>
//        skininfo --verify <stored skin>
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameSize.h"
#include "tools/skininfo.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <sstream>


namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Inflate(const std::vector<std::uint8_t>& compressed) {
  bs::TbsCompressedStoredSkin stored;
  stored.CompressedData.WriteBuffer(compressed.data(), compressed.size());
  bs::TMemoryStream inflated;
  stored.InflateTo(inflated);
  return inflated.Bytes();
}

// The container's layout, read the way the loader reads it.
struct Layout {
  std::int32_t version = 0;
  struct Bitmap {
    bool present = false;
    int width = 0, height = 0, bits = 0;
  };
  Bitmap picture, inactive, mask;
  std::vector<Bitmap> extra;
  std::size_t iniBytes = 0, iniLines = 0;
};

Layout ReadLayout(const std::vector<std::uint8_t>& c) {
  Layout l;
  std::size_t at = 0;
  auto need = [&](std::size_t n) {
    if (c.size() - at < n) throw std::runtime_error("the container is cut short");
  };
  auto int32 = [&] {
    need(4);
    const std::int32_t v = static_cast<std::int32_t>(c[at] | (c[at + 1] << 8) | (c[at + 2] << 16) |
                                                      (std::uint32_t(c[at + 3]) << 24));
    at += 4;
    return v;
  };
  auto bitmap = [&] {
    std::size_t consumed = 0;
    const bs::Picture p = bs::ReadBmp(c.data() + at, c.size() - at, &consumed);
    at += consumed;
    return Layout::Bitmap{true, p.width, p.height, p.bitsPerPixel};
  };
  auto flagged = [&] {
    need(1);
    return c[at++] == 0 ? bitmap() : Layout::Bitmap{};
  };
  l.version = int32();
  if (l.version < 0 || l.version > 3) return l;
  l.picture = flagged();
  l.inactive = flagged();
  l.mask = flagged();
  if (l.version == 2) {
    flagged();
    flagged();
  }
  const std::int32_t count = int32();
  for (std::int32_t i = 0; i < count; ++i) l.extra.push_back(bitmap());
  l.iniBytes = c.size() - at;
  for (std::size_t i = at; i < c.size(); ++i)
    if (c[i] == '\n') ++l.iniLines;
  if (l.iniBytes && c.back() != '\n') ++l.iniLines;
  return l;
}

std::string Describe(const Layout::Bitmap& b) {
  if (!b.present) return "none";
  std::ostringstream s;
  s << b.width << " x " << b.height << ", " << b.bits << (b.bits == 1 ? " bit" : " bits");
  return s.str();
}

// A descriptor's section as its writer writes it.
template <typename D>
void PrintSection(const D& d) {
  bs::TbsIniFile ini;
  d.WriteSection(ini);
  for (const std::string& line : ini.ToLines()) std::printf("%s\n", line.c_str());
}

void PrintSummary(const std::vector<std::uint8_t>& compressed,
                  const std::vector<std::uint8_t>& inflated, const bs::TbsSkinData& skin) {
  std::printf("compressed: %zu bytes, zlib header %02X %02X\n", compressed.size(),
              compressed.size() > 0 ? compressed[0] : 0, compressed.size() > 1 ? compressed[1] : 0);
  std::printf("inflated: %zu bytes\n", inflated.size());
  const Layout l = ReadLayout(inflated);
  std::printf("version: %d\n", l.version);
  std::printf("picture: %s\n", Describe(l.picture).c_str());
  std::printf("inactivepicture: %s\n", Describe(l.inactive).c_str());
  std::printf("mask: %s\n", Describe(l.mask).c_str());
  std::printf("extra pictures: %zu\n", l.extra.size());
  for (std::size_t i = 0; i < l.extra.size(); ++i)
    std::printf("  %zu: %s (%s)\n", i, Describe(l.extra[i]).c_str(),
                i < skin.activepictures.size() ? skin.activepictures[i].c_str() : "");
  std::printf("ini: %zu bytes, %zu lines\n", l.iniBytes, l.iniLines);
  std::printf("skin: %s\n", skin.skinname.c_str());

  std::printf("objects: %zu\n", skin.ObjectDescriptors.size());
  for (const auto& d : skin.ObjectDescriptors)
    std::printf("  %s: %s\n", d->IDName.c_str(), bs::ObjectKindOf(*d).c_str());
  std::printf("controls: %zu\n", skin.ControlDescriptors.size());
  for (const auto& d : skin.ControlDescriptors)
    std::printf("  %s: %s\n", d->IDName.c_str(), bs::ControlKindOf(*d).c_str());

  const bs::FrameSkin frame = skininfo::FrameSkinOf(skin);
  const bs::FrameMargins m = bs::SkinnedMargins(frame);
  bs::FrameLimitInputs limits;
  limits.skinned = !skin.Empty();
  limits.pictureWidth = frame.pictureWidth;
  limits.pictureHeight = frame.pictureHeight;
  limits.client = frame.client;
  const bs::Rect& cl = frame.client;
  std::printf("form: clientrect %d,%d,%d,%d, margins %d,%d,%d,%d, minimum %d x %d\n", cl.left,
              cl.top, cl.right, cl.bottom, m.left, m.top, m.right, m.bottom,
              bs::FrameMinWidth(limits), bs::FrameMinHeight(limits));

  for (const char* name : {"caption"})
    if (const auto* d = skin.ObjectDescriptor<bs::TbsDataSkinCaption>(name)) PrintSection(*d);
  for (const char* name : {"panel", "button", "toolbutton", "edit", "stdlabel"}) {
    const int i = skin.FindControlDescriptor(name);
    if (i >= 0) PrintSection(*skin.ControlDescriptors[i]);
  }
}

int Compare(const std::string& a, const std::string& b) {
  const std::vector<std::uint8_t> x = Inflate(ReadFile(a)), y = Inflate(ReadFile(b));
  if (x == y) {
    std::printf("same container (%zu bytes)\n", x.size());
    return 0;
  }
  std::size_t i = 0;
  while (i < x.size() && i < y.size() && x[i] == y[i]) ++i;
  std::printf("the containers differ from byte %zu (%zu and %zu bytes)\n", i, x.size(), y.size());
  return 1;
}

int Verify(const std::string& path) {
  const std::vector<std::uint8_t> compressed = ReadFile(path);
  bs::TbsCompressedStoredSkin stored;
  stored.CompressedData.WriteBuffer(compressed.data(), compressed.size());
  bs::TbsSkinData skin;
  skin.LoadFromStoredSkin(stored);
  const std::vector<std::uint8_t> inflated = Inflate(compressed);
  const std::size_t iniBytes = ReadLayout(inflated).iniBytes;
  const bs::TbsIniFile text(bs::SplitLines(
      std::string(inflated.end() - static_cast<std::ptrdiff_t>(iniBytes), inflated.end())));
  const std::vector<std::string> problems = skininfo::VerifySkin(skin, text);
  for (const std::string& p : problems) std::printf("%s\n", p.c_str());
  std::printf("%zu problems\n", problems.size());
  return problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "--compare") return Compare(args[1], args[2]);
    if (args.size() == 2 && args[0] == "--verify") return Verify(args[1]);
    if (args.size() != 1 && !(args.size() == 3 && args[1] == "--previews")) {
      std::fprintf(stderr,
                   "usage: skininfo <stored skin> [--previews <folder>]\n"
                   "       skininfo --compare <stored skin> <stored skin>\n"
                   "       skininfo --verify <stored skin>\n");
      return 2;
    }
    const std::vector<std::uint8_t> compressed = ReadFile(args[0]);
    bs::TbsCompressedStoredSkin stored;
    stored.CompressedData.WriteBuffer(compressed.data(), compressed.size());
    bs::TMemoryStream inflated;
    stored.InflateTo(inflated);
    bs::TbsSkinData skin;
    skin.LoadFromStoredSkin(stored);
    PrintSummary(compressed, inflated.Bytes(), skin);
    if (args.size() == 3)
      for (const std::string& file : skininfo::WritePreviews(skin, args[2]))
        std::printf("preview: %s\n", file.c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skininfo: %s\n", e.what());
    return 1;
  }
}
