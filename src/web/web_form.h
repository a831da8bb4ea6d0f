#pragma once

#include <string>

#include "core/host/diagram_news.h"
#include "core/host/host.h"
#include "core/host/language.h"
#include "core/host/set_up.h"
#include "core/picture/painted_items.h"
#include "web/batch_canvas.h"

// The form as the browser page hosts it: the core's host, in the page's
// language, on the page's clock. The page forwards the user's events and
// the passing of real time by the names every front-end uses (boxes
// "Text1".."Text7", buttons "Command1".."Command3", the action table's
// names), mirrors the boxes and draws what draw() lists; what an event does
// and what an error means stay in the core.
namespace kestrel::web {

// What an event leaves for the page to show.
struct Outcome {
    std::string message;
    bool fatal = false;
    bool ended = false;
    bool newReadout = false;
};

class WebForm {
public:
    WebForm(host::Host::Clock clock, host::Language language);
    WebForm(const WebForm&) = delete;
    WebForm& operator=(const WebForm&) = delete;

    Outcome type(const std::string& box, const std::string& text);
    Outcome click(const std::string& button);
    Outcome enter(const std::string& box);
    // An action of the table that runs on the run; others are the page's.
    Outcome perform(const std::string& action);
    // The classroom panel's slider let go at `hundredths` of a volt: its
    // bias typed into the bias box and applied.
    Outcome applySliderBias(int hundredths);
    Outcome timePassed();
    // One option of a set-up from the page's address: the problem with its
    // value, worded, or nothing.
    std::string readSetUpOption(const std::string& name, const std::string& value, bool hasValue);
    // The set-up read, applied as the desktop applies its command line:
    // the speed and the pause, the bias typed, "Start" clicked.
    Outcome applySetUp();
    // The zoom the set-up asks for, or 0.
    [[nodiscard]] double setUpZoom() const { return setUp_.zoom.value_or(0); }
    // The run's set-up as an address's query: "bias=0.3&start&speed=2".
    [[nodiscard]] std::string setUpQuery(double zoom) const;
    // Real milliseconds until the next tick, or a negative number for never.
    [[nodiscard]] double msToNextTick() const;
    Outcome openRun(const std::string& script, const std::string& source);

    [[nodiscard]] bool ended() const { return host_.ended(); }
    [[nodiscard]] bool paused() const { return host_.status().paused; }
    [[nodiscard]] double speed() const { return host_.status().speed; }
    // The status line: "Paused · 2× · 01:30" as the host's state reads.
    [[nodiscard]] std::string status() const;
    // The same in the classroom panel, with the speed always.
    [[nodiscard]] std::string panelStatus() const;
    // Where the panel's slider stands for the bias box's text.
    [[nodiscard]] int sliderPosition() const;
    [[nodiscard]] std::string boxText(const std::string& box) const;
    [[nodiscard]] bool boxEnabled(const std::string& box) const;

    // How the page measures a text in a CSS font, for breaking texts into
    // the lines of their boxes.
    void setTextMeasure(BatchCanvas::Measure measure) { canvas_.setMeasure(std::move(measure)); }

    // The window's picture as drawing commands, and the area that changed
    // since the last draw(), which is all the page needs to paint again;
    // with the boxes and buttons drawn in, for a picture to save.
    const BatchCanvas& draw();
    [[nodiscard]] const picture::PixelRect& changed() const { return changed_; }
    const BatchCanvas& drawPicture();
    // The readouts taken after "Start" as a chart of current against bias,
    // in a picture of width by height twips.
    const BatchCanvas& drawIvChart(int width, int height);
    // The chart starts afresh; the readouts stay for the CSV.
    void clearChart() { host_.clearChart(); }
    // The legend of the band diagram (picture/legend.h).
    const BatchCanvas& drawLegend();

    [[nodiscard]] std::string dump() const;
    [[nodiscard]] std::string record() const { return host_.record(); }
    [[nodiscard]] std::string readoutsCsv() const { return host_.readouts().csv(); }
    [[nodiscard]] int readoutCount() const;
    // What the diagram and the I-V chart show, in words, for screen readers.
    [[nodiscard]] std::string description() const { return host_.description(); }
    // What screen readers should be told since the last call: whether the
    // description's words changed, and a new readout to announce once.
    struct News {
        std::string announcement;  // empty when there is nothing to say
        bool descriptionChanged = false;
    };
    News news();
    [[nodiscard]] std::string ivDescription() const;
    // An action's caption as the menu shows it now: "Carry on" while
    // paused, the speed or the page's `zoom` filled in.
    [[nodiscard]] std::string actionCaption(const std::string& action, double zoom) const;

private:
    Outcome shown(const host::Update& update) const;

    host::Language language_;
    host::Host host_;
    BatchCanvas canvas_;
    picture::PaintedItems painted_;
    picture::PixelRect changed_;
    host::DiagramNews news_;
    host::SetUp setUp_;
};

// The window's design for the page: its caption, the client area, the text
// boxes and buttons in logical pixels with their names, captions (in
// `language`), tab order and state, and the classroom actions with their
// captions, what they do and their keys, as one JSON object.
std::string designJson(host::Language language);

}  // namespace kestrel::web
