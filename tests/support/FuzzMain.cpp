// SPDX-License-Identifier: GPL-3.0-or-later
// A small, dependency-free driver for fuzz targets, used where clang's libFuzzer is missing:
// it runs the seed inputs, then blind random mutations of them for a bounded time, and stops
// at the first crash (the sanitizers report it). Usage: <target> --seconds N <seed folder or
// file>...
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::string> LoadSeeds(const std::vector<std::string>& paths) {
    std::vector<std::string> seeds;
    auto load = [&](const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    for (const auto& p : paths) {
        if (std::filesystem::is_directory(p)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(p))
                if (e.is_regular_file())
                    load(e.path());
        } else if (std::filesystem::exists(p)) {
            load(p);
        }
    }
    if (seeds.empty())
        seeds.emplace_back();
    return seeds;
}

std::string Mutate(std::string s, const std::vector<std::string>& seeds, std::mt19937_64& rng) {
    static const char* tokens[] = {"\\", "\\\\", "=",  "\r\n", "\n", "\r",       "[",   "]",
                                   ";",  "\"",   "0x", "$",    "-",  "\xC3\xA9", "\xFF"};
    int rounds = 1 + int(rng() % 8);
    for (int r = 0; r < rounds; ++r) {
        std::size_t pos = s.empty() ? 0 : rng() % (s.size() + 1);
        switch (rng() % 7) {
        case 0: // flip a bit
            if (!s.empty())
                s[pos % s.size()] ^= char(1u << (rng() % 8));
            break;
        case 1: // random byte
            s.insert(s.begin() + std::ptrdiff_t(pos), char(rng() % 256));
            break;
        case 2: // erase a range
            if (!s.empty())
                s.erase(pos % s.size(), 1 + rng() % 16);
            break;
        case 3: { // insert a token
            const char* t = tokens[rng() % std::size(tokens)];
            s.insert(pos, t);
            break;
        }
        case 4: { // splice a piece of another seed
            const std::string& o = seeds[rng() % seeds.size()];
            if (!o.empty()) {
                std::size_t from = rng() % o.size();
                s.insert(pos, o.substr(from, 1 + rng() % 64));
            }
            break;
        }
        case 5: // duplicate a range
            if (!s.empty()) {
                std::size_t from = rng() % s.size();
                s.insert(pos, s.substr(from, 1 + rng() % 32));
            }
            break;
        default: // truncate
            s.resize(pos);
            break;
        }
    }
    if (s.size() > 1 << 16)
        s.resize(1 << 16);
    return s;
}

} // namespace

int main(int argc, char** argv) {
    double seconds = 10;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else
            paths.emplace_back(argv[i]);
    }
    auto seeds = LoadSeeds(paths);
    for (const auto& s : seeds)
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
    std::mt19937_64 rng(0x5eed);
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    std::vector<std::string> pool = seeds;
    std::uint64_t runs = 0;
    while (std::chrono::steady_clock::now() < end) {
        for (int k = 0; k < 64; ++k, ++runs) {
            std::string input = Mutate(pool[rng() % pool.size()], seeds, rng);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()),
                                   input.size());
            if (pool.size() < 4096 && rng() % 16 == 0)
                pool.push_back(std::move(input));
        }
    }
    std::printf("fuzz: %llu inputs in %.0f s, no fault\n", static_cast<unsigned long long>(runs),
                seconds);
    return 0;
}
