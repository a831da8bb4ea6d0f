#include "core/form/form_items.h"

namespace kestrel {

FormItems::FormItems() {
    Shape1.fill(kElectronDesignPlace);
    Shape2.fill(kHoleDesignPlace);
}

const std::array<NamedItem<LineItem>, 19> kLineItems{{
    {"Line1", &FormItems::Line1},   {"Line2", &FormItems::Line2},   {"Line3", &FormItems::Line3},
    {"Line4", &FormItems::Line4},   {"Line5", &FormItems::Line5},   {"Line6", &FormItems::Line6},
    {"Line7", &FormItems::Line7},   {"Line8", &FormItems::Line8},   {"Line9", &FormItems::Line9},
    {"Line10", &FormItems::Line10}, {"Line11", &FormItems::Line11}, {"Line12", &FormItems::Line12},
    {"Line13", &FormItems::Line13}, {"Line14", &FormItems::Line14}, {"Line15", &FormItems::Line15},
    {"Line16", &FormItems::Line16}, {"Line17", &FormItems::Line17}, {"Line18", &FormItems::Line18},
    {"Line19", &FormItems::Line19},
}};

const std::array<NamedItem<TextBoxItem>, 7> kTextBoxItems{{
    {"Text1", &FormItems::Text1},
    {"Text2", &FormItems::Text2},
    {"Text3", &FormItems::Text3},
    {"Text4", &FormItems::Text4},
    {"Text5", &FormItems::Text5},
    {"Text6", &FormItems::Text6},
    {"Text7", &FormItems::Text7},
}};

}  // namespace kestrel
