// Writes the seed pictures of the picture fuzz targets: small pictures the art
// kit draws, saved as JPEG (baseline and progressive, by libjpeg) and as BMP
// (24 and 32 bits, by SDL). Usage: quellmark-fuzz-seeds JPEG_FOLDER BMP_FOLDER
#include <SDL.h>
#include <jpeglib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "art/art_kit.h"

namespace {

bool WriteJpeg(const std::string& path, const qm::art::Image& image, bool progressive) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  jpeg_stdio_dest(&c, f);
  c.image_width = static_cast<JDIMENSION>(image.width);
  c.image_height = static_cast<JDIMENSION>(image.height);
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 70, TRUE);
  if (progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(image.width) * 3);
  while (c.next_scanline < c.image_height) {
    const uint32_t* in = &image.pixels[static_cast<size_t>(c.next_scanline) * image.width];
    for (int x = 0; x < image.width; ++x) {
      row[x * 3] = static_cast<uint8_t>(in[x] >> 16);
      row[x * 3 + 1] = static_cast<uint8_t>(in[x] >> 8);
      row[x * 3 + 2] = static_cast<uint8_t>(in[x]);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&c, rows, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  return std::fclose(f) == 0;
}

bool WriteBmp(const std::string& path, const qm::art::Image& image, Uint32 format) {
  SDL_Surface* argb = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(image.pixels.data()), image.width,
                                                         image.height, 32, image.width * 4, SDL_PIXELFORMAT_ARGB8888);
  SDL_Surface* out = argb ? SDL_ConvertSurfaceFormat(argb, format, 0) : nullptr;
  const bool ok = out && SDL_SaveBMP(out, path.c_str()) == 0;
  SDL_FreeSurface(out);
  SDL_FreeSurface(argb);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quellmark-fuzz-seeds JPEG_FOLDER BMP_FOLDER\n");
    return 2;
  }
  const std::string jpeg = argv[1], bmp = argv[2];
  const qm::art::Image planet = qm::art::Draw({"Earth.jpg", 40, 32, "", 1.0});
  const qm::art::Image button = qm::art::Draw({"StartScreen_06.jpg", 24, 12, "", 1.0});
  const bool ok = WriteJpeg(jpeg + "/planet.jpg", planet, false) &&
                  WriteJpeg(jpeg + "/planet-progressive.jpg", planet, true) &&
                  WriteBmp(bmp + "/button-24.bmp", button, SDL_PIXELFORMAT_BGR24) &&
                  WriteBmp(bmp + "/planet-32.bmp", planet, SDL_PIXELFORMAT_ARGB8888);
  if (!ok) std::fprintf(stderr, "error: the seed pictures could not be written\n");
  return ok ? 0 : 1;
}
