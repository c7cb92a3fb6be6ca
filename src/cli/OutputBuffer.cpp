#include "OutputBuffer.h"

#include <cerrno>
#include <unistd.h>

namespace quorvane::cli {

OutputBuffer::OutputBuffer(int fd)
    : m_fd(fd)
    , m_unbuffered(::isatty(fd) == 1)
{
    // Without a put area every character and every piece goes through overflow and xsputn.
    if (!m_unbuffered) {
        m_buffer.resize(std::size_t{1} << 16);
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    }
}

OutputBuffer::~OutputBuffer()
{
    Drain();
}

OutputBuffer::int_type OutputBuffer::overflow(int_type ch)
{
    if (Drain() != 0) {
        return traits_type::eof();
    }
    if (traits_type::eq_int_type(ch, traits_type::eof())) {
        return traits_type::not_eof(ch);
    }
    const char c = traits_type::to_char_type(ch);
    if (m_unbuffered) {
        return WriteOut(&c, 1) == 0 ? ch : traits_type::eof();
    }
    *pptr() = c;
    pbump(1);
    return ch;
}

std::streamsize OutputBuffer::xsputn(const char* s, std::streamsize n)
{
    if (m_unbuffered) {
        return WriteOut(s, static_cast<std::size_t>(n)) == 0 ? n : 0;
    }
    return std::streambuf::xsputn(s, n);
}

int OutputBuffer::sync()
{
    return Drain();
}

int OutputBuffer::Drain()
{
    if (WriteOut(pbase(), static_cast<std::size_t>(pptr() - pbase())) != 0) {
        return -1;
    }
    setp(pbase(), epptr());
    return 0;
}

int OutputBuffer::WriteOut(const char* p, std::size_t size)
{
    if (m_error != 0) {
        return -1;
    }
    while (size > 0) {
        const ssize_t n = ::write(m_fd, p, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            m_error = n < 0 ? errno : EIO;
            return -1;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

} // namespace quorvane::cli
