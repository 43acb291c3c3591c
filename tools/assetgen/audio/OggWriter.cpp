#include "audio/OggWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace assetgen::audio {

namespace {

void appendPage(std::vector<uint8_t>& bytes, const ogg_page& page) {
  bytes.insert(bytes.end(), page.header, page.header + page.header_len);
  bytes.insert(bytes.end(), page.body, page.body + page.body_len);
}

// Owns the encoder's state for one file.
struct Encoder {
  vorbis_info info;
  vorbis_comment comment;
  vorbis_dsp_state dsp;
  vorbis_block block;
  ogg_stream_state stream;
  bool ready = false;

  Encoder(float quality, uint32_t serial) {
    vorbis_info_init(&info);
    vorbis_comment_init(&comment);
    if (vorbis_encode_init_vbr(&info, 2, kRate, quality) != 0) return;
    vorbis_comment_add_tag(&comment, "ENCODER", "glimmerfir assetgen");
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_init(&stream, static_cast<int>(serial));
    ready = true;
  }
  ~Encoder() {
    if (ready) {
      ogg_stream_clear(&stream);
      vorbis_block_clear(&block);
      vorbis_dsp_clear(&dsp);
    }
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;

  void writeHeaders(std::vector<uint8_t>& bytes) {
    ogg_packet header, commentPacket, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebooks);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentPacket);
    ogg_stream_packetin(&stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) appendPage(bytes, page);
  }

  void drain(std::vector<uint8_t>& bytes) {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page) != 0) appendPage(bytes, page);
      }
    }
  }
};

}  // namespace

std::vector<uint8_t> encodeOgg(const Track& track, float quality, uint32_t serial) {
  std::vector<uint8_t> bytes;
  Encoder enc(quality, serial);
  if (!enc.ready) return bytes;
  enc.writeHeaders(bytes);
  const size_t chunk = 4096;
  for (size_t at = 0; at < track.frames(); at += chunk) {
    size_t n = std::min(chunk, track.frames() - at);
    float** buffer = vorbis_analysis_buffer(&enc.dsp, static_cast<int>(n));
    std::copy_n(track.left.data() + at, n, buffer[0]);
    std::copy_n(track.right.data() + at, n, buffer[1]);
    vorbis_analysis_wrote(&enc.dsp, static_cast<int>(n));
    enc.drain(bytes);
  }
  vorbis_analysis_wrote(&enc.dsp, 0);
  enc.drain(bytes);
  // The last page must be out even if the stream did not fill it.
  ogg_page page;
  while (ogg_stream_flush(&enc.stream, &page) != 0) appendPage(bytes, page);
  return bytes;
}

}  // namespace assetgen::audio
