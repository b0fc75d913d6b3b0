#include "GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <utility>

TGifWriter::TGifWriter(TByteSink sink) : Sink(std::move(sink)) {}

TGifWriter::~TGifWriter()
{
  Abandon();
}

int TGifWriter::Output(GifFileType *gif, const std::uint8_t *data, int size)
{
  auto *writer = static_cast<TGifWriter *>(gif->UserData);
  if (size <= 0)
    return 0;
  if (writer->Holding) {
    writer->Held.insert(writer->Held.end(), data, data + size);
    return size;
  }
  return writer->Sink(data, std::size_t(size)) ? size : 0;
}

bool TGifWriter::Fail(const std::string &what)
{
  if (!Failed)
    LastError = what;
  Failed = true;
  Abandon();
  return false;
}

bool TGifWriter::FailGif(const std::string &what, int code)
{
  const char *reason = GifErrorString(code);
  return Fail(what + ": " + (reason ? reason : "unknown error"));
}

// Closing also writes the trailer, which goes to the sink; the file is
// abandoned anyway, so what the sink gets then does not matter.
void TGifWriter::Abandon()
{
  if (!Gif)
    return;
  int error = 0;
  EGifCloseFile(std::exchange(Gif, nullptr), &error);
}

bool TGifWriter::Begin(int width, int height, const std::vector<std::uint32_t> &palette,
                       bool loopForever)
{
  if (Failed || Gif)
    return Fail("the writer has already begun");
  if (width < 1 || height < 1 || width > 65535 || height > 65535)
    return Fail("picture size out of range");
  if (palette.empty() || palette.size() > 256)
    return Fail("a GIF palette holds 1 to 256 colours");
  int error = 0;
  Gif = EGifOpen(this, &TGifWriter::Output, &error);
  if (!Gif)
    return FailGif("cannot start the GIF", error);
  EGifSetGifVersion(Gif, true);

  // A GIF palette has a power-of-two size; the unused places stay black.
  int bits = 1;
  while ((1 << bits) < int(palette.size()))
    ++bits;
  ColorMapObject *map = GifMakeMapObject(1 << bits, nullptr);
  if (!map)
    return Fail("out of memory");
  for (int i = 0; i < (1 << bits); ++i) {
    const std::uint32_t rgb = i < int(palette.size()) ? palette[std::size_t(i)] : 0;
    map->Colors[i] = GifColorType{GifByteType(rgb >> 16), GifByteType(rgb >> 8), GifByteType(rgb)};
  }
  const int status = EGifPutScreenDesc(Gif, width, height, bits, 0, map);
  GifFreeMapObject(map);
  if (status != GIF_OK)
    return FailGif("cannot write the screen descriptor", Gif->Error);

  if (loopForever) {
    static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E',
                                              '2', '.', '0'};
    static const GifByteType repeat[] = {1, 0, 0};  // sub-block 1, loop count 0: forever
    if (EGifPutExtensionLeader(Gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK
        || EGifPutExtensionBlock(Gif, sizeof application, application) != GIF_OK
        || EGifPutExtensionBlock(Gif, sizeof repeat, repeat) != GIF_OK
        || EGifPutExtensionTrailer(Gif) != GIF_OK)
      return FailGif("cannot write the loop extension", Gif->Error);
  }
  Width = width;
  Height = height;
  PaletteSize = int(palette.size());
  Transparent = PaletteSize < (1 << bits) ? PaletteSize : -1;
  Previous.clear();
  return true;
}

bool TGifWriter::Begin(int width, int height, bool loopForever)
{
  if (Failed || Gif)
    return Fail("the writer has already begun");
  Holding = true;
  Held.clear();
  HighestIndex = 0;
  if (!Begin(width, height, std::vector<std::uint32_t>(256, 0), loopForever))
    return false;
  Transparent = 255;
  return true;
}

