#pragma once

#include <cstddef>
#include <streambuf>
#include <vector>

namespace quorvane::cli {

// The program's standard output: a buffer over a file descriptor that remembers why a write
// failed (ENOSPC for a full disk, ...), so that the failure can be reported with its reason.
// After a failure it writes nothing more and the stream over it goes bad. On a terminal nothing is
// held back: output is written as it comes, so that it keeps its place among the messages on
// stderr.
class OutputBuffer final : public std::streambuf
{
public:
    explicit OutputBuffer(int fd);
    ~OutputBuffer() override;
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // The errno of the first failed write, or 0.
    int Error() const { return m_error; }

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    // Writes what is buffered; 0, or -1 after a failure.
    int Drain();
    // Writes the bytes; 0, or -1 after a failure (now or before).
    int WriteOut(const char* p, std::size_t size);

    int m_fd;
    bool m_unbuffered;
    int m_error = 0;
    std::vector<char> m_buffer;
};

} // namespace quorvane::cli
