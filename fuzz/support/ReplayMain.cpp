// Runs a harness over saved inputs without libFuzzer: each argument is a file or a folder whose
// files are taken in name order, so the test build replays the corpus with gcc and its sanitizers.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace
{
std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& path)
{
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_directory(path))
    {
        for (const auto& entry : std::filesystem::directory_iterator(path))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        std::sort(inputs.begin(), inputs.end());
    }
    else
        inputs.push_back(path);
    return inputs;
}

bool Replay(const std::filesystem::path& input)
{
    std::ifstream file(input, std::ios::binary);
    if (!file)
    {
        std::printf("cannot read %s\n", input.c_str());
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::printf("replaying %s (%zu bytes)\n", input.c_str(), bytes.size());
    std::fflush(stdout);
    // A null pointer for no bytes, as libFuzzer may pass.
    LLVMFuzzerTestOneInput(bytes.empty() ? nullptr : reinterpret_cast<const uint8_t*>(bytes.data()),
                           bytes.size());
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    // Harnesses may change the working directory, so every path is made absolute first.
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i)
        for (const std::filesystem::path& input : InputsOf(std::filesystem::absolute(argv[i])))
            inputs.push_back(input);
    for (const std::filesystem::path& input : inputs)
        if (!Replay(input))
            return 1;
    std::printf("replayed %zu inputs\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
