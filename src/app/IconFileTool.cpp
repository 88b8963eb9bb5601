// `icon_file_tool`: packs the program icon's PNG images into a Windows icon file at build time,
// from which windres makes the executables' icon resource and the installer its shortcut's icon.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Icon entries hold the PNG file as it is, which Windows reads since Vista; a side is one byte,
// where 0 stands for 256.
constexpr std::uint32_t kMaxSide = 256;
constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;

struct Image {
    Bytes png;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

std::uint32_t BigEndian32(const Bytes& bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
           std::uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

// The image's size from its header chunk, which a PNG file begins with after its signature.
bool ReadPng(const std::string& path, Image& image) {
    static constexpr std::uint8_t kStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                              0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    image.png.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (image.png.size() < sizeof kStart + 8 ||
        !std::equal(std::begin(kStart), std::end(kStart), image.png.begin())) {
        return false;
    }
    image.width = BigEndian32(image.png, sizeof kStart);
    image.height = BigEndian32(image.png, sizeof kStart + 4);
    return image.width > 0 && image.width <= kMaxSide && image.height > 0 &&
           image.height <= kMaxSide;
}

void Put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value);
    Put16(out, value >> 16);
}

// The icon directory (reserved, type 1 for icons, count), one entry per image, then the images.
Bytes IconFile(const std::vector<Image>& images) {
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(kHeaderSize + kEntrySize * images.size());
    for (const Image& image : images) {
        out.push_back(static_cast<std::uint8_t>(image.width % kMaxSide));
        out.push_back(static_cast<std::uint8_t>(image.height % kMaxSide));
        out.push_back(0);  // colours in a palette: none
        out.push_back(0);
        Put16(out, 1);   // planes
        Put16(out, 32);  // bits per pixel
        Put32(out, static_cast<std::uint32_t>(image.png.size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(image.png.size());
    }
    for (const Image& image : images) {
        out.insert(out.end(), image.png.begin(), image.png.end());
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: icon_file_tool <output.ico> <image.png>...\n";
        return 2;
    }
    std::vector<Image> images(static_cast<std::size_t>(argc - 2));
    for (std::size_t i = 0; i < images.size(); ++i) {
        if (!ReadPng(argv[i + 2], images[i])) {
            std::cerr << "icon_file_tool: " << argv[i + 2]
                      << " is no PNG image of at most 256 by 256 pixels\n";
            return 1;
        }
    }
    const Bytes icon = IconFile(images);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(icon.data()),
              static_cast<std::streamsize>(icon.size()));
    out.close();
    if (!out) {
        std::cerr << "icon_file_tool: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
