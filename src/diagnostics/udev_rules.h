#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "diagnostics/system_view.h"

namespace wrk7::diagnostics {

// udev rules, as far as matching one USB device goes: which rules file
// claims an adapter for another program, and whether a rule exempts it.

// udev's patterns: * ? [a-z] [!x], and | between alternatives.
bool PatternMatch(const std::string& pattern, const std::string& value);

struct RuleKey {
    std::string key, op, value;
};

// One rule's keys: KEY{attr}=="value", ... (a key udev would refuse ends the list).
std::vector<RuleKey> ParseRule(const std::string& line);

struct RulesFile {
    std::string name;  // "85-brltty.rules"
    std::string folder;
    std::vector<std::vector<RuleKey>> rules;
    bool startsServices = false;  // through SYSTEMD_WANTS
};

// The rules udev reads: a name in /etc hides the same name in /run, and
// both hide the packages' (a link to /dev/null hides it for good). In
// udev's order, by name.
std::vector<RulesFile> EffectiveRules(const SystemView& system);

// What rules are matched against: the USB device and the devices above it.
struct UsbFacts {
    std::uint16_t vendor = 0, product = 0;
    std::string productEnv;      // the kernel's PRODUCT: "1a86/7523/264"
    std::vector<std::filesystem::path> chain;  // the device's sysfs folder, then its parents
};

// A hex id as the kernel's PRODUCT writes it: "264" of "0264".
std::string NoLeadingZeros(const std::string& hex);
// The facts of the USB device in sysfs folder dir, its parents up to devicesRoot.
UsbFacts FactsOf(const std::filesystem::path& dir, const std::filesystem::path& devicesRoot, std::uint16_t vendor,
                 std::uint16_t product);

// Whether a rule's matches hold for the device; keys the doctor cannot
// judge (SUBSYSTEM, ACTION, KERNEL ...) are taken to hold. A rule that
// names neither the vendor nor the product matches nothing here.
bool RuleMatches(const std::vector<RuleKey>& rule, const UsbFacts& facts);
// Whether the rule sets key to value (= or :=).
bool Assigns(const std::vector<RuleKey>& rule, const std::string& key, const std::string& value);
// Whether the rule hands the device to brltty.
bool ClaimsForBraille(const std::vector<RuleKey>& rule);

}  // namespace wrk7::diagnostics
