#pragma once

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"

namespace quorvane::test {

struct CliResult
{
    int Code = 0;
    std::string Out;
    std::string Err;
};

// Runs one command line in-process.
inline CliResult RunCliInProcess(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    CliResult r;
    r.Code = quorvane::cli::RunCli(args, out, err);
    r.Out = out.str();
    r.Err = err.str();
    return r;
}

// Runs a shell command line and returns its standard output (for end-to-end checks of the binary).
inline std::string RunShell(const std::string& command, int* status = nullptr)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) {
        output.append(buf.data(), n);
    }
    const int rc = pclose(pipe);
    if (status != nullptr) {
        *status = rc;
    }
    return output;
}

} // namespace quorvane::test
