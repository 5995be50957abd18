// A skin container from the fuzzer. The first byte chooses: odd, the rest is
// CompressedData and goes through inflate; even, the rest is an inflated
// container. A load either completes or raises one of the skin's errors and
// leaves the skin empty.
#include <cstdlib>

#include "skin/data/bsSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  std::vector<std::uint8_t> rest(data + 1, data + size);
  bs::TbsSkinData skin;
  try {
    if (data[0] & 1) {
      bs::TbsCompressedStoredSkin stored;
      stored.CompressedData.WriteBuffer(rest.data(), rest.size());
      skin.LoadFromStoredSkin(stored);
    } else {
      bs::TMemoryStream container(std::move(rest));
      skin.LoadFromContainer(container);
    }
  } catch (const bs::EZlibError&) {
  } catch (const bs::EInvalidGraphic&) {
  } catch (const bs::EConvertError&) {
  } catch (const bs::EStreamError&) {
  }
  if (skin.Empty() && !skin.ControlDescriptors.empty()) std::abort();
  return 0;
}
