#include "platform/pictures.h"

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <map>
#include <tuple>

namespace qm::platform {
namespace {

std::vector<std::string>& Folders() {
  static std::vector<std::string> folders{"."};
  return folders;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  if (s.size() < tail.size()) return false;
  for (size_t i = 0; i < tail.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[s.size() - tail.size() + i])) != tail[i]) return false;
  return true;
}

// libjpeg reports fatal errors through this handler; it jumps back instead of exiting.
struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
  auto* err = reinterpret_cast<JpegError*>(info->err);
  std::longjmp(err->jump, 1);
}

void OnJpegMessage(j_common_ptr) {}  // warnings are not the player's business

std::optional<art::Image> LoadJpeg(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  jpeg_decompress_struct info{};
  JpegError err{};
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = OnJpegError;
  err.mgr.output_message = OnJpegMessage;
  // Everything the jump may skip over lives outside this frame's locals that change after setjmp.
  static thread_local art::Image image;
  static thread_local std::vector<unsigned char> row;
  image = art::Image{};
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return std::nullopt;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_width == 0 || info.output_height == 0 || info.output_width > 8192 || info.output_height > 8192 ||
      info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return std::nullopt;
  }
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  image.pixels.assign(static_cast<size_t>(image.width) * image.height, 0);
  row.assign(static_cast<size_t>(image.width) * 3, 0);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    uint32_t* out = &image.pixels[static_cast<size_t>(y) * image.width];
    for (int x = 0; x < image.width; ++x)
      out[x] = 0xFF000000u | (uint32_t(row[x * 3]) << 16) | (uint32_t(row[x * 3 + 1]) << 8) | row[x * 3 + 2];
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  std::fclose(file);
  return std::move(image);
}

std::optional<art::Image> LoadBmp(const std::string& path) {
  SDL_Surface* raw = SDL_LoadBMP(path.c_str());
  if (!raw) return std::nullopt;
  SDL_Surface* surface = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(raw);
  if (!surface) return std::nullopt;
  art::Image image;
  image.width = surface->w;
  image.height = surface->h;
  image.pixels.resize(static_cast<size_t>(image.width) * image.height);
  SDL_LockSurface(surface);
  for (int y = 0; y < image.height; ++y) {
    const auto* in = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < image.width; ++x) image.pixels[static_cast<size_t>(y) * image.width + x] = in[x] | 0xFF000000u;
  }
  SDL_UnlockSurface(surface);
  SDL_FreeSurface(surface);
  return image;
}

SDL_Texture* MakeTexture(const art::Image& image) {
  if (image.width < 1 || image.height < 1 || !Renderer()) return nullptr;
  SDL_Texture* t = SDL_CreateTexture(Renderer(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, image.width,
                                     image.height);
  if (!t) return nullptr;
  bool opaque = true;
  for (uint32_t p : image.pixels)
    if ((p >> 24) != 0xFF) {
      opaque = false;
      break;
    }
  if (opaque) {
    // Most pictures cover their rectangle: copying them needs no blending at all.
    SDL_UpdateTexture(t, nullptr, image.pixels.data(), image.width * 4);
    SDL_SetTextureBlendMode(t, SDL_BLENDMODE_NONE);
    return t;
  }
  // The art kit's pixels are premultiplied; a renderer without that blend mode gets straight alpha.
  const SDL_BlendMode premultiplied =
      SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD,
                                 SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
  if (SDL_SetTextureBlendMode(t, premultiplied) == 0) {
    SDL_UpdateTexture(t, nullptr, image.pixels.data(), image.width * 4);
    return t;
  }
  std::vector<uint32_t> straight(image.pixels);
  for (auto& p : straight) {
    const uint32_t a = p >> 24;
    if (a == 0 || a == 0xFF) continue;
    const auto un = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
    p = (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
  }
  SDL_UpdateTexture(t, nullptr, straight.data(), image.width * 4);
  SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
  return t;
}

// A picture file decoded once: a texture of its own size, or none when missing.
struct FileEntry {
  SDL_Texture* texture = nullptr;
};
using KitKey = std::tuple<std::string, int, int, std::string>;

std::map<std::string, FileEntry>& Files() {
  static std::map<std::string, FileEntry> files;
  return files;
}
std::map<KitKey, SDL_Texture*>& Kit() {
  static std::map<KitKey, SDL_Texture*> kit;
  return kit;
}

// The cache is dropped whole when it grows large; screens redraw what they need.
constexpr size_t kMaxKitTextures = 600;

}  // namespace

void SetDataFolders(const std::vector<std::string>& folders) {
  Folders() = folders;
  ClearPictureCache();
}

const std::vector<std::string>& DataFolders() { return Folders(); }

std::string FindDataFile(const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos || name.find('\\') != std::string::npos) return "";
  for (const auto& folder : Folders()) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::path(folder) / name;
    if (std::filesystem::is_regular_file(p, ec)) return p.string();
  }
  return "";
}

std::optional<art::Image> LoadPictureFile(const std::string& path) {
  if (EndsWith(path, ".jpg") || EndsWith(path, ".jpeg")) return LoadJpeg(path);
  if (EndsWith(path, ".bmp")) return LoadBmp(path);
  return std::nullopt;
}

void DrawPicture(const std::string& name, const Rect& r, const std::string& caption) {
  if (r.w <= 0 || r.h <= 0 || !Renderer()) return;
  const SDL_Rect dst = ToPixels(r);
  if (dst.w <= 0 || dst.h <= 0) return;
  auto [it, fresh] = Files().try_emplace(name);
  if (fresh) {
    const std::string path = FindDataFile(name);
    if (!path.empty())
      if (auto image = LoadPictureFile(path)) it->second.texture = MakeTexture(*image);
  }
  if (it->second.texture) {
    SDL_RenderCopy(Renderer(), it->second.texture, nullptr, &dst);
    return;
  }
  const KitKey key{name, dst.w, dst.h, caption};
  auto found = Kit().find(key);
  if (found == Kit().end()) {
    if (Kit().size() >= kMaxKitTextures) {
      for (auto& [k, t] : Kit()) SDL_DestroyTexture(t);
      Kit().clear();
    }
    found = Kit().emplace(key, MakeTexture(art::Draw({name, dst.w, dst.h, caption, Scale()}))).first;
  }
  if (found->second) SDL_RenderCopy(Renderer(), found->second, nullptr, &dst);
}

void ClearPictureCache() {
  for (auto& [k, e] : Files())
    if (e.texture) SDL_DestroyTexture(e.texture);
  for (auto& [k, t] : Kit())
    if (t) SDL_DestroyTexture(t);
  Files().clear();
  Kit().clear();
}

size_t CachedPictureCount() { return Files().size() + Kit().size(); }

}  // namespace qm::platform
