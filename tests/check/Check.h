#pragma once

// A small harness for the Qt-free tests of the core, which also run as Windows programs
// under Wine where Qt Test is not at hand. GROUP(name) { ... } registers a group of checks
// and CASE names the row the checks after it belong to. A failed check prints where and
// why; the run ends with "N passed, N failed" and exits non-zero when anything failed.

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace check {

struct State {
    std::vector<std::pair<const char*, void (*)()>> groups;
    std::vector<std::string> context; // the group, then the rows entered with CASE
    long passed = 0;
    long failed = 0;
};

inline State& state()
{
    static State all;
    return all;
}

struct Case {
    explicit Case(std::string name) { state().context.push_back(std::move(name)); }
    ~Case() { state().context.pop_back(); }
};

template <typename T>
std::string show(const T& value)
{
    if constexpr (std::is_convertible_v<T, std::string_view>) {
        // Zero bytes shown as \0: printed as they are, they would cut the report short.
        std::string text = "\"";
        for (const char c : std::string_view(value))
            text += c ? std::string(1, c) : "\\0";
        return text + '"';
    } else if constexpr (requires { value.begin(); }) {
        return value.empty() ? "{}" : "{" + show(*value.begin()) + (value.size() > 1 ? ", ...}" : "}");
    } else {
        return std::to_string(value);
    }
}

inline bool record(bool ok, const char* expression, const char* file, int line,
                   const std::string& detail = {})
{
    ++(ok ? state().passed : state().failed);
    if (ok)
        return true;
    std::string where;
    for (const std::string& name : state().context)
        where += name + " / ";
    std::printf("FAIL %s%s\n    at %s:%d\n%s", where.c_str(), expression, file, line, detail.c_str());
    return false;
}

template <typename A, typename B>
bool recordEqual(const A& actual, const B& expected, const char* expression, const char* file, int line)
{
    const bool ok = actual == expected;
    return record(ok, expression, file, line,
                  ok ? "" : "    actual " + show(actual) + ", expected " + show(expected) + "\n");
}

template <typename Exception, typename Statement>
bool raises(Statement statement)
{
    try {
        statement();
    } catch (const Exception&) {
        return true;
    }
    return false;
}

inline int runAll()
{
    for (const auto& [name, run] : state().groups) {
        std::printf("group %s\n", name);
        std::fflush(stdout);
        const Case inGroup(name);
        try {
            run();
        } catch (const std::exception& error) {
            record(false, "unexpected exception", __FILE__, __LINE__, error.what() + std::string("\n"));
        } catch (...) {
            record(false, "unexpected exception", __FILE__, __LINE__);
        }
    }
    std::printf("%ld passed, %ld failed\n", state().passed, state().failed);
    return state().failed == 0 && state().passed > 0 ? 0 : 1;
}

} // namespace check

#define CHECK_JOIN2(a, b) a##b
#define CHECK_JOIN(a, b) CHECK_JOIN2(a, b)
#define GROUP(name)                                                                             \
    static void name();                                                                          \
    [[maybe_unused]] static const bool CHECK_JOIN(registered_, name) =                           \
        (check::state().groups.emplace_back(#name, &name), true);                                \
    static void name()
#define CASE(name) const check::Case CHECK_JOIN(case_, __LINE__){name}
#define CHECK(condition) check::record(static_cast<bool>(condition), #condition, __FILE__, __LINE__)
#define CHECK_EQ(actual, expected)                                                              \
    check::recordEqual((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)
#define CHECK_THROWS(Exception, statement)                                                      \
    check::record(check::raises<Exception>([&] { statement; }), #statement " throws " #Exception, \
                  __FILE__, __LINE__)
#define CHECK_MAIN                                                                              \
    int main() { return check::runAll(); }
