// A skin INI text from the fuzzer, read by the INI reader and every section
// reader the way a load reads it. Only conversion errors may leave; the INI
// written back from what was read reads the same.
#include <cstdlib>

#include "skin/data/bsSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const bs::TbsIniFile ini(bs::SplitLines(text));
  if (bs::TbsIniFile(ini.ToLines()).ToLines() != ini.ToLines()) std::abort();

  // Behind an empty container header: no pictures, no extra pictures.
  std::vector<std::uint8_t> container = {3, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0};
  container.insert(container.end(), data, data + size);
  bs::TMemoryStream stream(std::move(container));
  bs::TbsSkinData skin;
  try {
    skin.LoadFromContainer(stream);
  } catch (const bs::EConvertError&) {
    if (!skin.Empty()) std::abort();
    return 0;
  }
  // Whatever was read writes out and reads back.
  bs::TbsIniFile out;
  for (const auto& d : skin.ObjectDescriptors) d->WriteSection(out);
  for (const auto& d : skin.ControlDescriptors) d->WriteSection(out);
  skin.FormInfo.WriteSection(out);
  const bs::TbsIniFile back(out.ToLines());
  for (const auto& d : skin.ControlDescriptors) {
    auto again = bs::CreateControlDescriptor(bs::ControlKindOf(*d), d->IDName);
    again->ReadSection(back);
  }
  return 0;
}