bool TGifWriter::AddFrame(const std::uint8_t *indices, int delayHundredths)
{
  if (Failed || !Gif)
    return Fail("the writer has not begun");
  if (!indices || delayHundredths < 0 || delayHundredths > 65535)
    return Fail("bad frame");
  const std::size_t pixels = std::size_t(Width) * std::size_t(Height);
  if (PaletteSize < 256
      && std::any_of(indices, indices + pixels, [this](std::uint8_t i) { return i >= PaletteSize; }))
    return Fail("a frame uses a colour outside the palette");

  // The rectangle in which this frame differs from the one before; the whole
  // picture for the first frame, one pixel when nothing changed.
  int left = 0;
  int top = 0;
  int right = Width - 1;
  int bottom = Height - 1;
  if (!Previous.empty()) {
    left = Width;
    top = Height;
    right = -1;
    bottom = -1;
    // Most rows of a frame are as they were: one block compare each.
    for (int y = 0; y < Height; ++y) {
      const std::uint8_t *row = indices + std::size_t(y) * Width;
      const std::uint8_t *before = Previous.data() + std::size_t(y) * Width;
      if (std::memcmp(row, before, std::size_t(Width)) == 0)
        continue;
      int first = 0;
      while (row[first] == before[first])
        ++first;
      int last = Width - 1;
      while (row[last] == before[last])
        --last;
      left = std::min(left, first);
      right = std::max(right, last);
      top = std::min(top, y);
      bottom = y;
    }
    if (right < 0)
      left = right = top = bottom = 0;
  }

  // Inside the rectangle, pixels as they were are the transparent index: the
  // frame before shows through, and long runs of one index are what LZW
  // codes fastest and smallest.
  const bool seeThrough = Transparent >= 0 && !Previous.empty();
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = delayHundredths;
  control.TransparentColor = seeThrough ? Transparent : NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const std::size_t length = EGifGCBToExtension(&control, extension);
  if (EGifPutExtension(Gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK)
    return FailGif("cannot write a frame's delay", Gif->Error);

  const int width = right - left + 1;
  if (EGifPutImageDesc(Gif, left, top, width, bottom - top + 1, false, nullptr) != GIF_OK)
    return FailGif("cannot write a frame", Gif->Error);
  Line.resize(std::size_t(width));
  for (int y = top; y <= bottom; ++y) {
    const std::size_t at = std::size_t(y) * Width + left;
    const std::uint8_t *row = indices + at;
    if (Holding) {
      HighestIndex = std::max<int>(HighestIndex, *std::max_element(row, row + width));
      if (HighestIndex >= Transparent)
        return Fail("a frame uses a colour outside the palette");
    }
    if (seeThrough) {
      const std::uint8_t *before = Previous.data() + at;
      const auto clear = std::uint8_t(Transparent);
      for (int x = 0; x < width; ++x)
        Line[std::size_t(x)] = row[x] == before[x] ? clear : row[x];
    } else {
      std::copy(row, row + width, Line.begin());
    }
    if (EGifPutLine(Gif, Line.data(), width) != GIF_OK)
      return FailGif("cannot write a frame", Gif->Error);
  }
  Previous.assign(indices, indices + pixels);
  ++Frames;
  return true;
}

bool TGifWriter::Finish(const std::vector<std::uint32_t> &palette)
{
  if (Failed || !Gif || !Holding)
    return Fail("the writer has not begun without a palette");
  if (palette.empty() || palette.size() > 256 || int(palette.size()) <= HighestIndex)
    return Fail("the palette does not cover the frames' colours");
  int error = 0;
  if (EGifCloseFile(std::exchange(Gif, nullptr), &error) != GIF_OK)
    return FailGif("cannot end the GIF", error);
  // The global colour table follows the 6-byte signature and the 7-byte
  // logical screen descriptor.
  constexpr std::size_t TableAt = 13;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    Held[TableAt + 3 * i] = std::uint8_t(palette[i] >> 16);
    Held[TableAt + 3 * i + 1] = std::uint8_t(palette[i] >> 8);
    Held[TableAt + 3 * i + 2] = std::uint8_t(palette[i]);
  }
  Holding = false;
  const bool sent = Sink(Held.data(), Held.size());
  Held = {};
  if (!sent)
    return Fail("cannot write the GIF");
  return true;
}

bool TGifWriter::Finish()
{
  if (Holding)
    return Fail("the palette is missing");
  if (Failed || !Gif)
    return Fail("the writer has not begun");
  int error = 0;
  if (EGifCloseFile(std::exchange(Gif, nullptr), &error) != GIF_OK)
    return FailGif("cannot end the GIF", error);
  return true;
}
