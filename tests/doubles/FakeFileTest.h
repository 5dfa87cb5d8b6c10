#pragma once

#include "ports/FileTestPort.h"

#include <set>
#include <string>
#include <vector>

namespace orbelle {

// Test double: knows a fixed set of ordinary files and remembers what was asked.
class FakeFileTest final : public FileTestPort {
public:
    bool isOrdinaryFile(std::string_view path) const override
    {
        asked.emplace_back(path);
        return files.count(std::string(path)) != 0;
    }

    std::set<std::string> files;
    mutable std::vector<std::string> asked;
};

} // namespace orbelle
