#pragma once

#include <memory>
#include <string>

#include "core/form/form1.h"
#include "core/session/session.h"
#include "web/batch_canvas.h"

// The form as the browser page hosts it: a loaded Form1 driven through a
// session, with every failure turned into what the page shows. The page
// forwards the user's events and the passing of real time, mirrors the boxes
// and draws what draw() lists; the rules stay here, in the core.
namespace kestrel::web {

// What an event leaves for the page to show: nothing, a message the run
// carries on after (a box that is not a number, a script that stopped), or
// a fatal error's message, after which the program has ended.
struct Outcome {
    std::string message;
    bool fatal = false;
};

class WebForm {
public:
    WebForm();
    WebForm(const WebForm&) = delete;
    WebForm& operator=(const WebForm&) = delete;

    // The user's events, by their place in design::kTextBoxes and kButtons.
    Outcome type(int box, const std::string& text);
    Outcome click(int button);

    // Real time passed; the next tick falls due in msToNextTick() real
    // milliseconds, or never (a negative number) while paused or ended.
    Outcome advance(double realMs);
    [[nodiscard]] double msToNextTick() const;

    void pause() { session_.pause(); }
    void resume() { session_.resume(); }
    [[nodiscard]] bool paused() const { return session_.paused(); }
    // Pauses a running form, then moves it on by one step.
    Outcome step();
    void slower() { session_.slower(); }
    void faster() { session_.faster(); }
    [[nodiscard]] double speed() const { return session_.speed(); }

    // Runs a saved script on this form, which must be fresh.
    Outcome replay(const std::string& script);

    [[nodiscard]] bool ended() const { return ended_; }
    [[nodiscard]] std::string boxText(int box) const;
    [[nodiscard]] bool boxEnabled(int box) const;

    // The window's picture as drawing commands; with the boxes and buttons
    // drawn in, for a picture to save.
    const BatchCanvas& draw();
    const BatchCanvas& drawPicture();
    // The readouts taken at a bias as a chart of current against bias, in a
    // picture of width by height twips.
    const BatchCanvas& drawIvChart(int width, int height);

    [[nodiscard]] std::string dump() const;
    [[nodiscard]] std::string script() const { return session_.script(); }
    [[nodiscard]] std::string readoutsCsv() const { return session_.readouts().csv(); }
    // What the diagram and the I-V chart show, in words, for screen readers.
    [[nodiscard]] std::string description() const;
    [[nodiscard]] std::string ivDescription() const;

private:
    template <typename Event>
    Outcome run(Event&& event);

    std::unique_ptr<Form1> form_;
    session::Session session_;
    BatchCanvas canvas_;
    bool ended_ = false;
};

// The window's design for the page: its caption, the client area, the text
// boxes and buttons in logical pixels with their captions, tab order and
// state, and the speeds, as one JSON object.
std::string designJson();

}  // namespace kestrel::web
