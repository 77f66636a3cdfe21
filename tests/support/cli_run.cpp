#include "support/cli_run.h"

#include <cstdio>
#include <sys/wait.h>

CliResult RunCli(const std::string& arguments, bool errorOutput) {
    return RunProgram(SITEVANE_CLI, arguments, errorOutput);
}

CliResult RunProgram(const std::string& program, const std::string& arguments, bool errorOutput) {
    const std::string redirect = errorOutput ? " 2>&1 >/dev/null" : " 2>/dev/null";
    CliResult result;
    FILE* pipe = ::popen(("'" + program + "' " + arguments + redirect).c_str(), "r");
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
        result.Output.append(chunk, got);
    }
    const int status = ::pclose(pipe);
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string CliFolder() {
    const std::string cli = SITEVANE_CLI;
    return cli.substr(0, cli.rfind('/') + 1);
}
