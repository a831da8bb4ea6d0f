#include "core/host/diagram_news.h"

#include "core/host/wording.h"

namespace kestrel::host {
namespace {

// The facts that change the description's words; not the carrier counts.
picture::DiagramFacts newsworthy(const Form1& form) {
    picture::DiagramFacts facts = picture::diagramFacts(form);
    facts.electrons = 0;
    facts.holes = 0;
    return facts;
}

}  // namespace

News DiagramNews::afterEvent(const Form1& form, std::size_t readouts, const Wording& wording) {
    picture::DiagramFacts facts = newsworthy(form);
    News news;
    news.newReadout = readouts > readouts_;
    readouts_ = readouts;
    if (news.newReadout && facts.setUp) {
        news.announcement = wording.readout(form.Text7.Text);
    }
    news.descriptionChanged = news.newReadout || !toldOnce_ || facts != told_;
    toldOnce_ = true;
    told_ = std::move(facts);
    return news;
}

}  // namespace kestrel::host
