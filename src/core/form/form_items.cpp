#include "core/form/form_items.h"

#include "core/form/design.h"

namespace kestrel {

FormItems::FormItems() {
    for (const auto& line : design::kLines) {
        this->*line.member = line.ends;
    }
    Shape1.fill(kElectronDesignPlace);
    Shape2.fill(kHoleDesignPlace);
    for (const auto& box : design::kTextBoxes) {
        this->*box.member = {box.text, box.enabled};
    }
    for (const auto& timer : design::kTimers) {
        this->*timer.member = timer.start;
    }
}

}  // namespace kestrel
