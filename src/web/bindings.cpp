// The page's view of the form: WebForm, its outcomes and the design, bound
// for the page's script.

#include <emscripten/bind.h>

#include "web/web_form.h"

namespace kestrel::web {
namespace {

using emscripten::val;

// The last drawing's commands as numbers, and its texts; the numbers are a
// view of the module's memory, valid until the next call into it.
val commandsOf(const BatchCanvas& canvas) {
    const auto& commands = canvas.commands();
    return val(emscripten::typed_memory_view(commands.size(), commands.data()));
}

val textsOf(const BatchCanvas& canvas) {
    val texts = val::array();
    for (const std::string& text : canvas.texts()) {
        texts.call<void>("push", text);
    }
    return texts;
}

val drawn(const BatchCanvas& canvas) {
    val drawing = val::object();
    drawing.set("commands", commandsOf(canvas));
    drawing.set("texts", textsOf(canvas));
    return drawing;
}

val draw(WebForm& form) {
    return drawn(form.draw());
}

val drawPicture(WebForm& form) {
    return drawn(form.drawPicture());
}

val drawIvChart(WebForm& form, int width, int height) {
    return drawn(form.drawIvChart(width, height));
}

}  // namespace

EMSCRIPTEN_BINDINGS(kestrel) {
    using emscripten::class_;
    using emscripten::function;
    using emscripten::value_object;

    value_object<Outcome>("Outcome").field("message", &Outcome::message).field("fatal", &Outcome::fatal);

    class_<WebForm>("WebForm")
        .constructor<>()
        .function("type", &WebForm::type)
        .function("click", &WebForm::click)
        .function("advance", &WebForm::advance)
        .function("msToNextTick", &WebForm::msToNextTick)
        .function("pause", &WebForm::pause)
        .function("resume", &WebForm::resume)
        .function("paused", &WebForm::paused)
        .function("step", &WebForm::step)
        .function("slower", &WebForm::slower)
        .function("faster", &WebForm::faster)
        .function("speed", &WebForm::speed)
        .function("replay", &WebForm::replay)
        .function("ended", &WebForm::ended)
        .function("boxText", &WebForm::boxText)
        .function("boxEnabled", &WebForm::boxEnabled)
        .function("draw", &draw)
        .function("drawPicture", &drawPicture)
        .function("drawIvChart", &drawIvChart)
        .function("dump", &WebForm::dump)
        .function("script", &WebForm::script)
        .function("readoutsCsv", &WebForm::readoutsCsv)
        .function("description", &WebForm::description)
        .function("ivDescription", &WebForm::ivDescription);

    function("designJson", &designJson);
}

}  // namespace kestrel::web
