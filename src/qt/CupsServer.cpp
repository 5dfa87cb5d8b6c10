#include "qt/CupsServer.h"

#include <cups/cups.h>

#include <memory>

namespace orbelle::cups {

namespace {

// Long enough for a busy server on the network; a local one answers in milliseconds.
constexpr int kAnswerMilliseconds = 5000;

int giveUp(http_t*, void*)
{
    return 0;
}

struct CloseConnection {
    void operator()(http_t* http) const { httpClose(http); }
};

struct DeleteResponse {
    void operator()(ipp_t* response) const { ippDelete(response); }
};

} // namespace

Answer askServer()
{
    const std::unique_ptr<http_t, CloseConnection> http(
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                     kAnswerMilliseconds, nullptr));
    if (!http)
        return Answer::Missing;
    httpSetTimeout(http.get(), kAnswerMilliseconds / 1000.0, giveUp, nullptr);
    // Any answer will do, "no default queue" included: it shows that the server listens.
    const std::unique_ptr<ipp_t, DeleteResponse> response(
        cupsDoRequest(http.get(), ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
    return response ? Answer::Answers : Answer::Silent;
}

bool lastJobTaken()
{
    return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

} // namespace orbelle::cups
