#include "monitor/ForegroundWatch.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace orvyn {

namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view trimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// At most `limit` bytes of a small proc file.
std::optional<std::string> readSmallFile(const std::string &path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string data(limit, '\0');
    in.read(data.data(), static_cast<std::streamsize>(limit));
    data.resize(static_cast<std::size_t>(in.gcount()));
    return data;
}

} // namespace

std::string_view baseName(std::string_view path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string gameFileName(std::string_view gameFile) {
    return lower(trimBlanks(baseName(trimBlanks(gameFile))));
}

std::optional<ProcessNames> readProcessNames(pid_t pid, const std::string &procRoot) {
    if (pid <= 0)
        return std::nullopt;
    const std::string folder = procRoot + "/" + std::to_string(pid) + "/";
    ProcessNames names;

    std::array<char, PATH_MAX> target{};
    const ssize_t length = ::readlink((folder + "exe").c_str(), target.data(), target.size() - 1);
    if (length > 0) {
        std::string_view exe(target.data(), static_cast<std::size_t>(length));
        // A replaced executable reads "<path> (deleted)".
        constexpr std::string_view deleted = " (deleted)";
        if (exe.size() > deleted.size() && exe.substr(exe.size() - deleted.size()) == deleted)
            exe.remove_suffix(deleted.size());
        names.exeName = lower(baseName(exe));
    }

    if (auto cmdline = readSmallFile(folder + "cmdline", 4096)) {
        const std::string_view args(*cmdline);
        const std::string_view argv0 = args.substr(0, args.find('\0'));
        names.argvName = lower(baseName(argv0));
    }

    if (auto comm = readSmallFile(folder + "comm", 64)) {
        std::string_view text(*comm);
        if (!text.empty() && text.back() == '\n')
            text.remove_suffix(1);
        names.comm = lower(text);
    }

    if (names.empty())
        return std::nullopt;
    return names;
}

bool processMatches(const ProcessNames &names, std::string_view gameName) {
    if (gameName.empty())
        return false;
    if (names.exeName == gameName || names.argvName == gameName)
        return true;
    if (names.comm.empty())
        return false;
    if (names.comm == gameName)
        return true;
    // The kernel keeps only the first 15 characters of a longer name.
    return names.comm.size() == kCommMax && gameName.size() > kCommMax && gameName.starts_with(names.comm);
}

int matchingProfile(const ConfigBlock &config, const ProcessNames &names) {
    for (int p = 0; p < kProfileCount; ++p) {
        if (processMatches(names, gameFileName(getFixed(config.profiles[p].GameFile))))
            return p;
    }
    return -1;
}

} // namespace orvyn
