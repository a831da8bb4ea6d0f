#pragma once

#include <memory>

#include "core/form/form1.h"
#include "core/session/session.h"

namespace kestrel::host {

// A freshly loaded form and the session that drives it: what the host runs,
// and what a saved run is replayed into beside the class's run.
class Run {
public:
    Run();
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    Form1& form() { return *form_; }
    [[nodiscard]] const Form1& form() const { return *form_; }
    session::Session& session() { return session_; }
    [[nodiscard]] const session::Session& session() const { return session_; }

private:
    std::unique_ptr<Form1> form_;
    session::Session session_;
};

}  // namespace kestrel::host
