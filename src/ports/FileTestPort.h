#pragma once

#include <string_view>

namespace orbelle {

// Whether a full path names an ordinary file: it exists and is neither a folder nor
// hidden nor a system file.
class FileTestPort {
public:
    virtual ~FileTestPort() = default;
    virtual bool isOrdinaryFile(std::string_view path) const = 0;
};

} // namespace orbelle
