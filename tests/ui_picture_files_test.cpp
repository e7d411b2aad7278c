// Picture files from a hostile hand: headers asking for huge pictures, pictures
// cut short, and names taken by FIFOs are refused (the art kit draws instead)
// before anything large is allocated, and nothing blocks.
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/pictures.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

class PictureFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qm_pics_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& name, const Bytes& bytes) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return p.string();
  }
  fs::path dir_;
};

void Put(Bytes& b, size_t at, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A 32-bit BMP with a Windows header of `w` x `h` (negative: top down) and
// `pixels` bytes of data, optionally run-length coded.
Bytes Bmp(int32_t w, int32_t h, size_t pixels, uint32_t compression = 0, uint16_t bits = 32) {
  Bytes b(54 + pixels, 0);
  b[0] = 'B', b[1] = 'M';
  Put(b, 2, static_cast<uint32_t>(b.size()), 4);
  Put(b, 10, 54, 4);
  Put(b, 14, 40, 4);
  Put(b, 18, static_cast<uint32_t>(w), 4);
  Put(b, 22, static_cast<uint32_t>(h), 4);
  Put(b, 26, 1, 2);
  Put(b, 28, bits, 2);
  Put(b, 30, compression, 4);
  return b;
}

// A JPEG of `w` x `h` grey pixels written by libjpeg.
Bytes Jpeg(int w, int h) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &out, &size);
  c.image_width = w;
  c.image_height = h;
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_start_compress(&c, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(w) * 3, 128);
  while (c.next_scanline < c.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&c, rows, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  Bytes bytes(out, out + size);
  std::free(out);
  return bytes;
}

// Changes the size a JPEG's frame header (SOF0) states.
void SetJpegSize(Bytes& b, int w, int h) {
  for (size_t i = 0; i + 9 < b.size(); ++i)
    if (b[i] == 0xFF && b[i + 1] == 0xC0) {
      b[i + 5] = static_cast<uint8_t>(h >> 8), b[i + 6] = static_cast<uint8_t>(h);
      b[i + 7] = static_cast<uint8_t>(w >> 8), b[i + 8] = static_cast<uint8_t>(w);
      return;
    }
  ADD_FAILURE() << "no frame header";
}

TEST_F(PictureFiles, BmpHeadersAskingForHugePicturesAreRefusedBeforeDecoding) {
  // Stated sizes: one pixel too wide, too tall, negative and zero sizes, and
  // one that would need 12.9 GB; with run-length data too.
  for (auto [w, h] : {std::pair{4097, 1}, {1, 4097}, {1, -4097}, {0, 5}, {-3, 5}, {5, 0}, {56755, 56755},
                      {1, INT32_MIN}})
    for (uint32_t compression : {0u, 1u})
      EXPECT_FALSE(platform::LoadPictureFile(Write("Big.bmp", Bmp(w, h, 64, compression, compression ? 8 : 32))))
          << w << " x " << h << " compression " << compression;
  // An OS/2 header with 16-bit sides, and headers too short to state a size.
  Bytes core = Bmp(1, 1, 16);
  Put(core, 14, 12, 4);
  Put(core, 18, 5000, 2);
  Put(core, 20, 2, 2);
  EXPECT_FALSE(platform::LoadPictureFile(Write("Core.bmp", core)));
  const Bytes whole = Bmp(2, 2, 0);
  EXPECT_FALSE(platform::LoadPictureFile(Write("Short.bmp", Bytes(whole.begin(), whole.begin() + 25))));

  // The largest allowed side, and a small picture stored top down, still load.
  auto wide = platform::LoadPictureFile(Write("Wide.bmp", Bmp(4096, 1, 4096 * 4)));
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->width, 4096);
  Bytes topDown = Bmp(2, -2, 16);
  Put(topDown, 54, 0x00FF0000, 4);  // the top left pixel: red
  auto small = platform::LoadPictureFile(Write("TopDown.bmp", topDown));
  ASSERT_TRUE(small);
  EXPECT_EQ(small->height, 2);
  EXPECT_EQ(small->pixels[0], 0xFFFF0000u);
  EXPECT_EQ(small->pixels[3], 0xFF000000u);
}

TEST_F(PictureFiles, JpegsStatingHugeSizesOrCutShortAreRefused) {
  const Bytes good = Jpeg(16, 16);
  auto loaded = platform::LoadPictureFile(Write("Good.jpg", good));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->width, 16);

  Bytes huge = good;
  SetJpegSize(huge, 8192, 8192);
  EXPECT_FALSE(platform::LoadPictureFile(Write("Huge.jpg", huge)));
  SetJpegSize(huge, 4097, 16);
  EXPECT_FALSE(platform::LoadPictureFile(Write("Wide.jpg", huge)));
  SetJpegSize(huge, 0, 16);
  EXPECT_FALSE(platform::LoadPictureFile(Write("Zero.jpg", huge)));
  // An allowed size with the data of a 16 x 16 picture: libjpeg would make up
  // the missing 16 million pixels; the end of the data ends the decoding.
  SetJpegSize(huge, 4096, 4096);
  EXPECT_FALSE(platform::LoadPictureFile(Write("Stretched.jpg", huge)));
  const Bytes cut(good.begin(), good.begin() + static_cast<long>(good.size()) - 40);
  EXPECT_FALSE(platform::LoadPictureFile(Write("Cut.jpg", cut)));
}

TEST_F(PictureFiles, NamesTakenByAFifoOrAFolderAreRefusedWithoutBlocking) {
  ::alarm(30);  // a read of the FIFO would wait for a writer forever
  for (const char* name : {"Fifo.jpg", "Fifo.bmp"}) {
    ASSERT_EQ(::mkfifo((dir_ / name).c_str(), 0644), 0);
    EXPECT_FALSE(platform::LoadPictureFile((dir_ / name).string())) << name;
  }
  fs::create_directory(dir_ / "Folder.jpg");
  EXPECT_FALSE(platform::LoadPictureFile((dir_ / "Folder.jpg").string()));
  fs::create_symlink("/dev/zero", dir_ / "Zero.bmp");
  EXPECT_FALSE(platform::LoadPictureFile((dir_ / "Zero.bmp").string()));
  ::alarm(0);
}

}  // namespace
}  // namespace qm
