// Turns one picture of the editor's artwork into a Windows icon file with 16, 32 and 48 pixel
// images, so the program's icon is drawn from the same pixels as the windows' own.
//
// Input: "VBEI", width and height as 32-bit little-endian numbers, then premultiplied ARGB
// pixels, 32-bit little-endian, row after row from the top. Output: an .ico whose images are
// 32-bit BGRA bitmaps with straight alpha (as Windows expects them), bottom row first, each
// followed by its 1-bit mask. Smaller images average blocks of pixels (in premultiplied form,
// so transparent pixels add no colour); larger ones repeat the nearest pixel, which keeps the
// artwork's hard edges.
//
// Usage: make_icon INPUT.vbei OUTPUT.ico
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // premultiplied ARGB, top row first
};

std::uint32_t ReadLe32(const std::vector<unsigned char>& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

bool ReadPicture(const char* path, Picture& picture, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open the picture";
    return false;
  }
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
  if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "VBEI") {
    error = "not a VBEI picture";
    return false;
  }
  const std::uint32_t width = ReadLe32(bytes, 4);
  const std::uint32_t height = ReadLe32(bytes, 8);
  if (width == 0 || height == 0 || width > 256 || height > 256) {
    error = "picture size out of range";
    return false;
  }
  if (bytes.size() != 12 + std::size_t{width} * height * 4) {
    error = "picture length does not match its size";
    return false;
  }
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels.resize(std::size_t{width} * height);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    picture.pixels[i] = ReadLe32(bytes, 12 + i * 4);
  }
  return true;
}

// Each target pixel takes the average of the source pixels whose centres fall in its area,
// or the nearest one when the area holds no centre (enlarging).
Picture Resize(const Picture& source, int size) {
  Picture target{size, size, std::vector<std::uint32_t>(std::size_t(size) * size)};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int x0 = x * source.width / size;
      const int x1 = std::max(x0 + 1, (x + 1) * source.width / size);
      const int y0 = y * source.height / size;
      const int y1 = std::max(y0 + 1, (y + 1) * source.height / size);
      std::uint32_t sum[4] = {0, 0, 0, 0};
      for (int sy = y0; sy < y1; ++sy) {
        for (int sx = x0; sx < x1; ++sx) {
          const std::uint32_t p = source.pixels[std::size_t(sy) * source.width + sx];
          for (int c = 0; c < 4; ++c) sum[c] += (p >> (8 * c)) & 0xff;
        }
      }
      const std::uint32_t count = std::uint32_t(x1 - x0) * std::uint32_t(y1 - y0);
      std::uint32_t pixel = 0;
      for (int c = 0; c < 4; ++c) pixel |= ((sum[c] + count / 2) / count) << (8 * c);
      target.pixels[std::size_t(y) * size + x] = pixel;
    }
  }
  return target;
}

void PutLe16(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(static_cast<unsigned char>(value & 0xff));
  out.push_back(static_cast<unsigned char>((value >> 8) & 0xff));
}

void PutLe32(std::vector<unsigned char>& out, std::uint32_t value) {
  PutLe16(out, value & 0xffff);
  PutLe16(out, value >> 16);
}

// One icon image: BITMAPINFOHEADER (height doubled for the mask), BGRA rows bottom first, then
// the mask, whose set bits mark fully transparent pixels; mask rows are padded to 32 bits.
std::vector<unsigned char> IconImage(const Picture& picture) {
  std::vector<unsigned char> out;
  const int w = picture.width;
  const int h = picture.height;
  const std::uint32_t mask_stride = std::uint32_t((w + 31) / 32) * 4;
  PutLe32(out, 40);
  PutLe32(out, std::uint32_t(w));
  PutLe32(out, std::uint32_t(h) * 2);
  PutLe16(out, 1);   // planes
  PutLe16(out, 32);  // bits per pixel
  PutLe32(out, 0);   // BI_RGB
  PutLe32(out, std::uint32_t(w) * h * 4 + mask_stride * h);
  for (int i = 0; i < 4; ++i) PutLe32(out, 0);  // resolution and palette: unused
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = picture.pixels[std::size_t(y) * w + x];
      const std::uint32_t a = p >> 24;
      std::uint32_t channel[3];  // blue, green, red
      for (int c = 0; c < 3; ++c) {
        const std::uint32_t premultiplied = (p >> (8 * c)) & 0xff;
        channel[c] = a == 0 ? 0 : std::min<std::uint32_t>(255, (premultiplied * 255 + a / 2) / a);
      }
      out.push_back(static_cast<unsigned char>(channel[0]));
      out.push_back(static_cast<unsigned char>(channel[1]));
      out.push_back(static_cast<unsigned char>(channel[2]));
      out.push_back(static_cast<unsigned char>(a));
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<unsigned char> row(mask_stride, 0);
    for (int x = 0; x < w; ++x) {
      if ((picture.pixels[std::size_t(y) * w + x] >> 24) == 0) {
        row[std::size_t(x) / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s INPUT.vbei OUTPUT.ico\n", argv[0]);
    return 2;
  }
  Picture picture;
  std::string error;
  if (!ReadPicture(argv[1], picture, error)) {
    std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[1], error.c_str());
    return 1;
  }
  const int sizes[] = {16, 32, 48};
  std::vector<std::vector<unsigned char>> images;
  for (int size : sizes) images.push_back(IconImage(Resize(picture, size)));

  std::vector<unsigned char> file;
  PutLe16(file, 0);  // reserved
  PutLe16(file, 1);  // an icon
  PutLe16(file, static_cast<unsigned>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    file.push_back(static_cast<unsigned char>(sizes[i]));
    file.push_back(static_cast<unsigned char>(sizes[i]));
    file.push_back(0);  // no palette
    file.push_back(0);  // reserved
    PutLe16(file, 1);   // planes
    PutLe16(file, 32);  // bits per pixel
    PutLe32(file, static_cast<std::uint32_t>(images[i].size()));
    PutLe32(file, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

  // Written beside the target and renamed over it, so a failed run leaves no half icon.
  const std::string output = argv[2];
  const std::string temporary = output + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    out.flush();
    if (!out) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], temporary.c_str());
      std::remove(temporary.c_str());
      return 1;
    }
  }
  if (std::rename(temporary.c_str(), output.c_str()) != 0) {
    std::fprintf(stderr, "%s: cannot replace %s\n", argv[0], output.c_str());
    std::remove(temporary.c_str());
    return 1;
  }
  return 0;
}
