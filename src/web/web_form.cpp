#include "web/web_form.h"

#include "core/dump/form_dump.h"
#include "core/dump/json_writer.h"
#include "core/numbers/run_time_error.h"
#include "core/picture/form_picture.h"
#include "core/picture/iv_chart.h"

namespace kestrel::web {
namespace {

constexpr double kNever = -1;

Form1& loaded(Form1& form) {
    form.Form_Load();
    return form;
}

template <typename Item, std::size_t Count>
const Item* at(const std::array<Item, Count>& table, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < Count ? &table[static_cast<std::size_t>(index)]
                                                                 : nullptr;
}

// The readouts taken at a bias set up by "Start" or "Restart".
std::vector<picture::IvPoint> ivPoints(const session::ReadoutLog& readouts) {
    std::vector<picture::IvPoint> points;
    for (const session::Readout& readout : readouts.entries()) {
        if (!readout.bias.empty()) {
            points.push_back({readout.biasVolts, static_cast<double>(readout.current), readout.partial});
        }
    }
    return points;
}

std::string fatalMessage(const RunTimeError& error) {
    return std::string("Run-time error: ") + error.what() + ". The program ends.";
}

void writeBox(JsonWriter& json, const design::TwipsRect& box) {
    json.key("left").value(toPixels(box.left));
    json.key("top").value(toPixels(box.top));
    json.key("width").value(toPixels(box.width));
    json.key("height").value(toPixels(box.height));
}

// A text box's or button's name, caption, place and place in the tab order.
template <typename Table>
void writeControls(JsonWriter& json, const char* key, const Table& table) {
    json.key(key).beginArray();
    for (const auto& control : table) {
        json.beginObject();
        json.key("name").value(std::string_view(control.name));
        json.key("caption").value(std::string_view(control.caption));
        writeBox(json, control.box);
        json.key("tabIndex").value(control.tabIndex);
        json.endObject();
    }
    json.endArray();
}

}  // namespace

WebForm::WebForm() : form_(std::make_unique<Form1>()), session_(loaded(*form_)) {}

// An input error has changed nothing and the run goes on; any other ends
// the program, as "Close" does.
template <typename Event>
Outcome WebForm::run(Event&& event) {
    if (ended_) {
        return {};
    }
    try {
        event();
    } catch (const RunTimeError& error) {
        if (!error.fatal()) {
            return {error.what(), false};
        }
        ended_ = true;
        return {fatalMessage(error), true};
    }
    ended_ = form_->ended();
    return {};
}

Outcome WebForm::type(int box, const std::string& text) {
    const auto* design = at(design::kTextBoxes, box);
    return design ? run([&] { session_.type(*design, text); }) : Outcome{};
}

Outcome WebForm::click(int button) {
    const auto* design = at(design::kButtons, button);
    return design ? run([&] { session_.click(*design); }) : Outcome{};
}

Outcome WebForm::advance(double realMs) {
    return run([&] { session_.advance(realMs); });
}

double WebForm::msToNextTick() const {
    const auto wait = session_.realMsToNextTick();
    return ended_ || !wait ? kNever : *wait;
}

Outcome WebForm::step() {
    session_.pause();
    return run([&] { session_.step(); });
}

Outcome WebForm::replay(const std::string& script) {
    std::optional<session::ReplayStop> stop;
    Outcome outcome = run([&] { stop = session_.replay(script); });
    if (stop && !stop->problem.empty()) {
        outcome.message =
            "The script stopped at line " + std::to_string(stop->line) + ": " + stop->problem + ".";
    }
    return outcome;
}

std::string WebForm::boxText(int box) const {
    const auto* design = at(design::kTextBoxes, box);
    return design ? (*form_.*design->member).Text : std::string();
}

bool WebForm::boxEnabled(int box) const {
    const auto* design = at(design::kTextBoxes, box);
    return design && (*form_.*design->member).Enabled;
}

const BatchCanvas& WebForm::draw() {
    canvas_.clear();
    picture::drawForm(canvas_, *form_);
    return canvas_;
}

const BatchCanvas& WebForm::drawPicture() {
    draw();
    picture::drawControls(canvas_, *form_);
    return canvas_;
}

const BatchCanvas& WebForm::drawIvChart(int width, int height) {
    canvas_.clear(width, height);
    picture::drawIvChart(canvas_, ivPoints(session_.readouts()), {0, 0, width, height});
    return canvas_;
}

std::string WebForm::dump() const {
    return dumpForm(*form_);
}

std::string WebForm::description() const {
    const Form1& form = *form_;
    std::string text = "Energy-band diagram of the p-n junction";
    if (!form.Timer1.Enabled) {
        return text + ", before Start: no carriers yet.";
    }
    return text + " at a bias of " + form.Text4.Text + " V: " + std::to_string(form.ElectronCount) +
           " electrons (black dots) and " + std::to_string(form.HoleCount) +
           " holes (white dots); current readout " + form.Text7.Text + " mA.";
}

std::string WebForm::ivDescription() const {
    std::string text = "Current against bias";
    const auto& entries = session_.readouts().entries();
    std::string points;
    for (const session::Readout& readout : entries) {
        if (!readout.bias.empty()) {
            points += (points.empty() ? ": " : "; ") + readout.bias + " V, " +
                      std::to_string(readout.current) + (readout.partial ? " (part of a period)" : "");
        }
    }
    return text + (points.empty() ? ": no readout at a bias yet." : points + ".");
}

std::string designJson() {
    JsonWriter json;
    json.beginObject();
    json.key("caption").value(std::string_view(design::kWindowCaption));
    json.key("width").value(toPixels(design::kClientArea.width));
    json.key("height").value(toPixels(design::kClientArea.height));
    json.key("background").value(packedColour(design::kWindowBackground));
    writeControls(json, "boxes", design::kTextBoxes);
    writeControls(json, "buttons", design::kButtons);
    json.endObject();
    return json.text();
}

}  // namespace kestrel::web
