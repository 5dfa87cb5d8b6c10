#pragma once

// A small harness for the Qt-free tests of the core, which also run as Windows programs
// under Wine where Qt Test is not at hand. Tests are functions grouped by name; every
// check counts, a failed one prints where and why, and the run ends with the line
// "N passed, N failed" and a non-zero exit code when anything failed.

#include <cstdio>
#include <exception>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace check {

struct Group {
    const char* name;
    void (*run)();
};

inline std::vector<Group>& groups()
{
    static std::vector<Group> all;
    return all;
}

struct Tally {
    long passed = 0;
    long failed = 0;
};

inline Tally& tally()
{
    static Tally counts;
    return counts;
}

// What the failing check was about: the group and any rows entered with CASE.
inline std::vector<std::string>& context()
{
    static std::vector<std::string> stack;
    return stack;
}

class Case {
public:
    explicit Case(std::string name) { context().push_back(std::move(name)); }
    ~Case() { context().pop_back(); }
    Case(const Case&) = delete;
    Case& operator=(const Case&) = delete;
};

struct Register {
    Register(const char* name, void (*run)()) { groups().push_back({name, run}); }
};

template <typename T>
concept Streamable = requires(std::ostream& out, const T& value) { out << value; };

template <typename T>
std::string show(const T& value)
{
    std::ostringstream out;
    if constexpr (requires { value.begin(); value.end(); }
                  && !std::is_convertible_v<T, std::string_view>) {
        out << '{';
        const char* separator = "";
        for (const auto& item : value) {
            out << separator << show(item);
            separator = ", ";
        }
        out << '}';
    } else if constexpr (std::is_convertible_v<T, std::string_view>) {
        out << '"' << std::string_view(value) << '"';
    } else if constexpr (std::is_same_v<T, bool>) {
        out << (value ? "true" : "false");
    } else if constexpr (std::is_integral_v<T> && sizeof(T) == 1) {
        out << static_cast<int>(value);
    } else if constexpr (Streamable<T>) {
        out << value;
    } else {
        out << "(value)";
    }
    return out.str();
}

inline bool record(bool ok, const char* expression, const char* file, int line,
                   const std::string& detail = {})
{
    if (ok) {
        ++tally().passed;
        return true;
    }
    ++tally().failed;
    std::string where;
    for (const std::string& name : context())
        where += name + " / ";
    std::printf("FAIL %s%s\n    at %s:%d\n", where.c_str(), expression, file, line);
    if (!detail.empty())
        std::printf("    %s\n", detail.c_str());
    return false;
}

template <typename A, typename B>
bool recordEqual(const A& actual, const B& expected, const char* expression, const char* file,
                 int line)
{
    const bool ok = actual == expected;
    return record(ok, expression, file, line,
                  ok ? std::string() : "actual " + show(actual) + ", expected " + show(expected));
}

inline int runAll()
{
    for (const Group& group : groups()) {
        std::printf("group %s\n", group.name);
        std::fflush(stdout);
        const Case inGroup(group.name);
        try {
            group.run();
        } catch (const std::exception& error) {
            record(false, "unexpected exception", __FILE__, __LINE__, error.what());
        } catch (...) {
            record(false, "unexpected exception", __FILE__, __LINE__);
        }
    }
    std::printf("%ld passed, %ld failed\n", tally().passed, tally().failed);
    std::fflush(stdout);
    return tally().failed == 0 && tally().passed > 0 ? 0 : 1;
}

} // namespace check

#define CHECK_JOIN2(a, b) a##b
#define CHECK_JOIN(a, b) CHECK_JOIN2(a, b)

// GROUP(name) { ... } defines and registers one group of checks.
#define GROUP(name)                                                                         \
    static void name();                                                                      \
    static const check::Register CHECK_JOIN(registered_, name)(#name, &name);                \
    static void name()

// Names the row that the checks in the current scope belong to.
#define CASE(name) const check::Case CHECK_JOIN(case_, __LINE__){name}

#define CHECK(condition) check::record(static_cast<bool>(condition), #condition, __FILE__, __LINE__)
#define CHECK_EQ(actual, expected)                                                          \
    check::recordEqual((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)
#define CHECK_THROWS(Exception, statement)                                                  \
    do {                                                                                     \
        bool caught = false;                                                                 \
        try {                                                                                \
            statement;                                                                       \
        } catch (const Exception&) {                                                         \
            caught = true;                                                                   \
        }                                                                                    \
        check::record(caught, #statement " throws " #Exception, __FILE__, __LINE__);        \
    } while (false)

#define CHECK_MAIN                                                                          \
    int main() { return check::runAll(); }
