#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "platform/registry.h"

namespace fakes {

// HKEY_LOCAL_MACHINE as keys holding 32-bit values.
class FakeRegistry : public platform::Registry {
public:
    std::map<std::string, std::map<std::string, std::uint32_t>> keys;  // sub key -> value -> data

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
};

}  // namespace fakes
