#include "core/host/run.h"

namespace kestrel::host {
namespace {

Form1& loaded(Form1& form) {
    form.Form_Load();
    return form;
}

}  // namespace

// The form lives on the heap: it is large, and a host's stack need not be.
Run::Run() : form_(std::make_unique<Form1>()), session_(loaded(*form_)) {}

}  // namespace kestrel::host
