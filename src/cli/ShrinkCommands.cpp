#include <ostream>

#include "Cli.h"

// Placeholder until the command is built: reports that this build does not offer it.
namespace quorvane::cli {

int RunPrizeCommand(const std::vector<std::string>& /*args*/, std::ostream& /*out*/, std::ostream& err)
{
    err << "quorvane-cli: this command is not available yet\n";
    return kExitUsage;
}

int RunLevelCommand(const std::vector<std::string>& /*args*/, std::ostream& /*out*/, std::ostream& err)
{
    err << "quorvane-cli: this command is not available yet\n";
    return kExitUsage;
}

} // namespace quorvane::cli
