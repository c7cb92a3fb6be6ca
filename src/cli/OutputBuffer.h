#pragma once

#include <streambuf>
#include <vector>

namespace quorvane::cli {

// The program's standard output: a buffer over a file descriptor that remembers why a write
// failed (ENOSPC for a full disk, ...), so that the failure can be reported with its reason.
// After a failure it writes nothing more and the stream over it goes bad.
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
    int sync() override;

private:
    // Writes what is buffered; 0, or -1 after a failure.
    int Drain();

    int m_fd;
    int m_error = 0;
    std::vector<char> m_buffer;
};

} // namespace quorvane::cli
