#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "Cli.h"
#include "OutputBuffer.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    quorvane::cli::OutputBuffer buffer(STDOUT_FILENO);
    std::ostream out(&buffer);
    return quorvane::cli::RunCli(args, out, std::cerr);
}
