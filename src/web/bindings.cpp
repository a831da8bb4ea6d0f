// The page's view of the form: WebForm, its outcomes and the design, bound
// for the page's script.

#include <emscripten/bind.h>

#include <string>
#include <vector>

#include "core/controls/bias_slider.h"
#include "core/host/language.h"
#include "core/host/zoom_steps.h"
#include "core/picture/iv_chart.h"
#include "web/web_form.h"
#include "web/what_you_see_json.h"

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

// With the area that changed since the last drawing: [left, top, width,
// height] in logical pixels, or nothing when nothing moved.
val draw(WebForm& form) {
    val drawing = drawn(form.draw());
    const picture::PixelRect& area = form.changed();
    if (area.empty()) {
        drawing.set("changed", val::null());
    } else {
        val rect = val::array();
        for (const int n : {area.left, area.top, area.width, area.height}) {
            rect.call<void>("push", n);
        }
        drawing.set("changed", rect);
    }
    return drawing;
}

val drawPicture(WebForm& form) {
    return drawn(form.drawPicture());
}

val drawIvChart(WebForm& form, int width, int height) {
    return drawn(form.drawIvChart(width, height));
}

val drawLegend(WebForm& form) {
    return drawn(form.drawLegend());
}

// The language a page asks for by name ("en", "ja", "design"), else the
// first of the browser's languages the program has, as the desktop chooses.
host::Language pageLanguage(const std::string& asked, val browserLanguages) {
    if (const auto named = host::languageNamed(asked)) {
        return *named;
    }
    const auto tags = emscripten::vecFromJSArray<std::string>(browserLanguages);
    return host::preferredLanguage({tags.begin(), tags.end()});
}

std::string languageOf(const std::string& asked, val browserLanguages) {
    const host::Language language = pageLanguage(asked, std::move(browserLanguages));
    return language == host::Language::Design ? "design" : host::catalogueCode(language);
}

// The form on the page's clock: a function giving real milliseconds.
WebForm* makeWebForm(val clock, const std::string& language) {
    return new WebForm([clock] { return clock().as<double>(); },
                       host::languageNamed(language).value_or(host::Language::Design));
}

// The page's measure of a text: a function of the text and a CSS font.
void setTextMeasure(WebForm& form, val measure) {
    form.setTextMeasure([measure](const std::string& text, const std::string& font) {
        return measure(text, font).as<double>();
    });
}

std::string designFor(const std::string& language) {
    return designJson(host::languageNamed(language).value_or(host::Language::Design));
}

std::string whatYouSeeFor(const std::string& language) {
    return whatYouSeeJson(host::languageNamed(language).value_or(host::Language::Design));
}

}  // namespace

EMSCRIPTEN_BINDINGS(kestrel) {
    using emscripten::allow_raw_pointers;
    using emscripten::class_;
    using emscripten::function;
    using emscripten::value_object;

    value_object<Outcome>("Outcome")
        .field("message", &Outcome::message)
        .field("fatal", &Outcome::fatal)
        .field("ended", &Outcome::ended)
        .field("newReadout", &Outcome::newReadout);

    value_object<WebForm::News>("News")
        .field("announcement", &WebForm::News::announcement)
        .field("descriptionChanged", &WebForm::News::descriptionChanged);

    class_<WebForm>("WebForm")
        .constructor(&makeWebForm, allow_raw_pointers())
        .function("type", &WebForm::type)
        .function("click", &WebForm::click)
        .function("enter", &WebForm::enter)
        .function("perform", &WebForm::perform)
        .function("applySliderBias", &WebForm::applySliderBias)
        .function("timePassed", &WebForm::timePassed)
        .function("readSetUpOption", &WebForm::readSetUpOption)
        .function("applySetUp", &WebForm::applySetUp)
        .function("setUpZoom", &WebForm::setUpZoom)
        .function("setUpQuery", &WebForm::setUpQuery)
        .function("msToNextTick", &WebForm::msToNextTick)
        .function("openRun", &WebForm::openRun)
        .function("ended", &WebForm::ended)
        .function("paused", &WebForm::paused)
        .function("speed", &WebForm::speed)
        .function("status", &WebForm::status)
        .function("panelStatus", &WebForm::panelStatus)
        .function("sliderPosition", &WebForm::sliderPosition)
        .function("boxText", &WebForm::boxText)
        .function("boxEnabled", &WebForm::boxEnabled)
        .function("setTextMeasure", &setTextMeasure)
        .function("draw", &draw)
        .function("drawPicture", &drawPicture)
        .function("drawIvChart", &drawIvChart)
        .function("clearChart", &WebForm::clearChart)
        .function("drawLegend", &drawLegend)
        .function("dump", &WebForm::dump)
        .function("record", &WebForm::record)
        .function("readoutsCsv", &WebForm::readoutsCsv)
        .function("readoutCount", &WebForm::readoutCount)
        .function("description", &WebForm::description)
        .function("news", &WebForm::news)
        .function("ivDescription", &WebForm::ivDescription)
        .function("actionCaption", &WebForm::actionCaption);

    function("designJson", &designFor);
    function("whatYouSeeJson", &whatYouSeeFor);
    function("zoomIn", &host::zoomIn);
    function("largestFittingZoom", &host::largestFittingZoom);
    function("nearestZoom", &host::nearestZoom);
    function("sliderBiasText", &sliderBiasText);
    function("zoomOut", &host::zoomOut);
    function("readoutChartScale", &picture::readoutChartScale);
    function("languageOf", &languageOf);
}

}  // namespace kestrel::web
