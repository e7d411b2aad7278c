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

// A picture on the renderer: the texture holds only the part of the image that
// shows (`crop`, in image pixels); `w` x `h` is the whole image.
struct Texture {
  SDL_Texture* texture = nullptr;
  int w = 0, h = 0;
  SDL_Rect crop{0, 0, 0, 0};
  explicit operator bool() const { return texture != nullptr; }
};

// True when the renderer takes textures without alpha (XRGB); the software
// renderer copies those three times faster than ARGB ones.
bool TakesXrgb() {
  static SDL_Renderer* asked = nullptr;
  static bool takes = false;
  if (asked != Renderer()) {
    asked = Renderer();
    takes = false;
    SDL_RendererInfo info;
    if (asked && SDL_GetRendererInfo(asked, &info) == 0)
      for (Uint32 i = 0; i < info.num_texture_formats; ++i) takes = takes || info.texture_formats[i] == SDL_PIXELFORMAT_RGB888;
  }
  return takes;
}

// The smallest rectangle holding every pixel that is not fully transparent.
SDL_Rect VisiblePart(const art::Image& image) {
  int x0 = image.width, y0 = image.height, x1 = -1, y1 = -1;
  for (int y = 0; y < image.height; ++y) {
    const uint32_t* row = image.pixels.data() + static_cast<size_t>(y) * image.width;
    for (int x = 0; x < image.width; ++x) {
      if ((row[x] >> 24) == 0) continue;
      x0 = std::min(x0, x);
      x1 = std::max(x1, x);
      y0 = std::min(y0, y);
      y1 = std::max(y1, y);
    }
  }
  return x1 < 0 ? SDL_Rect{0, 0, 0, 0} : SDL_Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

Texture MakeTexture(const art::Image& image) {
  Texture out;
  if (image.width < 1 || image.height < 1 || !Renderer()) return out;
  out.w = image.width;
  out.h = image.height;
  bool opaque = true;
  for (uint32_t p : image.pixels)
    if ((p >> 24) != 0xFF) {
      opaque = false;
      break;
    }
  if (opaque) {
    // Most pictures cover their rectangle: copying them needs no blending at all.
    const Uint32 format = TakesXrgb() ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_ARGB8888;
    out.texture = SDL_CreateTexture(Renderer(), format, SDL_TEXTUREACCESS_STATIC, image.width, image.height);
    if (!out.texture) return out;
    out.crop = {0, 0, image.width, image.height};
    SDL_UpdateTexture(out.texture, nullptr, image.pixels.data(), image.width * 4);
    SDL_SetTextureBlendMode(out.texture, SDL_BLENDMODE_NONE);
    return out;
  }
  // Only the visible part is kept: blending the empty margins around a ship costs as much as the ship.
  out.crop = VisiblePart(image);
  if (out.crop.w == 0) return out;  // nothing to draw
  out.texture = SDL_CreateTexture(Renderer(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, out.crop.w, out.crop.h);
  if (!out.texture) return out;
  const uint32_t* first = image.pixels.data() + static_cast<size_t>(out.crop.y) * image.width + out.crop.x;
  // The art kit's pixels are premultiplied; a renderer without that blend mode gets straight alpha.
  const SDL_BlendMode premultiplied =
      SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD,
                                 SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
  if (SDL_SetTextureBlendMode(out.texture, premultiplied) == 0) {
    SDL_UpdateTexture(out.texture, nullptr, first, image.width * 4);
    return out;
  }
  std::vector<uint32_t> straight(static_cast<size_t>(out.crop.w) * out.crop.h);
  for (int y = 0; y < out.crop.h; ++y)
    for (int x = 0; x < out.crop.w; ++x) {
      uint32_t p = first[static_cast<size_t>(y) * image.width + x];
      const uint32_t a = p >> 24;
      if (a != 0 && a != 0xFF) {
        const auto un = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
        p = (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
      }
      straight[static_cast<size_t>(y) * out.crop.w + x] = p;
    }
  SDL_UpdateTexture(out.texture, nullptr, straight.data(), out.crop.w * 4);
  SDL_SetTextureBlendMode(out.texture, SDL_BLENDMODE_BLEND);
  return out;
}

// Copies a picture into `dst` (the whole image's place), its visible part only.
void Copy(const Texture& t, const SDL_Rect& dst) {
  if (!t) return;
  if (t.crop.x == 0 && t.crop.y == 0 && t.crop.w == t.w && t.crop.h == t.h) {
    SDL_RenderCopy(Renderer(), t.texture, nullptr, &dst);
    return;
  }
  // Edges are scaled separately, so the part lands where it lies in the whole picture.
  const auto sx = [&](int x) { return dst.x + static_cast<int>(static_cast<int64_t>(x) * dst.w / t.w); };
  const auto sy = [&](int y) { return dst.y + static_cast<int>(static_cast<int64_t>(y) * dst.h / t.h); };
  const int x0 = sx(t.crop.x), y0 = sy(t.crop.y);
  const SDL_Rect part{x0, y0, sx(t.crop.x + t.crop.w) - x0, sy(t.crop.y + t.crop.h) - y0};
  SDL_RenderCopy(Renderer(), t.texture, nullptr, &part);
}

constexpr size_t kDefaultPictureBudget = 24u << 20;

// The cache of pictures on the renderer. A file is decoded once into a texture
// of its own size (or remembered as missing); the art kit's pictures are kept by
// name, pixel size and caption. Both count against one budget of pixel bytes:
// once it is passed, the pictures drawn longest ago go first, but never one
// drawn in the present frame, so a screen is never short of its own pictures.
struct Cached {
  Texture texture;
  size_t bytes = 0;
  uint64_t used = 0;  // the frame it was last drawn in
  bool dropped = false;
};
using KitKey = std::tuple<std::string, int, int, std::string>;

struct Cache {
  std::map<std::string, Cached> files;
  std::map<KitKey, Cached> kit;
  size_t bytes = 0;
  uint64_t frame = 1;
  size_t budget = 0;  // 0: the default for the window's scale
};
Cache& TheCache() {
  static Cache cache;
  return cache;
}

size_t TextureBytes(const Texture& t) { return t ? static_cast<size_t>(t.crop.w) * t.crop.h * 4 : 0; }

void Drop(Cached& c) {
  if (c.texture) SDL_DestroyTexture(c.texture.texture);
  TheCache().bytes -= c.bytes;
  c = Cached{};
  c.dropped = true;
}

// Drops the pictures drawn longest ago, not those of the present frame, until
// the cache holds at most `limit` bytes.
void EvictTo(size_t limit) {
  Cache& cache = TheCache();
  if (cache.bytes <= limit) return;
  std::vector<std::pair<uint64_t, Cached*>> old;
  for (auto& [k, c] : cache.files)
    if (c.bytes && c.used < cache.frame) old.emplace_back(c.used, &c);
  for (auto& [k, c] : cache.kit)
    if (c.bytes && c.used < cache.frame) old.emplace_back(c.used, &c);
  std::sort(old.begin(), old.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& [used, c] : old) {
    if (cache.bytes <= limit) break;
    Drop(*c);
  }
  // A file whose texture went is looked up and decoded again when next drawn.
  const auto dropped = [](const auto& e) { return e.second.dropped; };
  std::erase_if(cache.files, dropped);
  std::erase_if(cache.kit, dropped);
}

void Keep(Cached& c, Texture t) {
  c.texture = t;
  c.bytes = TextureBytes(t);
  TheCache().bytes += c.bytes;
}

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

size_t PictureBudget() {
  const Cache& cache = TheCache();
  if (cache.budget) return cache.budget;
  // About a dozen canvases' worth of pictures at the window's scale.
  return static_cast<size_t>(kDefaultPictureBudget * Scale() * Scale());
}

void SetPictureBudget(size_t bytes) {
  TheCache().budget = bytes;
  EvictTo(PictureBudget());
}

void NewPictureFrame() { ++TheCache().frame; }

void DrawPicture(const std::string& name, const Rect& r, const std::string& caption) {
  if (r.w <= 0 || r.h <= 0 || !Renderer()) return;
  const SDL_Rect dst = ToPixels(r);
  if (dst.w <= 0 || dst.h <= 0) return;
  Cache& cache = TheCache();
  auto [it, fresh] = cache.files.try_emplace(name);
  Cached& file = it->second;
  if (fresh) {
    file.used = cache.frame;
    const std::string path = FindDataFile(name);
    if (!path.empty())
      if (auto image = LoadPictureFile(path)) Keep(file, MakeTexture(*image));
  }
  if (file.texture) {
    file.used = cache.frame;
    Copy(file.texture, dst);
    if (fresh) EvictTo(PictureBudget());
    return;
  }
  const KitKey key{name, dst.w, dst.h, caption};
  auto [found, made] = cache.kit.try_emplace(key);
  if (made) Keep(found->second, MakeTexture(art::Draw({name, dst.w, dst.h, caption, Scale()})));
  found->second.used = cache.frame;
  Copy(found->second.texture, dst);
  if (made) EvictTo(PictureBudget());
}

void TrimPictureCache() { EvictTo(PictureBudget() / 2); }

void ClearPictureCache() {
  Cache& cache = TheCache();
  for (auto& [k, c] : cache.files) Drop(c);
  for (auto& [k, c] : cache.kit) Drop(c);
  cache.files.clear();
  cache.kit.clear();
  cache.bytes = 0;
}

size_t CachedPictureCount() {
  size_t n = 0;
  for (const auto& [k, c] : TheCache().files) n += c.texture ? 1 : 0;
  return n + TheCache().kit.size();
}

size_t CachedPictureBytes() { return TheCache().bytes; }

}  // namespace qm::platform
