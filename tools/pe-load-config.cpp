// Build-time helper for the Windows program: points its PE header's load-configuration directory
// at the program's _load_config_used structure, which GNU ld links in but leaves unannounced.
// Windows reads the structure only through that directory: its DependentLoadFlags keep the
// loader from looking for the program's DLLs in its own folder.
//   pe-load-config PROGRAM.exe LINKER.map
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::uint64_t read(const Bytes& file, std::size_t at, int size)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | file.at(at + std::size_t(i));
    return value;
}

void write32(Bytes& file, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        file.at(at + std::size_t(i)) = static_cast<unsigned char>(value >> (8 * i));
}

// The structure's address as the linker map gives it: "0x<address>  _load_config_used".
std::optional<std::uint64_t> addressInMap(const char* path)
{
    std::ifstream map(path);
    const std::regex line(R"(^\s+0x([0-9a-fA-F]+)\s+_load_config_used\s*$)");
    std::smatch match;
    for (std::string text; std::getline(map, text);)
        if (std::regex_match(text, match, line))
            return std::stoull(match[1], nullptr, 16);
    return std::nullopt;
}

int fail(const char* what, const char* path)
{
    std::fprintf(stderr, "pe-load-config: %s: %s\n", path, what);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM.exe LINKER.map\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    Bytes file{std::istreambuf_iterator<char>(in), {}};
    const std::optional<std::uint64_t> address = addressInMap(argv[2]);
    if (!address)
        return fail("no _load_config_used in the map", argv[2]);
    try {
        const std::size_t pe = read(file, 0x3c, 4);
        if (read(file, pe, 4) != 0x4550 || read(file, pe + 24, 2) != 0x20b)
            return fail("not a 64-bit Windows program", argv[1]);
        const std::size_t sections = read(file, pe + 6, 2), optional = pe + 24;
        const std::uint64_t rva = *address - read(file, optional + 24, 8); // less the image base
        const std::size_t loadConfigEntry = optional + 112 + 10 * 8;
        // The structure's first field is its own size, which the directory repeats.
        for (std::size_t s = 0, table = optional + read(file, pe + 20, 2); s < sections; ++s) {
            const std::size_t header = table + 40 * s;
            const std::uint64_t start = read(file, header + 12, 4),
                                raw = read(file, header + 16, 4);
            if (rva < start || rva >= start + raw)
                continue;
            const auto size =
                std::uint32_t(read(file, read(file, header + 20, 4) + rva - start, 4));
            write32(file, loadConfigEntry, std::uint32_t(rva));
            write32(file, loadConfigEntry + 4, size);
            std::ofstream(argv[1], std::ios::binary | std::ios::trunc)
                .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
            return 0;
        }
        return fail("_load_config_used lies in no section", argv[1]);
    } catch (const std::out_of_range&) {
        return fail("cut short", argv[1]);
    }
}
