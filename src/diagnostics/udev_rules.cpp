#include "diagnostics/udev_rules.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>
#include <system_error>

#include "diagnostics/usb_chips.h"

namespace wrk7::diagnostics {

namespace fs = std::filesystem;

namespace {

// udev's patterns: * ? [a-z] [!x], and | between alternatives.
bool GlobMatch(const char* p, const char* s) {
    for (; *p; ++p, ++s) {
        if (*p == '*') {
            for (const char* rest = s;; ++rest) {
                if (GlobMatch(p + 1, rest)) return true;
                if (!*rest) return false;
            }
        }
        if (!*s) return false;
        if (*p == '[') {
            const char* q = p + 1;
            const bool negate = *q == '!';
            if (negate) ++q;
            bool hit = false;
            for (; *q && *q != ']'; ++q) {
                if (q[1] == '-' && q[2] && q[2] != ']') {
                    hit |= *s >= *q && *s <= q[2];
                    q += 2;
                } else {
                    hit |= *s == *q;
                }
            }
            if (!*q || hit == negate) return false;
            p = q;
        } else if (*p != '?' && *p != *s) {
            return false;
        }
    }
    return !*s;
}

}  // namespace

bool PatternMatch(const std::string& pattern, const std::string& value) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = pattern.find('|', start);
        if (GlobMatch(pattern.substr(start, bar - start).c_str(), value.c_str())) return true;
        if (bar == std::string::npos) return false;
        start = bar + 1;
    }
}

std::vector<RuleKey> ParseRule(const std::string& line) {
    std::vector<RuleKey> keys;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ',' || std::isspace(static_cast<unsigned char>(line[i])))) ++i;
        if (i >= line.size()) break;
        RuleKey k;
        while (i < line.size() && std::string("=!+-:").find(line[i]) == std::string::npos) k.key += line[i++];
        while (i < line.size() && std::string("=!+-:").find(line[i]) != std::string::npos) k.op += line[i++];
        if (i >= line.size() || line[i] != '"') break;
        for (++i; i < line.size() && line[i] != '"'; ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) ++i;
            k.value += line[i];
        }
        ++i;
        k.key = Trimmed(k.key);
        keys.push_back(k);
    }
    return keys;
}

std::vector<RulesFile> EffectiveRules(const SystemView& system) {
    static const char* const kFolders[] = {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/local/lib/udev/rules.d",
                                           "/lib/udev/rules.d", "/usr/lib/udev/rules.d"};
    std::map<std::string, RulesFile> byName;
    for (const char* folder : kFolders) {
        for (const fs::path& path : Entries(system.Here(folder))) {
            const std::string name = path.filename().string();
            if (path.extension() != ".rules" || byName.count(name)) continue;
            RulesFile file{name, folder, {}, false};
            std::error_code error;
            if (fs::is_symlink(fs::symlink_status(path, error)) && fs::read_symlink(path, error) == "/dev/null") {
                byName[name] = file;
                continue;
            }
            std::istringstream text(ReadText(path));
            std::string line, joined;
            while (std::getline(text, line)) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (!line.empty() && line.back() == '\\') {
                    joined += line.substr(0, line.size() - 1);
                    continue;
                }
                joined = Trimmed(joined + line);
                if (!joined.empty() && joined[0] != '#') {
                    file.rules.push_back(ParseRule(joined));
                    if (joined.find("SYSTEMD_WANTS") != std::string::npos) file.startsServices = true;
                }
                joined.clear();
            }
            byName[name] = file;
        }
    }
    std::vector<RulesFile> out;
    for (auto& [name, file] : byName) out.push_back(std::move(file));
    return out;  // in udev's order, by name
}

std::string NoLeadingZeros(const std::string& hex) {
    const auto first = hex.find_first_not_of('0');
    return first == std::string::npos ? "0" : hex.substr(first);
}

UsbFacts FactsOf(const fs::path& dir, const fs::path& devicesRoot, std::uint16_t vendor, std::uint16_t product) {
    UsbFacts facts{vendor, product, {}, {}};
    facts.productEnv = NoLeadingZeros(HexId(vendor)) + '/' + NoLeadingZeros(HexId(product)) + '/' +
                       NoLeadingZeros(Lower(Attr(dir, "bcdDevice")));
    for (fs::path p = dir; !p.empty() && p != devicesRoot && p != p.parent_path(); p = p.parent_path())
        facts.chain.push_back(p);
    return facts;
}

bool RuleMatches(const std::vector<RuleKey>& rule, const UsbFacts& facts) {
    bool identifies = false;
    for (const RuleKey& k : rule) {
        if (k.op != "==" && k.op != "!=") continue;
        std::vector<std::string> values;
        auto attr = [](const std::string& key, const char* kind) {
            return key.rfind(kind, 0) == 0 && key.back() == '}' ? key.substr(std::string(kind).size(), key.size() - std::string(kind).size() - 1)
                                                                 : std::string();
        };
        if (k.key == "ENV{PRODUCT}") {
            values = {facts.productEnv};
            identifies = true;
        } else if (k.key == "ENV{ID_VENDOR_ID}") {
            values = {HexId(facts.vendor)};
            identifies = true;
        } else if (k.key == "ENV{ID_MODEL_ID}") {
            values = {HexId(facts.product)};
        } else if (const std::string name = attr(k.key, "ATTR{"); !name.empty() && !facts.chain.empty()) {
            values = {Attr(facts.chain.front(), name.c_str())};
            identifies |= name == "idVendor";
        } else if (const std::string names = attr(k.key, "ATTRS{"); !names.empty()) {
            for (const fs::path& p : facts.chain)
                if (fs::exists(p / names)) values.push_back(Attr(p, names.c_str()));
            identifies |= names == "idVendor";
        } else {
            continue;
        }
        const bool any = std::any_of(values.begin(), values.end(), [&](const std::string& v) { return PatternMatch(k.value, v); });
        if (any != (k.op == "==")) return false;
    }
    return identifies;
}

bool Assigns(const std::vector<RuleKey>& rule, const std::string& key, const std::string& value) {
    return std::any_of(rule.begin(), rule.end(),
                       [&](const RuleKey& k) { return k.key == key && (k.op == "=" || k.op == ":=") && k.value == value; });
}

bool ClaimsForBraille(const std::vector<RuleKey>& rule) {
    return std::any_of(rule.begin(), rule.end(), [](const RuleKey& k) {
        return k.key == "ENV{BRLTTY_BRAILLE_DRIVER}" || (k.key == "GOTO" && k.value.find("brltty") != std::string::npos) ||
               (k.key == "RUN" && k.value.find("brltty") != std::string::npos);
    });
}

}  // namespace wrk7::diagnostics
