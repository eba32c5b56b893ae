// Feeds a fuzz target every input of the files and folders named on the command line, as
// libFuzzer replays a corpus, for a build without libFuzzer. A broken property aborts, which
// fails the test.

#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// The input being fed, named when a broken property aborts.
std::string current;

void nameInput(int) {
    constexpr std::string_view before = "\nwhile replaying ";
    for (std::string_view part : {before, std::string_view(current), std::string_view("\n")})
        if (write(STDERR_FILENO, part.data(), part.size()) < 0)
            break;
    std::_Exit(134);
}

std::vector<std::filesystem::path> inputsIn(const std::filesystem::path& named) {
    if (!std::filesystem::is_directory(named))
        return {named};
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(named))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    return files;
}

} // namespace

int main(int argc, char** argv) {
    std::signal(SIGABRT, nameInput);
    const auto start = std::chrono::steady_clock::now();
    std::size_t count = 0;
    for (int arg = 1; arg < argc; ++arg) {
        if (!std::filesystem::exists(argv[arg])) {
            std::fprintf(stderr, "no such file or folder: %s\n", argv[arg]);
            return 1;
        }
        for (const std::filesystem::path& file : inputsIn(argv[arg])) {
            std::ifstream stream(file, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(stream),
                                    std::istreambuf_iterator<char>()};
            current = file.string();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++count;
        }
    }
    const auto elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    std::printf("%zu inputs in %.2f s\n", count, elapsed.count());
    return count > 0 ? 0 : 1;
}
