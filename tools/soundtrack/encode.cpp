#include "soundtrack/encode.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace soundtrack {
namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

File OpenForWriting(const std::string& path, std::string& error) {
  File f(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!f) error = "cannot write " + path;
  return f;
}

void Put32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& out, uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}
int16_t ToPcm(float x) { return static_cast<int16_t>(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f)); }

}  // namespace

bool WriteWav(const std::string& path, const Mono& samples, std::string& error) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  Put32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, kRate);
  Put32(out, kRate * 2);
  Put16(out, 2);
  Put16(out, 16);
  out += "data";
  Put32(out, dataBytes);
  for (float x : samples) Put16(out, static_cast<uint16_t>(ToPcm(x)));
  File f = OpenForWriting(path, error);
  if (!f) return false;
  if (std::fwrite(out.data(), 1, out.size(), f.get()) != out.size()) return error = "cannot write " + path, false;
  return true;
}

bool WriteOgg(const std::string& path, const Stereo& samples, float quality, int serial, std::string& error) {
  return WriteOgg(path, std::vector<Mono>{samples.l, samples.r}, kRate, quality, serial, error);
}

bool WriteOgg(const std::string& path, const std::vector<Mono>& channels, int rate, float quality, int serial,
              std::string& error) {
  if (channels.empty()) return error = "no channels to encode", false;
  File f = OpenForWriting(path, error);
  if (!f) return false;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, static_cast<long>(channels.size()), rate, quality) != 0) {
    vorbis_info_clear(&vi);
    return error = "the Vorbis encoder refused its settings", false;
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "TITLE", path.substr(path.find_last_of('/') + 1).c_str());
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, serial);
  bool ok = true;
  const auto write = [&](const ogg_page& page) {
    ok = ok && std::fwrite(page.header, 1, page.header_len, f.get()) == static_cast<size_t>(page.header_len) &&
         std::fwrite(page.body, 1, page.body_len, f.get()) == static_cast<size_t>(page.body_len);
  };
  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &codebooks);
  ogg_page page;
  while (ogg_stream_flush(&os, &page) != 0) write(page);

  const size_t n = channels[0].size();
  constexpr size_t kChunk = 4096;
  for (size_t at = 0;; at += kChunk) {
    const size_t count = std::min(kChunk, n - std::min(n, at));  // 0: the end of the stream
    if (count == 0) {
      vorbis_analysis_wrote(&vd, 0);  // end of stream
    } else {
      float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(count));
      for (size_t c = 0; c < channels.size(); ++c)
        std::copy(channels[c].begin() + at, channels[c].begin() + at + count, buffer[c]);
      vorbis_analysis_wrote(&vd, static_cast<int>(count));
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page) != 0) write(page);
      }
    }
    if (count == 0) break;
  }
  while (ogg_stream_flush(&os, &page) != 0) write(page);
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  if (!ok) error = "cannot write " + path;
  return ok;
}

}  // namespace soundtrack
