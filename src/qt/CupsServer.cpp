#include "qt/CupsServer.h"

#include <cups/cups.h>

#include <dlfcn.h>

#include <memory>

namespace orbelle::cups {

namespace {

// Long enough for a busy server on the network; a local one answers in milliseconds.
constexpr int kAnswerMilliseconds = 5000;

// libcups brings GnuTLS, Kerberos and Avahi along; linked to the program, loading them
// cost the start more than drawing the main window. So it is opened at the first print.
// Qt's print plugin uses the same library, and so the same last error of a thread.
constexpr const char* kLibrary = "libcups.so.2";

struct Library {
    decltype(&cupsServer) server = nullptr;
    decltype(&ippPort) port = nullptr;
    decltype(&cupsEncryption) encryption = nullptr;
    decltype(&httpConnect2) connect = nullptr;
    decltype(&httpSetTimeout) setTimeout = nullptr;
    decltype(&httpClose) close = nullptr;
    decltype(&ippNewRequest) newRequest = nullptr;
    decltype(&cupsDoRequest) doRequest = nullptr;
    decltype(&ippDelete) deleteResponse = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
};

template <typename Function> bool resolve(void* handle, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

// Null when the library or one of its functions is missing: then there is no CUPS here.
const Library* library()
{
    static const std::unique_ptr<const Library> loaded = []() -> std::unique_ptr<const Library> {
        void* handle = dlopen(kLibrary, RTLD_NOW);
        if (!handle)
            return nullptr;
        auto lib = std::make_unique<Library>();
        const bool complete = resolve(handle, "cupsServer", lib->server)
                              && resolve(handle, "ippPort", lib->port)
                              && resolve(handle, "cupsEncryption", lib->encryption)
                              && resolve(handle, "httpConnect2", lib->connect)
                              && resolve(handle, "httpSetTimeout", lib->setTimeout)
                              && resolve(handle, "httpClose", lib->close)
                              && resolve(handle, "ippNewRequest", lib->newRequest)
                              && resolve(handle, "cupsDoRequest", lib->doRequest)
                              && resolve(handle, "ippDelete", lib->deleteResponse)
                              && resolve(handle, "cupsLastError", lib->lastError);
        return complete ? std::move(lib) : nullptr;
    }();
    return loaded.get();
}

int giveUp(http_t*, void*)
{
    return 0;
}

} // namespace

Answer askServer()
{
    const Library* cups = library();
    if (!cups)
        return Answer::Missing;
    const auto closeConnection = [cups](http_t* http) { cups->close(http); };
    const std::unique_ptr<http_t, decltype(closeConnection)> http(
        cups->connect(cups->server(), cups->port(), nullptr, AF_UNSPEC, cups->encryption(), 1,
                      kAnswerMilliseconds, nullptr),
        closeConnection);
    if (!http)
        return Answer::Missing;
    cups->setTimeout(http.get(), kAnswerMilliseconds / 1000.0, giveUp, nullptr);
    // Any answer will do, "no default queue" included: it shows that the server listens.
    const auto deleteResponse = [cups](ipp_t* response) { cups->deleteResponse(response); };
    const std::unique_ptr<ipp_t, decltype(deleteResponse)> response(
        cups->doRequest(http.get(), cups->newRequest(IPP_OP_CUPS_GET_DEFAULT), "/"),
        deleteResponse);
    return response ? Answer::Answers : Answer::Silent;
}

bool lastJobTaken()
{
    // Without the library the job went elsewhere than CUPS, and Qt's answer stands.
    const Library* cups = library();
    return !cups || cups->lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

} // namespace orbelle::cups
