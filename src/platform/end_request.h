#pragma once

namespace kavinor::platform {

// An end of the program asked for from outside (on POSIX a signal: SIGTERM, SIGINT, SIGHUP). A
// run that sees it ends its script with all the script started, removes its files and returns
// at once, so the program can end.
class EndRequest {
public:
    virtual ~EndRequest() = default;
    // Whether an end has been asked for; once true, it stays true.
    virtual bool requested() const = 0;
};

// Where nothing from outside asks for an end.
class NoEndRequest final : public EndRequest {
public:
    bool requested() const override { return false; }
};

}  // namespace kavinor::platform
