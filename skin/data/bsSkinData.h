// The stored skin and the loaded skin. TbsCompressedStoredSkin holds one zlib
// stream with a skin container (version, the frame pictures, the extra
// pictures, the INI text); TbsSkinData inflates it and turns it into
// pictures and descriptors that the skinned frame and controls read.
// Portable: notifications leave through TbsSkinDataObserver, which the
// Win32 layer turns into window messages.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/bsDescriptors.h"
#include "skin/data/bszlibcompress.h"
#include "skin/draw/bsGraphics.h"

namespace bs {

// Skin notification messages.
constexpr unsigned kWmUser = 0x0400;
constexpr unsigned SkinChanging = kWmUser + 201;       // 1225: before the old skin is dropped
constexpr unsigned SkinChanged = kWmUser + 202;        // 1226: after the new skin is read
constexpr unsigned SkinChangedAfter = kWmUser + 203;   // 1227: right after SkinChanged
constexpr unsigned ResStringsChanged = kWmUser + 250;  // 1274: resource strings assigned
// The second parameter of every notification.
constexpr int kSkinNotifyParam = 1000;

// The container version written; readers take 0 to 3.
constexpr std::int32_t kContainerVersion = 3;

class TbsCompressedStoredSkin {
 public:
  // The zlib stream holding the container; copied byte for byte to and from
  // wherever the owner keeps it (a resource in the program).
  TMemoryStream CompressedData;
  std::string Description;
  std::string FileName;            // the skin INI the data was built from
  std::string CompressedFileName;  // the compressed skin file it was taken from

  bool IsDataEmpty() const { return CompressedData.Bytes().empty(); }
  // Inflates all of CompressedData into dest. Throws EDecompressionError.
  void InflateTo(TMemoryStream& dest);
  // Builds a container from a skin INI and the BMP files beside it and
  // stores it deflated at level max. A file without all of [VERSION],
  // [PICTURES], [FORMINFO], [SKINOBJECTS] and [SKINCONTROLS] changes nothing;
  // so does a failure (the exception passes). FileName keeps the file part.
  void BuildFromSkinIni(const std::string& path);
  // Takes CompressedData from a compressed skin file: int32 version (at most
  // 3), int32 length, that many bytes of zlib data. A later version leaves
  // CompressedData empty; so does a file shorter than it says, with EReadError.
  void ImportCompressedFile(const std::string& path);
};

// The engine's own menu and dialog texts, lines "name=value".
class TbsResourceStrData {
 public:
  std::vector<std::string> ResStrings;
  // The text after the first "=" of the line for name (ASCII case ignored),
  // or the empty text.
  std::string GetResStr(const std::string& name) const;
};

class TbsSkinData;

// Receives the skin notifications; the Win32 layer sends them on to its forms.
class TbsSkinDataObserver {
 public:
  virtual void SkinDataNotify(TbsSkinData& sender, unsigned message, int param) = 0;

 protected:
  ~TbsSkinDataObserver() = default;
};

class TbsSkinData {
 public:
  TbsSkinData() = default;
  TbsSkinData(const TbsSkinData&) = delete;
  TbsSkinData& operator=(const TbsSkinData&) = delete;

  // Observers are told in the order they were added (the owner form first).
  void AddObserver(TbsSkinDataObserver* observer);
  // Sends message, with this skin data and kSkinNotifyParam, to every observer.
  void NotifyForms(unsigned message);

  // Setting a stored skin loads it at once; null only clears the reference.
  void SetCompressedStoredSkin(TbsCompressedStoredSkin* stored);

  // Does nothing for a stored skin without data. Otherwise marks the skin
  // empty, sends SkinChanging, resets, inflates and reads the container, and
  // sends SkinChanged and SkinChangedAfter. A container of version 4 or more
  // (or below 0) leaves the skin empty without further message. Any error
  // (EDecompressionError, EInvalidGraphic, EConvertError, EReadError) passes
  // to the caller and leaves the skin reset and empty.
  void LoadFromStoredSkin(TbsCompressedStoredSkin& stored);
  // As LoadFromStoredSkin, from an inflated container.
  void LoadFromContainer(TMemoryStream& container);
  // Drops the pictures, descriptors and names and marks the skin empty.
  void ResetSkin();
  bool Empty() const { return empty_; }

  void ReadFormGeometry(const TbsIniFile& ini);
  void ReadObjectDescriptors(const TbsIniFile& ini);
  void ReadControlDescriptors(const TbsIniFile& ini);

  // Position of the first descriptor whose IDName is name (case counts), or -1.
  int FindObjectDescriptor(const std::string& name) const;
  int FindControlDescriptor(const std::string& name) const;
  // The descriptor named name if it is a T, else null.
  template <typename T>
  const T* ControlDescriptor(const std::string& name) const {
    const int i = FindControlDescriptor(name);
    return i < 0 ? nullptr : dynamic_cast<const T*>(ControlDescriptors[i].get());
  }
  template <typename T>
  const T* ObjectDescriptor(const std::string& name) const {
    const int i = FindObjectDescriptor(name);
    return i < 0 ? nullptr : dynamic_cast<const T*>(ObjectDescriptors[i].get());
  }
  // The extra picture at index, or null for -1 and indexes past the end.
  const Picture* ExtraPicture(int index) const;

  // Assigning resource strings sends ResStringsChanged.
  void SetResourceStrData(const TbsResourceStrData* data);
  const TbsResourceStrData* ResourceStrData() const { return resourceStrData_; }

  // The loaded skin (read only for the frame and the controls).
  Picture picture;
  Picture inactivepicture;
  Picture mask;
  std::vector<Picture> ExtraPictures;
  // [VERSION]
  std::string skinname, skinauthor, authoremail, authorurl, skincomments;
  // [PICTURES]: names only; whether mask is empty matters to [FORMINFO].
  std::string picturename, inactivepicturename, maskname;
  std::vector<std::string> activepictures;
  TbsDataSkinFormInfo FormInfo;
  TbsDataSkinPopupWindow PopupWindow;
  TbsDataSkinHintWindow HintWindow;
  std::vector<std::unique_ptr<TbsDataSkinObject>> ObjectDescriptors;
  std::vector<std::unique_ptr<TbsDataSkinControl>> ControlDescriptors;

 private:
  // False for a container version this reader does not know.
  bool ReadContainer(TMemoryStream& container);
  // Marks the skin empty, tells SkinChanging and resets; runs read, and on
  // success tells SkinChanged and SkinChangedAfter. On an error the skin is
  // reset again before the error passes.
  void Load(const std::function<bool()>& read);

  bool empty_ = true;
  TbsCompressedStoredSkin* storedSkin_ = nullptr;
  const TbsResourceStrData* resourceStrData_ = nullptr;
  std::vector<TbsSkinDataObserver*> observers_;
};

}  // namespace bs
