// Builds, checks and queries version blocks; every length read from a block is checked against
// the bytes of its parent before it is used.
#include "platform/module/VersionBlock.h"

#include <algorithm>
#include <optional>

namespace platform {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kMaxLength = 0xFFFF;
constexpr std::uint16_t kTypeBinary = 0;
constexpr std::uint16_t kTypeText = 1;
constexpr std::string_view kRootKey = "VS_VERSION_INFO";
constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;
constexpr std::size_t kFixedInfoSize = 52;
constexpr std::uint32_t kFixedStructVersion = 0x00010000;
constexpr std::uint32_t kFixedFlagsMask = 0x3F;
constexpr std::uint32_t kOsWindows32 = 0x4;
constexpr std::uint32_t kTypeApplication = 0x1;
constexpr char32_t kReplacement = 0xFFFD;

constexpr std::size_t Align4(std::size_t offset) {
    return (offset + 3) & ~std::size_t{3};
}

std::uint16_t Word(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

std::uint32_t DoubleWord(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(Word(bytes, at)) |
           static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16;
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string result;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = code << 6 | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && code >= kSmallest[length] && code <= 0x10FFFF &&
                (code < 0xD800 || code > 0xDFFF);
        result.push_back(valid ? code : kReplacement);
        i += valid ? length : 1;
    }
    return result;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | code >> 6));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | code >> 12));
        out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | code >> 18));
        out.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
        return lower(x) == lower(y);
    });
}

// Writes blocks one after the other; a block's length is filled in when it is finished.
class BlockWriter {
  public:
    std::size_t Begin(std::string_view key, std::size_t valueLength, std::uint16_t type) {
        Align();
        const std::size_t start = bytes.size();
        AppendWord(0);
        AppendWord(static_cast<std::uint16_t>(std::min(valueLength, kMaxLength)));
        fits = fits && valueLength <= kMaxLength;
        AppendWord(type);
        AppendText(key);
        Align();
        return start;
    }

    void Finish(std::size_t start) {
        const std::size_t length = bytes.size() - start;
        fits = fits && length <= kMaxLength;
        bytes[start] = static_cast<std::byte>(length & 0xFF);
        bytes[start + 1] = static_cast<std::byte>(length >> 8 & 0xFF);
    }

    void AppendWord(std::uint16_t value) {
        bytes.push_back(static_cast<std::byte>(value & 0xFF));
        bytes.push_back(static_cast<std::byte>(value >> 8));
    }

    void AppendDoubleWord(std::uint32_t value) {
        AppendWord(static_cast<std::uint16_t>(value & 0xFFFF));
        AppendWord(static_cast<std::uint16_t>(value >> 16));
    }

