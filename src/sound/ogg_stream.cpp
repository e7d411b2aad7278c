#include "sound/ogg_stream.h"

#include <sys/types.h>

#include "state/file_io.h"

namespace qm::sound {
namespace {

// The decoder reads through these; the stream stays ours to close.
size_t Read(void* ptr, size_t size, size_t count, void* source) {
  return std::fread(ptr, size, count, static_cast<FILE*>(source));
}
int Seek(void* source, ogg_int64_t offset, int whence) {
  return fseeko(static_cast<FILE*>(source), static_cast<off_t>(offset), whence);
}
long Tell(void* source) { return static_cast<long>(ftello(static_cast<FILE*>(source))); }
int CloseNothing(void*) { return 0; }

constexpr int kMaxHolesInARow = 16;

}  // namespace

bool OggStream::Open(const std::string& path, std::string& error) {
  Close();
  // Only a regular file: a FIFO or a device named like the music would block or never end.
  std::string why;
  file_ = OpenRegularFileStream(path, why);
  if (!file_) {
    error = "cannot open " + path + " (" + why + ")";
    return false;
  }
  const ov_callbacks callbacks{Read, Seek, CloseNothing, Tell};
  const int status = ov_open_callbacks(file_, &vf_, nullptr, 0, callbacks);
  if (status != 0) {
    // A refused file keeps nothing open: the decoder has cleared itself.
    std::fclose(file_);
    file_ = nullptr;
    error = path + " is not an Ogg Vorbis file (" + std::to_string(status) + ")";
    return false;
  }
  const vorbis_info* info = ov_info(&vf_, -1);
  channels_ = info ? info->channels : 0;
  rate_ = info ? static_cast<int>(info->rate) : 0;
  ended_ = false;
  return true;
}

void OggStream::Close() {
  if (!file_) return;
  ov_clear(&vf_);
  std::fclose(file_);
  file_ = nullptr;
  channels_ = rate_ = 0;
  ended_ = true;
}

double OggStream::Time() { return file_ ? ov_time_tell(&vf_) : 0.0; }

size_t OggStream::Fill(uint8_t* out, size_t capacity, std::string& error) {
  size_t filled = 0;
  int holes = 0;
  while (file_ && !ended_ && filled < capacity) {
    int section = 0;
    const long got = ov_read(&vf_, reinterpret_cast<char*>(out + filled), static_cast<int>(capacity - filled),
                             /*bigendian=*/0, /*word=*/2, /*signed=*/1, &section);
    if (got > 0) {
      // A chained file whose later part changes its format would play as noise.
      const vorbis_info* info = ov_info(&vf_, section);
      if (!info || info->channels != channels_ || info->rate != rate_) {
        error = "the stream changes its format midway";
        ended_ = true;
        break;
      }
      filled += static_cast<size_t>(got);
      holes = 0;
      continue;
    }
    if (got == OV_HOLE && ++holes <= kMaxHolesInARow) continue;
    if (got < 0) error = "decoder error " + std::to_string(got);
    ended_ = true;
  }
  // Whole sample frames only.
  const size_t frame = static_cast<size_t>(channels_ > 0 ? channels_ : 1) * 2;
  return filled - filled % frame;
}

}  // namespace qm::sound
