#include "web/web_form.h"

#include <algorithm>

#include "core/controls/bias_enter.h"
#include "core/controls/bias_slider.h"
#include "core/dump/form_dump.h"
#include "core/dump/json_writer.h"
#include "core/host/status_text.h"
#include "core/picture/form_picture.h"
#include "core/picture/iv_chart.h"
#include "core/picture/legend.h"
#include "core/picture/readout_points.h"
#include "web/catalogues.h"
#include "web/page_texts.h"

namespace kestrel::web {
namespace {

constexpr double kNever = -1;

template <typename Item, std::size_t Count>
const Item* named(const std::array<Item, Count>& table, const std::string& name) {
    const auto found =
        std::find_if(table.begin(), table.end(), [&name](const Item& item) { return name == item.name; });
    return found == table.end() ? nullptr : &*found;
}

void writeBox(JsonWriter& json, const design::TwipsRect& box) {
    json.key("left").value(toPixels(box.left));
    json.key("top").value(toPixels(box.top));
    json.key("width").value(toPixels(box.width));
    json.key("height").value(toPixels(box.height));
}

// A text box's or button's name, caption, place and place in the tab order.
template <typename Table>
void writeControls(JsonWriter& json, const char* key, const char* context, const Table& table,
                   host::Language language) {
    json.key(key).beginArray();
    for (const auto& control : table) {
        json.beginObject();
        json.key("name").value(std::string_view(control.name));
        json.key("caption").value(std::string_view(translated(language, context, control.caption)));
        writeBox(json, control.box);
        json.key("tabIndex").value(control.tabIndex);
        json.endObject();
    }
    json.endArray();
}

void writeActions(JsonWriter& json, host::Language language) {
    json.key("actions").beginArray();
    for (const host::ActionDesign& action : host::kActions) {
        json.beginObject();
        json.key("name").value(std::string_view(action.name));
        json.key("caption").value(std::string_view(translated(language, "actions", action.caption)));
        if (action.captionWhenOn != nullptr) {
            json.key("captionWhenOn")
                .value(std::string_view(translated(language, "actions", action.captionWhenOn)));
        }
        json.key("what").value(std::string_view(translated(language, "actions", action.what)));
        json.key("keys").beginArray();
        for (const char* key : action.keys) {
            if (key != nullptr) {
                json.value(std::string_view(key));
            }
        }
        json.endArray();
        json.key("onTheRun").value(action.runs == host::Runs::OnTheRun);
        json.key("inMenu").value(action.shown != host::Shown::KeysOnly);
        json.key("startsGroup").value(action.shown == host::Shown::StartsGroup);
        json.endObject();
    }
    json.endArray();
}

// The classroom panel: its buttons' actions and short captions in rows of
// `columns`, and the bias slider's ends in hundredths of a volt.
void writePanel(JsonWriter& json, host::Language language) {
    json.key("panel").beginObject();
    json.key("columns").value(host::kPanelColumns);
    json.key("sliderLowest").value(kSliderLowest);
    json.key("sliderHighest").value(kSliderHighest);
    json.key("buttons").beginArray();
    for (const host::Action action : host::kPanelActions) {
        const host::ActionDesign& design = host::actionDesign(action);
        json.beginObject();
        json.key("name").value(std::string_view(design.name));
        json.key("caption").value(std::string_view(translated(language, "actions", design.panelCaption)));
        json.key("toggles").value(design.captionWhenOn != nullptr);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

}  // namespace

WebForm::WebForm(host::Host::Clock clock, host::Language language)
    : language_(language),
      host_(std::move(clock), host::Wording([language](std::string_view context, std::string_view text) {
                return translated(language, context, text);
            })) {}

Outcome WebForm::shown(const host::Update& update) const {
    Outcome outcome;
    if (update.message) {
        outcome.message = update.message->text;
        outcome.fatal = update.message->fatal;
    }
    outcome.ended = update.ended;
    outcome.newReadout = update.newReadout;
    return outcome;
}

Outcome WebForm::type(const std::string& box, const std::string& text) {
    const auto* design = named(design::kTextBoxes, box);
    return design ? shown(host_.type(*design, text)) : Outcome{};
}

Outcome WebForm::click(const std::string& button) {
    const auto* design = named(design::kButtons, button);
    return design ? shown(host_.click(*design)) : Outcome{};
}

Outcome WebForm::enter(const std::string& box) {
    const auto* design = named(design::kTextBoxes, box);
    return design ? shown(host_.enter(*design)) : Outcome{};
}

Outcome WebForm::perform(const std::string& action) {
    const auto named = host::actionNamed(action);
    return named ? shown(host_.perform(*named)) : Outcome{};
}

Outcome WebForm::timePassed() {
    return shown(host_.timePassed());
}

double WebForm::msToNextTick() const {
    return host_.msToNextTick().value_or(kNever);
}

Outcome WebForm::openRun(const std::string& script, const std::string& source) {
    return shown(host_.openRun(script, source));
}

std::string WebForm::status() const {
    return host::statusLine(host_.status(), host_.wording());
}

std::string WebForm::panelStatus() const {
    return host::statusLine(host_.status(), host_.wording(), host::StatusUse::InThePanel);
}

WebForm::News WebForm::news() {
    const host::News news =
        news_.afterEvent(host_.form(), host_.readouts().entries().size(), host_.wording());
    return {news.announcement.value_or(""), news.descriptionChanged};
}

std::string WebForm::readSetUpOption(const std::string& name, const std::string& value, bool hasValue) {
    const auto given = hasValue ? std::optional<std::string_view>(value) : std::nullopt;
    return host::readSetUpOption(setUp_, name, given, host_.wording()).value_or("");
}

Outcome WebForm::applySetUp() {
    if (setUp_.speed) {
        host_.setSpeed(*setUp_.speed);
    }
    if (setUp_.paused) {
        host_.setPaused(true);
    }
    if (setUp_.bias) {
        host_.type(design::kTextBoxes[kBiasBox], *setUp_.bias);
    }
    return setUp_.start ? shown(host_.click(design::kButtons[kStartButton])) : Outcome{};
}

std::string WebForm::setUpQuery(double zoom) const {
    std::string query;
    for (const auto& [name, value] :
         host::setUpOptions(host::currentSetUp(host_.form(), host_.status(), zoom))) {
        query += query.empty() ? "" : "&";
        query += name;
        if (value) {
            query += '=' + *value;
        }
    }
    return query;
}

int WebForm::readoutCount() const {
    return static_cast<int>(host_.readouts().entries().size());
}

int WebForm::sliderPosition() const {
    return kestrel::sliderPosition(host_.form().Text4.Text);
}

Outcome WebForm::applySliderBias(int hundredths) {
    return shown(host_.applyBias(sliderBiasText(hundredths)));
}

std::string WebForm::boxText(const std::string& box) const {
    const auto* design = named(design::kTextBoxes, box);
    return design ? (host_.form().*design->member).Text : std::string();
}

bool WebForm::boxEnabled(const std::string& box) const {
    const auto* design = named(design::kTextBoxes, box);
    return design && (host_.form().*design->member).Enabled;
}

const BatchCanvas& WebForm::draw() {
    changed_ = painted_.takeChanges(host_.form());
    canvas_.clear();
    picture::drawForm(canvas_, host_.form(), host_.wording().translate());
    return canvas_;
}

// A picture leaves what the page has painted as it was.

const BatchCanvas& WebForm::drawPicture() {
    canvas_.clear();
    picture::drawForm(canvas_, host_.form(), host_.wording().translate());
    picture::drawControls(canvas_, host_.form(), host_.wording().translate());
    return canvas_;
}

const BatchCanvas& WebForm::drawIvChart(int width, int height) {
    canvas_.clear(width, height);
    picture::drawReadoutChart(canvas_, picture::chartPoints(host_.readouts()), {0, 0, width, height},
                              host_.wording().translate());
    return canvas_;
}

const BatchCanvas& WebForm::drawLegend() {
    canvas_.clear(picture::kLegendWidth, picture::kLegendHeight);
    picture::drawLegend(canvas_, host_.wording().translate());
    return canvas_;
}

std::string WebForm::dump() const {
    return dumpForm(host_.form());
}

std::string WebForm::ivDescription() const {
    std::string points;
    for (const session::Readout& readout : host_.readouts().charted()) {
        points += (points.empty() ? ": " : "; ") + readout.bias + " V, " + std::to_string(readout.current) +
                  (readout.partial ? " (part of a period)" : "");
    }
    return "Current against bias" + (points.empty() ? ": no readout at a bias yet." : points + ".");
}

std::string WebForm::actionCaption(const std::string& action, double zoom) const {
    const auto named = host::actionNamed(action);
    if (!named) {
        return {};
    }
    const host::ActionDesign& design = host::actionDesign(*named);
    const host::Status status = host_.status();
    const char* caption = status.paused && design.captionWhenOn ? design.captionWhenOn : design.caption;
    const std::string value =
        *named == host::Action::ZoomIn ? host::zoomText(zoom) : host::speedText(status.speed);
    return texts::fillIn(translated(language_, "actions", caption), {value});
}

std::string designJson(host::Language language) {
    JsonWriter json;
    json.beginObject();
    json.key("caption").value(std::string_view(translated(language, "design", design::kWindowCaption)));
    json.key("width").value(toPixels(design::kClientArea.width));
    json.key("height").value(toPixels(design::kClientArea.height));
    json.key("background").value(packedColour(design::kWindowBackground));
    json.key("twipsPerPixel").value(picture::kTwipsPerPixel);
    json.key("dashDot").beginArray();
    for (const int length : picture::kDashDotPattern) {
        json.value(length);
    }
    json.endArray();
    json.key("language").value(std::string_view(host::catalogueCode(language)));
    writeControls(json, "boxes", "boxes", design::kTextBoxes, language);
    writeControls(json, "buttons", "design", design::kButtons, language);
    writeActions(json, language);
    writePanel(json, language);
    json.key("texts").beginObject();
    for (const char* text : kPageTexts) {
        json.key(text).value(std::string_view(translated(language, "page", text)));
    }
    json.endObject();
    json.endObject();
    return json.text();
}

}  // namespace kestrel::web
