#pragma once

namespace orbelle::cups {

enum class Answer {
    Answers, // the print server took a request and answered it
    Missing, // no print server to be reached: none runs here, or none is set up
    Silent, // reached, but it did not answer in time
};

// Asks the print server for its default queue, allowing it a few seconds. Printing through
// a server that does not answer would block for minutes before anything could be said.
Answer askServer();

// Whether the print server took the last job this thread handed to it. A queue that refuses
// jobs still lets the printer close without an error; only the server's answer tells.
bool lastJobTaken();

} // namespace orbelle::cups
