#include "core/dump/form_dump.h"

#include <array>
#include <utility>

#include "core/dump/json_writer.h"
#include "core/form/design.h"

namespace kestrel {
namespace {

using Int16Member = Int16 SimulationState::*;

const std::array<std::pair<const char*, Int16Member>, 27> kInt16Variables{{
    {"ElectronCount", &SimulationState::ElectronCount},
    {"HoleCount", &SimulationState::HoleCount},
    {"ElectronQuota", &SimulationState::ElectronQuota},
    {"HoleQuota", &SimulationState::HoleQuota},
    {"FermiYAtX", &SimulationState::FermiYAtX},
    {"FermiYn", &SimulationState::FermiYn},
    {"FermiYp", &SimulationState::FermiYp},
    {"EcYn", &SimulationState::EcYn},
    {"EcYp", &SimulationState::EcYp},
    {"EvYn", &SimulationState::EvYn},
    {"EvYp", &SimulationState::EvYp},
    {"GapHeight", &SimulationState::GapHeight},
    {"XMin", &SimulationState::XMin},
    {"XMax", &SimulationState::XMax},
    {"XSpan", &SimulationState::XSpan},
    {"DotSize", &SimulationState::DotSize},
    {"JunctionLeft", &SimulationState::JunctionLeft},
    {"JunctionRight", &SimulationState::JunctionRight},
    {"JunctionWidth", &SimulationState::JunctionWidth},
    {"Temperature", &SimulationState::Temperature},
    {"ElecXMin", &SimulationState::ElecXMin},
    {"ElecXMax", &SimulationState::ElecXMax},
    {"HoleXMin", &SimulationState::HoleXMin},
    {"HoleXMax", &SimulationState::HoleXMax},
    {"CrossCount", &SimulationState::CrossCount},
    {"HolePick", &SimulationState::HolePick},
    {"ChartX", &SimulationState::ChartX},
}};

const std::array<std::pair<const char*, BinArray SimulationState::*>, 4> kBinArrays{{
    {"ElectronBins", &SimulationState::ElectronBins},
    {"HoleBins", &SimulationState::HoleBins},
    {"ElectronBinsPrev", &SimulationState::ElectronBinsPrev},
    {"HoleBinsPrev", &SimulationState::HoleBinsPrev},
}};

void writeDots(JsonWriter& json, const char* name, const DotArray& dots) {
    json.key(name).beginArray();
    for (const DotItem& dot : dots) {
        json.beginArray().value(dot.Left).value(dot.Top).endArray();
    }
    json.endArray();
}

}  // namespace

std::string dumpForm(const Form1& form) {
    JsonWriter json;
    json.beginObject();
    for (const auto& [name, member] : kInt16Variables) {
        json.key(name).value(static_cast<int>(form.*member));
    }
    json.key("ElectronPullThreshold").value(form.ElectronPullThreshold);
    json.key("HolePullThreshold").value(form.HolePullThreshold);
    for (const auto& [name, member] : kBinArrays) {
        json.key(name).beginArray();
        for (const Int16 count : form.*member) {
            json.value(static_cast<int>(count));
        }
        json.endArray();
    }
    writeDots(json, "Shape1", form.Shape1);
    writeDots(json, "Shape2", form.Shape2);
    for (const auto& line : design::kLines) {
        const LineItem& item = form.*line.member;
        json.key(line.name).beginArray();
        json.value(item.X1).value(item.Y1).value(item.X2).value(item.Y2).value(item.Visible);
        json.endArray();
    }
    for (const auto& box : design::kTextBoxes) {
        json.key(box.name).value(std::string_view((form.*box.member).Text));
    }
    for (const auto& event : design::kTimers) {
        json.key(event.name).value((form.*event.member).Enabled);
    }
    json.key("Picture1").beginArray();
    for (const ChartPoint& point : form.Picture1.points) {
        json.beginArray().value(point.x).value(point.y).value(point.colour).endArray();
    }
    json.endArray();
    json.key("Draws").value(static_cast<unsigned long long>(form.random().draws()));
    json.endObject();
    return json.text();
}

}  // namespace kestrel
