#include "text/Encoding.h"

#include <cerrno>
#include <iconv.h>

namespace quorvane {

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the bytes there are not one.
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        return 1;
    }
    std::size_t len = 0;
    std::uint32_t cp = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (i + len > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (overlong || surrogate || cp > 0x10FFFF) {
        return 0;
    }
    return len;
}

// Keeps the valid UTF-8 sequences and replaces every other byte with U+FFFD.
std::string SanitizeUtf8(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t len = Utf8SequenceLength(s, i);
        if (len == 0) {
            out += kReplacement;
            ++i;
        } else {
            out.append(s.substr(i, len));
            i += len;
        }
    }
    return out;
}

class Converter final
{
public:
    Converter(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {
    }
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(m_cd);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts the input; a sequence that cannot be converted is skipped (skip(in, pos) says how
    // many bytes) and replaced by the text replacement.
    template <typename SkipFn>
    std::string Run(std::string_view input, std::string_view replacement, SkipFn skip)
    {
        std::string out;
        out.reserve(input.size() * 3 / 2 + 16);
        std::size_t pos = 0;
        char buf[4096];
        while (pos < input.size()) {
            char* in = const_cast<char*>(input.data() + pos);
            std::size_t inLeft = input.size() - pos;
            char* outp = buf;
            std::size_t outLeft = sizeof buf;
            const std::size_t r = iconv(m_cd, &in, &inLeft, &outp, &outLeft);
            out.append(buf, static_cast<std::size_t>(outp - buf));
            pos = static_cast<std::size_t>(in - input.data());
            if (r == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) {
                    continue;
                }
                // EILSEQ or EINVAL (a sequence cut off at the end): replace and go on.
                out.append(replacement);
                pos += skip(input, pos);
                iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t m_cd;
};

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = Utf8SequenceLength(bytes, i);
        if (len == 0) {
            return false;
        }
        i += len;
    }
    return true;
}

std::string GbkToUtf8(std::string_view gbk)
{
    Converter conv("UTF-8", "GBK");
    if (!conv.Ok()) {
        return SanitizeUtf8(gbk);
    }
    return conv.Run(gbk, kReplacement, [](std::string_view, std::size_t) { return std::size_t{1}; });
}

std::string Utf8ToGbk(std::string_view utf8)
{
    Converter conv("GBK", "UTF-8");
    if (!conv.Ok()) {
        return std::string(utf8);
    }
    return conv.Run(utf8, "?", [](std::string_view s, std::size_t pos) {
        const std::size_t len = Utf8SequenceLength(s, pos);
        return len == 0 ? std::size_t{1} : len;
    });
}

std::string DecodeFileText(std::string_view bytes)
{
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        return SanitizeUtf8(bytes.substr(3));
    }
    if (IsValidUtf8(bytes)) {
        return std::string(bytes);
    }
    return GbkToUtf8(bytes);
}

} // namespace quorvane
