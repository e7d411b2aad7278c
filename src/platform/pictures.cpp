#include "platform/pictures.h"

#include <jpeglib.h>
// after jpeglib.h: the message codes
#include <jerror.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <map>
#include <tuple>

#include "state/file_io.h"

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

// Pictures are bounded before anything is decoded: a header may ask for any
// size, and a few bytes of run-length data expand to gigabytes.
constexpr uint32_t kMaxPictureSide = 4096;
constexpr uint64_t kMaxPicturePixels = uint64_t{kMaxPictureSide} * kMaxPictureSide;
constexpr size_t kMaxPictureFileBytes = 64u << 20;
// libjpeg: a warning per damaged block, and a scan per pass of a progressive
// picture; beyond these the file is broken or made to waste time.
constexpr long kMaxJpegWarnings = 50;
constexpr int kMaxJpegScans = 200;
constexpr long kMaxJpegMemory = 256l << 20;

bool SizeAllowed(uint64_t w, uint64_t h) {
  return w >= 1 && h >= 1 && w <= kMaxPictureSide && h <= kMaxPictureSide && w * h <= kMaxPicturePixels;
}

// The picture file's bytes, read only from a regular file (a FIFO or a device
// named like a picture is refused at once).
bool ReadPicture(const std::string& path, std::vector<uint8_t>& bytes) {
  std::string error;
  return ReadWholeFile(path, bytes, error, kMaxPictureFileBytes);
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

// Warnings are not the player's business, but a picture whose data ends early
// (libjpeg would make up the rest, for as many pixels as the header asks) or
// one warning after another ends the decoding.
void OnJpegMessage(j_common_ptr info, int level) {
  if (level >= 0) return;  // trace messages
  const int code = info->err->msg_code;
  if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || ++info->err->num_warnings > kMaxJpegWarnings)
    OnJpegError(info);
}

void OnJpegProgress(j_common_ptr info) {
  if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans)
    OnJpegError(info);
}

std::optional<art::Image> LoadJpeg(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!ReadPicture(path, bytes) || bytes.empty()) return std::nullopt;
  jpeg_decompress_struct info{};
  JpegError err{};
  jpeg_progress_mgr progress{};
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = OnJpegError;
  err.mgr.emit_message = OnJpegMessage;
  progress.progress_monitor = OnJpegProgress;
  // Everything the jump may skip over lives outside this frame's locals that change after setjmp.
  static thread_local art::Image image;
  static thread_local std::vector<unsigned char> row;
  image = art::Image{};
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  jpeg_create_decompress(&info);
  info.progress = &progress;
  info.mem->max_memory_to_use = kMaxJpegMemory;
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  if (!SizeAllowed(info.image_width, info.image_height)) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (!SizeAllowed(info.output_width, info.output_height) || info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  // Reserved, not filled: a picture whose data ends early costs only the rows it had.
  image.pixels.clear();
  image.pixels.reserve(static_cast<size_t>(image.width) * image.height);
  row.assign(static_cast<size_t>(image.width) * 3, 0);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    JSAMPROW rows[1] = {row.data()};
    if (jpeg_read_scanlines(&info, rows, 1) != 1) OnJpegError(reinterpret_cast<j_common_ptr>(&info));
    image.pixels.resize(static_cast<size_t>(y + 1) * image.width);
    uint32_t* out = &image.pixels[static_cast<size_t>(y) * image.width];
    for (int x = 0; x < image.width; ++x)
      out[x] = 0xFF000000u | (uint32_t(row[x * 3]) << 16) | (uint32_t(row[x * 3 + 1]) << 8) | row[x * 3 + 2];
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return std::move(image);
}

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

// The picture size a BMP's header states, checked before SDL allocates for it:
// the file header (14 bytes), then an OS/2 core header (12 bytes, 16-bit sides)
// or a Windows header (40 bytes or more, 32-bit sides, a negative height for
// rows stored top down).
bool BmpSizeAllowed(const std::vector<uint8_t>& b) {
  if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return false;
  const uint32_t header = Le(b, 14, 4);
  if (header == 12) return SizeAllowed(Le(b, 18, 2), Le(b, 20, 2));
  if (header < 16) return false;
  const auto width = static_cast<int32_t>(Le(b, 18, 4));
  const auto height = static_cast<int32_t>(Le(b, 22, 4));
  const int64_t rows = height < 0 ? -int64_t{height} : height;
  return width > 0 && SizeAllowed(static_cast<uint64_t>(width), static_cast<uint64_t>(rows));
}

std::optional<art::Image> LoadBmp(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!ReadPicture(path, bytes) || !BmpSizeAllowed(bytes)) return std::nullopt;
  SDL_Surface* raw = SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
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
