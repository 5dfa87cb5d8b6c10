#include "os/win/WinText.h"

#include <windows.h>

#include <climits>

namespace orbelle {

namespace {

std::wstring toWide(UINT codePage, std::string_view text)
{
    if (text.empty() || text.size() > INT_MAX)
        return {};
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

std::string fromWide(UINT codePage, const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int length = static_cast<int>(wide.size());
    const int narrowLength = WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0,
                                                 nullptr, nullptr);
    if (narrowLength <= 0)
        return {};
    std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), length, narrow.data(), narrowLength, nullptr,
                        nullptr);
    return narrow;
}

} // namespace

std::string ansiToUtf8(std::string_view ansi)
{
    return fromWide(CP_UTF8, toWide(CP_ACP, ansi));
}

std::string utf8ToAnsi(std::string_view utf8)
{
    return fromWide(CP_ACP, toWide(CP_UTF8, utf8));
}

} // namespace orbelle
