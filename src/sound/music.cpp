#include "sound/music.h"

#include <vector>

#include "sound/files.h"
#include "sound/log.h"

namespace qm::sound {

MusicChannels::Slot* MusicChannels::At(int channel) {
  return channel >= 1 && channel <= kCount ? &slots_[channel] : nullptr;
}
const MusicChannels::Slot* MusicChannels::At(int channel) const {
  return channel >= 1 && channel <= kCount ? &slots_[channel] : nullptr;
}

void MusicChannels::Release(Slot& slot) {
  slot.player.reset();  // closes the device first ...
  slot.stream.reset();  // ... then the decoder and the file
}

void MusicChannels::PlayMusic(int channel, const std::string& file) {
  Slot* slot = At(channel);
  if (!slot) return;
  Release(*slot);
  slot->file = file;
  const std::string path = FindFile(file);
  if (path.empty()) return LogOnce(file + " not found, playing nothing");
  auto stream = std::make_unique<OggStream>();
  std::string error;
  if (!stream->Open(path, error)) return LogOnce(error);
  auto player = std::make_unique<WavePlayer>(output_);
  if (!player->SetFormat(stream->Channels(), stream->Rate(), 16)) return;
  OggStream* s = stream.get();
  player->fill = [s, file](uint8_t* data, uint32_t capacity, double& time) {
    time = s->Time();
    std::string why;
    const size_t n = s->Fill(data, capacity, why);
    if (!why.empty()) LogOnce(file + ": " + why);
    return static_cast<uint32_t>(n);
  };
  player->end = [this, slot] { Release(*slot); };
  if (!player->Open()) return;
  slot->stream = std::move(stream);
  slot->player = std::move(player);
}

void MusicChannels::StartMusic(int channel) {
  Slot* slot = At(channel);
  if (!slot || !slot->player || !slot->player->fill) return;
  slot->player->Start();
}

void MusicChannels::StopMusic(int channel) {
  if (Slot* slot = At(channel)) Release(*slot);
}

void MusicChannels::Play(int channel, const std::string& file) {
  StopMusic(channel);
  PlayMusic(channel, file);
  StartMusic(channel);
}

void MusicChannels::StopAll() {
  for (int c = 1; c <= kCount; ++c) StopMusic(c);
}

void MusicChannels::Check() {
  std::vector<int> ended;
  for (int c = 1; c <= kCount; ++c)
    if (slots_[c].player && slots_[c].player->Check()) ended.push_back(c);
  // The end callbacks free their players: only now that no check is running.
  for (int c : ended)
    if (slots_[c].player && slots_[c].player->end) {
      const WavePlayer::EndFn end = slots_[c].player->end;
      end();
    }
}

bool MusicChannels::InUse(int channel) const {
  const Slot* slot = At(channel);
  return slot && (slot->stream || slot->player);
}

bool MusicChannels::Playing(int channel) const {
  const Slot* slot = At(channel);
  return slot && slot->player && slot->player->Playing();
}

const std::string& MusicChannels::File(int channel) const {
  static const std::string none;
  const Slot* slot = At(channel);
  return slot && InUse(channel) ? slot->file : none;
}

size_t MusicChannels::BufferBytes() const {
  size_t total = 0;
  for (const Slot& s : slots_)
    if (s.player) total += static_cast<size_t>(WavePlayer::kBuffers) * WavePlayer::kBufferBytes;
  return total;
}

}  // namespace qm::sound
