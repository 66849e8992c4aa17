// A stand-in for the programs the configurator starts (the update program
// among them). It records how it was started and behaves as the environment
// asks:
//   FAKE_PROGRAM_RECORD     file to write at start: "cwd=<folder>", then one
//                           "arg=<argument>" line per argument (backslash and
//                           line break escaped as \\ and \n); "done" is
//                           appended just before the program ends
//   FAKE_PROGRAM_COPY_FROM  file whose content is copied at start ...
//   FAKE_PROGRAM_COPY_TO    ... to this file (a job file as it was found)
//   FAKE_PROGRAM_SLEEP_MS   time to wait before ending
//   FAKE_PROGRAM_EXIT_CODE  exit code (0 when unset)
//   FAKE_PROGRAM_CRASH      "1": end by abort() instead

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include <unistd.h>

namespace {

std::string env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

int envNumber(const char* name)
{
    const std::string value = env(name);
    return value.empty() ? 0 : std::atoi(value.c_str());
}

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string currentFolder()
{
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? buffer : "?";
}

void record(int argc, char** argv)
{
    const std::string path = env("FAKE_PROGRAM_RECORD");
    if (path.empty())
        return;
    std::ofstream out(path, std::ios::trunc);
    out << "cwd=" << escaped(currentFolder()) << '\n';
    for (int i = 1; i < argc; ++i)
        out << "arg=" << escaped(argv[i]) << '\n';
}

void copyFile()
{
    const std::string from = env("FAKE_PROGRAM_COPY_FROM");
    const std::string to = env("FAKE_PROGRAM_COPY_TO");
    if (from.empty() || to.empty())
        return;
    std::ifstream in(from, std::ios::binary);
    if (!in)
        return;
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out << in.rdbuf();
}

void recordEnd()
{
    const std::string path = env("FAKE_PROGRAM_RECORD");
    if (!path.empty())
        std::ofstream(path, std::ios::app) << "done\n";
}

} // namespace

int main(int argc, char** argv)
{
    record(argc, argv);
    copyFile();
    std::this_thread::sleep_for(std::chrono::milliseconds(envNumber("FAKE_PROGRAM_SLEEP_MS")));
    recordEnd();
    if (env("FAKE_PROGRAM_CRASH") == "1")
        std::abort();
    return envNumber("FAKE_PROGRAM_EXIT_CODE");
}
