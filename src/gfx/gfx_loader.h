// The description loader: reads the XML description ("vellara.def"), takes one group, and
// for each image and font element in it loads the named archive record into the image
// or font list.
//
//   <vellara>
//     <group name="Content">
//       <image name="board" source="vellara.dat" key="board" quality="high" alphalevel="full"/>
//       <font name="small" source="vellara.dat" key="font_small"/>
//     </group>
//   </vellara>
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/gfx_device.h"
#include "gfx/image_record.h"

namespace vellara {

class AssetArchive;
class GfxFonts;
class GfxImages;

class GfxLoader : public GfxSubscriber {
 public:
  std::string XMLDescFile = "vellara.def";
  GfxImages* Images = nullptr;
  GfxFonts* Fonts = nullptr;
  AssetArchive* Archive = nullptr;
  // Called with "archive-file-name\key" after each element that loaded.
  std::function<void(const std::string&)> OnLoad;
  std::function<void(const std::string&)> OnUnload;

  // True when the description file could be read, whatever became of its elements.
  bool LoadGroup(std::string_view groupName);

  bool DeviceNotice(GfxPublisher&, vellara::DeviceNotice) override { return true; }

 private:
  void HandleElement(const std::string& name,
                     const std::vector<std::pair<std::string, std::string>>& attributes);
  RenderBackend* CurrentRenderer();
};

// "quality" and "alphalevel" attribute values, compared after lower-casing.
AssetQuality ParseQuality(std::string_view text);
AlphaLevel ParseAlphaLevel(std::string_view text);

}  // namespace vellara
