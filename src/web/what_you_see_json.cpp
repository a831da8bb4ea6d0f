#include "web/what_you_see_json.h"

#include "core/dump/json_writer.h"
#include "core/host/actions.h"
#include "core/host/what_you_see.h"
#include "core/picture/legend.h"
#include "core/picture/pixels.h"
#include "core/picture/text_wrap.h"
#include "web/catalogues.h"

namespace kestrel::web {
namespace {

void writePhrases(JsonWriter& json, const char* key, const std::string& text) {
    json.key(key).beginArray();
    for (const std::string& phrase : picture::phrases(text)) {
        json.value(std::string_view(phrase));
    }
    json.endArray();
}

}  // namespace

std::string whatYouSeeJson(host::Language language) {
    const auto explained = [language](const char* text) { return translated(language, "explain", text); };
    JsonWriter json;
    json.beginObject();
    json.key("title").value(std::string_view(
        translated(language, "actions", host::actionDesign(host::Action::WhatYouSee).caption)));
    json.key("legendHeading").value(std::string_view(explained(host::kLegendHeading)));
    json.key("legendText")
        .value(
            std::string_view(picture::legendText([language](std::string_view context, std::string_view text) {
                return translated(language, context, text);
            })));
    json.key("legendWidth").value(picture::toPixels(picture::kLegendWidth));
    json.key("legendHeight").value(picture::toPixels(picture::kLegendHeight));
    json.key("sections").beginArray();
    for (const host::ExplainedSection& section : host::kWhatYouSee) {
        json.beginObject();
        writePhrases(json, "heading", explained(section.heading));
        writePhrases(json, "text", explained(section.text));
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.text();
}

}  // namespace kestrel::web
