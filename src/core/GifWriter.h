#pragma once

#include "ByteSink.h"

#include <cstdint>
#include <string>
#include <vector>

struct GifFileType;

// Toolkit-free writer of an animated GIF (GIF89a, giflib) to a byte sink.
// Frames are whole pictures of palette indices; each is stored as the smallest
// rectangle in which it differs from the frame before, drawn over that frame,
// with the pixels inside it that did not change left transparent when the
// palette has a spare index: the file stays small and quick to code when only
// the plots' curves move. Use: Begin,
// AddFrame for every frame, Finish. Any failure (a refused write, a bad
// argument) ends the file: every later call returns false and Error says why.
class TGifWriter {
public:
  explicit TGifWriter(TByteSink sink);
  ~TGifWriter();
  TGifWriter(const TGifWriter &) = delete;
  TGifWriter &operator=(const TGifWriter &) = delete;

  // width x height pixels (1..65535 each); palette: 1..256 colours as
  // 0xRRGGBB; loopForever adds the NETSCAPE2.0 extension with 0 repeats.
  bool Begin(int width, int height, const std::vector<std::uint32_t> &palette, bool loopForever);
  // The same with the palette given to Finish, for frames whose colours are
  // known only once they are drawn: the file has a table of 256 colours and
  // is held in memory until Finish fills the table in and sends it whole.
  // Index 255 is the writer's transparent one: frames use 0..254.
  bool Begin(int width, int height, bool loopForever);
  // indices: width * height palette indices, row by row; delay in hundredths
  // of a second.
  bool AddFrame(const std::uint8_t *indices, int delayHundredths);
  bool Finish();
  // Ends a file begun without a palette: palette holds 1..256 colours and
  // covers every index a frame used.
  bool Finish(const std::vector<std::uint32_t> &palette);

  const std::string &Error() const { return LastError; }
  int FrameCount() const { return Frames; }

private:
  bool Fail(const std::string &what);
  bool FailGif(const std::string &what, int code);
  void Abandon();

  static int Output(GifFileType *gif, const std::uint8_t *data, int size);

  TByteSink Sink;
  GifFileType *Gif = nullptr;
  int Width = 0;
  int Height = 0;
  int PaletteSize = 0;
  int Frames = 0;
  bool Failed = false;
  bool Holding = false;            // begun without a palette
  std::vector<std::uint8_t> Held;  // the file so far, while Holding
  int HighestIndex = 0;            // the largest index a frame used
  std::vector<std::uint8_t> Previous;
  std::vector<std::uint8_t> Line;  // one row of a frame as written
  int Transparent = -1;            // index through which the frame before shows, or -1
  std::string LastError;
};
