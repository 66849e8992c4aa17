// Runs a fuzz target over saved inputs without libFuzzer: every file of the
// folders (and every file) named on the command line, in name order, is given
// to LLVMFuzzerTestOneInput once. A fault of the project's code ends the run
// as it would end the fuzzer, so the corpus and the inputs that once found a
// fault guard the readers in every build.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& place)
{
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_regular_file(place)) {
        inputs.push_back(place);
    } else if (std::filesystem::is_directory(place)) {
        for (const auto& entry : std::filesystem::directory_iterator(place))
            if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
                inputs.push_back(entry.path());
        std::sort(inputs.begin(), inputs.end());
    }
    return inputs;
}

} // namespace

int main(int argc, char** argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        for (const std::filesystem::path& input : InputsOf(argv[i])) {
            std::ifstream file(input, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
            std::fprintf(stderr, "%s\n", input.string().c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++count;
        }
    }
    std::printf("%d inputs replayed\n", count);
    return 0;
}
