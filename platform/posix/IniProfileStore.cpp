#include "platform/posix/IniProfileStore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "platform/posix/XdgSystemInfo.h"

namespace platform {
namespace {

struct Entry {
    std::string key;
    std::string value;
};
struct Section {
    std::string name;
    std::vector<Entry> entries;
};

std::vector<Section> Load(const std::string& path) {
    std::vector<Section> sections;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            auto close = line.find(']');
            if (close == std::string::npos) continue;
            sections.push_back({line.substr(1, close - 1), {}});
            continue;
        }
        auto eq = line.find('=');
        if (eq == std::string::npos || sections.empty()) continue;
        sections.back().entries.push_back({line.substr(0, eq), line.substr(eq + 1)});
    }
    return sections;
}

std::optional<std::string> Find(const std::vector<Section>& sections, const std::string& section,
                                const std::string& key) {
    for (const auto& s : sections)
        if (s.name == section)
            for (const auto& e : s.entries)
                if (e.key == key) return e.value;
    return std::nullopt;
}

bool MakeFolders(const std::string& folder) {
    std::string partial;
    std::stringstream parts(folder);
    std::string part;
    if (!folder.empty() && folder[0] == '/') partial = "/";
    while (std::getline(parts, part, '/')) {
        if (part.empty()) continue;
        partial += part + "/";
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

}  // namespace

IniProfileStore::IniProfileStore(std::string configHome, std::string applicationName)
    : configHome_(std::move(configHome)), applicationName_(std::move(applicationName)) {}

std::string IniProfileStore::DefaultConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return xdg;
    auto home = XdgSystemInfo::FindHomeFolder();
    return home ? *home + "/.config" : std::string();
}

void IniProfileStore::SetRegistryKey(const std::string& company) {
    folder_ = configHome_ + "/" + company;
    path_ = folder_ + "/" + applicationName_ + ".ini";
}

std::string IniProfileStore::GetProfileString(const std::string& section, const std::string& key,
                                              const std::string& defaultValue) {
    if (path_.empty()) return defaultValue;
    return Find(Load(path_), section, key).value_or(defaultValue);
}

bool IniProfileStore::WriteProfileString(const std::string& section, const std::string& key,
                                         const std::string& value) {
    if (path_.empty() || value.find('\n') != std::string::npos) return false;
    auto sections = Load(path_);
    Section* target = nullptr;
    for (auto& s : sections)
        if (s.name == section) target = &s;
    if (target == nullptr) {
        sections.push_back({section, {}});
        target = &sections.back();
    }
    bool replaced = false;
    for (auto& e : target->entries)
        if (e.key == key) {
            e.value = value;
            replaced = true;
        }
    if (!replaced) target->entries.push_back({key, value});

    if (!MakeFolders(folder_)) return false;
    const std::string temporary = path_ + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& s : sections) {
            out << '[' << s.name << "]\n";
            for (const auto& e : s.entries) out << e.key << '=' << e.value << '\n';
        }
        out.flush();
        if (!out) {
            ::unlink(temporary.c_str());
            return false;
        }
    }
    return ::rename(temporary.c_str(), path_.c_str()) == 0;
}

std::uint32_t IniProfileStore::GetProfileInt(const std::string& section, const std::string& key,
                                             std::uint32_t defaultValue) {
    if (path_.empty()) return defaultValue;
    auto text = Find(Load(path_), section, key);
    if (!text) return defaultValue;
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(text->c_str(), &end, 10);
    if (end == text->c_str() || errno != 0) return defaultValue;
    return static_cast<std::uint32_t>(value);
}

bool IniProfileStore::WriteProfileInt(const std::string& section, const std::string& key,
                                      std::uint32_t value) {
    return WriteProfileString(section, key, std::to_string(value));
}

}  // namespace platform