    // The text and its terminating zero.
    void AppendText(std::string_view text) {
        for (char32_t code : DecodeUtf8(text)) {
            if (code >= 0x10000) {
                AppendWord(static_cast<std::uint16_t>(0xD800 + ((code - 0x10000) >> 10)));
                AppendWord(static_cast<std::uint16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
            } else {
                AppendWord(static_cast<std::uint16_t>(code));
            }
        }
        AppendWord(0);
    }

    std::vector<std::byte> Result() && {
        return fits ? std::move(bytes) : std::vector<std::byte>{};
    }

  private:
    void Align() { bytes.resize(Align4(bytes.size())); }

    std::vector<std::byte> bytes;
    bool fits = true;
};

std::size_t Utf16Length(std::string_view text) {
    std::size_t length = 0;
    for (char32_t code : DecodeUtf8(text)) {
        length += code >= 0x10000 ? 2 : 1;
    }
    return length;
}

void WriteFixedInfo(BlockWriter& writer, const VersionBlockContents& contents) {
    const auto high = [](const std::array<std::uint16_t, 4>& v) {
        return static_cast<std::uint32_t>(v[0]) << 16 | v[1];
    };
    const auto low = [](const std::array<std::uint16_t, 4>& v) {
        return static_cast<std::uint32_t>(v[2]) << 16 | v[3];
    };
    for (std::uint32_t field :
         {kFixedSignature, kFixedStructVersion, high(contents.fileVersion),
          low(contents.fileVersion), high(contents.productVersion), low(contents.productVersion),
          kFixedFlagsMask, 0U, kOsWindows32, kTypeApplication, 0U, 0U, 0U}) {
        writer.AppendDoubleWord(field);
    }
}

struct Node {
    std::size_t end = 0;
    std::string key;
    std::size_t valueBegin = 0;
    std::size_t valueSize = 0;
    bool text = false;
    std::size_t childrenBegin = 0;
};

// The block at `offset`, which must lie before `limit`, the end of its parent.
std::optional<Node> ReadNode(std::span<const std::byte> block, std::size_t offset,
                             std::size_t limit) {
    if (offset > limit || limit - offset < kHeaderSize) {
        return std::nullopt;
    }
    const std::size_t length = Word(block, offset);
    if (length < kHeaderSize || length > limit - offset) {
        return std::nullopt;
    }
    Node node;
    node.end = offset + length;
    node.text = Word(block, offset + 4) == kTypeText;
    node.valueSize = Word(block, offset + 2) * std::size_t{node.text ? 2U : 1U};
    const std::size_t keyBegin = offset + kHeaderSize;
    std::size_t at = keyBegin;
    for (;; at += 2) {
        if (node.end - at < 2) {
            return std::nullopt;
        }
        if (Word(block, at) == 0) {
            break;
        }
    }
    node.key = VersionTextToUtf8(block.subspan(keyBegin, at - keyBegin));
    node.valueBegin = std::min(Align4(at + 2), node.end);
    if (node.valueSize > node.end - node.valueBegin) {
        return std::nullopt;
    }
    node.childrenBegin = Align4(node.valueBegin + node.valueSize);
    return node;
}

std::optional<Node> FindChild(std::span<const std::byte> block, const Node& parent,
                              std::string_view key) {
    for (std::size_t at = parent.childrenBegin;
         at < parent.end && parent.end - at >= kHeaderSize;) {
        std::optional<Node> child = ReadNode(block, at, parent.end);
        if (!child || EqualIgnoringCase(child->key, key)) {
            return child;
        }
        at = Align4(child->end);
    }
    return std::nullopt;
}

std::optional<Node> ReadRoot(std::span<const std::byte> bytes) {
    std::optional<Node> root = ReadNode(bytes, 0, std::min(bytes.size(), kMaxLength));
    if (!root || !EqualIgnoringCase(root->key, kRootKey)) {
        return std::nullopt;
    }
    if (root->valueSize != 0 && (root->valueSize < kFixedInfoSize ||
                                 DoubleWord(bytes, root->valueBegin) != kFixedSignature)) {
        return std::nullopt;
    }
    return root;
}

}  // namespace

std::vector<std::byte> BuildVersionBlock(const VersionBlockContents& contents) {
    BlockWriter writer;
    const std::size_t root = writer.Begin(kRootKey, kFixedInfoSize, kTypeBinary);
    WriteFixedInfo(writer, contents);
    if (!contents.stringTables.empty()) {
        const std::size_t info = writer.Begin("StringFileInfo", 0, kTypeText);
        for (const VersionStringTable& table : contents.stringTables) {
            const std::size_t tableStart = writer.Begin(table.key, 0, kTypeText);
            for (const VersionString& string : table.strings) {
                const std::size_t entry =
                    writer.Begin(string.name, Utf16Length(string.value) + 1, kTypeText);
                writer.AppendText(string.value);
                writer.Finish(entry);
            }
            writer.Finish(tableStart);
        }
        writer.Finish(info);
    }
    if (!contents.translations.empty()) {
        const std::size_t info = writer.Begin("VarFileInfo", 0, kTypeText);
        const std::size_t var =
            writer.Begin("Translation", contents.translations.size() * 4, kTypeBinary);
        for (const VersionTranslation& translation : contents.translations) {
            writer.AppendWord(translation.language);
            writer.AppendWord(translation.codePage);
        }
        writer.Finish(var);
        writer.Finish(info);
    }
    writer.Finish(root);
    return std::move(writer).Result();
}

std::size_t VersionBlockLength(std::span<const std::byte> bytes) {
    const std::optional<Node> root = ReadRoot(bytes);
    return root ? root->end : 0;
}

bool FindVersionValue(std::span<const std::byte> block, std::string_view subBlock,
                      VersionValue& value) {
    std::optional<Node> node = ReadRoot(block);
    while (node && !subBlock.empty()) {
        const std::size_t separator = std::min(subBlock.find('\\'), subBlock.size());
        if (separator != 0) {
            node = FindChild(block, *node, subBlock.substr(0, separator));
        }
        subBlock.remove_prefix(std::min(separator + 1, subBlock.size()));
    }
    if (!node) {
        return false;
    }
    value.data = block.subspan(node->valueBegin, node->valueSize);
    value.text = node->text;
    return true;
}

std::string VersionTextToUtf8(std::span<const std::byte> text) {
    std::string result;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        char32_t code = Word(text, i);
        if (code >= 0xD800 && code <= 0xDBFF && i + 3 < text.size()) {
            const std::uint16_t next = Word(text, i + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (next - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(result, code >= 0xD800 && code <= 0xDFFF ? kReplacement : code);
    }
    return result;
}

}  // namespace platform
