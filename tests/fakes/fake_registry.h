#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "platform/registry.h"

namespace fakes {

// HKEY_LOCAL_MACHINE as keys holding 32-bit values, and string values under either hive.
class FakeRegistry : public platform::Registry {
public:
    using Root = platform::RegistryRoot;
    std::map<std::string, std::map<std::string, std::uint32_t>> keys;                    // sub key -> value -> data
    std::map<std::pair<Root, std::string>, std::map<std::string, std::string>> strings;  // root, key -> value -> data
    std::map<Root, std::uint32_t> refusals;  // a hive listed here answers this error to writes and deletes

    platform::RegistryRead readLocalMachineDword(const std::string& subKey, const std::string& valueName) override {
        platform::RegistryRead r;
        auto key = keys.find(subKey);
        if (key == keys.end()) return r;
        r.keyOpened = true;
        auto value = key->second.find(valueName);
        if (value != key->second.end()) {
            r.valueRead = true;
            r.data = value->second;
        }
        return r;
    }
    std::uint32_t setString(Root root, const std::string& subKey, const std::string& valueName,
                            const std::string& data) override {
        if (auto refusal = refusals.find(root); refusal != refusals.end()) return refusal->second;
        strings[{root, subKey}][valueName] = data;
        return platform::kRegistryOk;
    }
    std::uint32_t deleteValue(Root root, const std::string& subKey, const std::string& valueName) override {
        if (auto refusal = refusals.find(root); refusal != refusals.end()) return refusal->second;
        if (auto key = strings.find({root, subKey}); key != strings.end()) key->second.erase(valueName);
        return platform::kRegistryOk;
    }
};

}  // namespace fakes
