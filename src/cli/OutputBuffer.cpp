#include "OutputBuffer.h"

#include <cerrno>
#include <unistd.h>

namespace quorvane::cli {

OutputBuffer::OutputBuffer(int fd)
    : m_fd(fd)
    , m_buffer(std::size_t{1} << 16)
{
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
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
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(ch);
        pbump(1);
    }
    return traits_type::not_eof(ch);
}

int OutputBuffer::sync()
{
    return Drain();
}

int OutputBuffer::Drain()
{
    if (m_error != 0) {
        return -1;
    }
    const char* p = pbase();
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    while (left > 0) {
        const ssize_t n = ::write(m_fd, p, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            m_error = n < 0 ? errno : EIO;
            return -1;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return 0;
}

} // namespace quorvane::cli
