// A picture file from a hostile hand, written under a .jpg or .bmp name
// (QM_FUZZ_PICTURE) and decoded as the game decodes pictures: refused, or an
// image of a bounded size.
#include "fuzz_support.h"
#include "platform/pictures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = qm::fuzz::WriteFile("picture." QM_FUZZ_PICTURE, data, size);
  if (auto image = qm::platform::LoadPictureFile(path)) {
    qm::fuzz::Check(image->width >= 1 && image->height >= 1 && image->width <= 4096 && image->height <= 4096,
                    "a decoded picture has an allowed size");
    qm::fuzz::Check(image->pixels.size() == static_cast<size_t>(image->width) * image->height,
                    "a decoded picture has all its pixels");
  }
  return 0;
}
