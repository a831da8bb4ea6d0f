#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/form/texts.h"

// The classroom actions, once for every front-end: each with its name, its
// caption and what it does (marked for the catalogues, context "actions"),
// its keys and when it is offered. The desktop's menu and shortcuts, the
// page's menu and keys and both lists of keys read this table, so a teacher
// learns one set of keys. The keys are written as "Modifier+Key" with the
// modifiers Ctrl, Alt and Shift in that order; the first is the one shown.
namespace kestrel::host {

enum class Action {
    Pause,
    Step,
    Slower,
    Faster,
    ZoomIn,
    ZoomOut,
    ActualSize,
    FullScreen,
    LeaveFullScreen,
    SavePicture,
    CopyPicture,
    SaveRun,
    OpenRun,
    SaveReadouts,
    IvChart,
    ClearChart,
    Panel,
    CopySetUp,
    Keys,
    WhatYouSee,
};

// Which of the host's actions run on the run itself; the others are the
// front-end's to carry out (the view, files, other windows).
enum class Runs { OnTheRun, InTheFrontEnd };

// Where an action appears: in the menu (after a separator when it starts a
// group) or only as keys.
enum class Shown { InMenu, StartsGroup, KeysOnly };

struct ActionDesign {
    Action action;
    const char* name;  // the action's name in scripts of tests and in the page
    const char* caption;
    const char* captionWhenOn;  // for a toggle, the caption while it is on
    const char* what;           // what it does, for the lists of keys
    std::array<const char*, 3> keys;
    Runs runs;
    Shown shown;
    const char* panelCaption = nullptr;  // short, for the classroom panel's buttons
};

inline constexpr std::array<ActionDesign, 20> kActions{{
    {Action::Pause,
     "pause",
     KESTREL_TEXT("actions", "Pause"),
     KESTREL_TEXT("actions", "Carry on"),
     KESTREL_TEXT("actions", "Pause the run, or carry on"),
     {"Alt+K"},
     Runs::OnTheRun,
     Shown::InMenu,
     KESTREL_TEXT("actions", "Pause")},
    {Action::Step,
     "step",
     KESTREL_TEXT("actions", "One step (pauses first)"),
     nullptr,
     KESTREL_TEXT("actions", "One step of 50 ms; a running run pauses first"),
     {"Alt+L"},
     Runs::OnTheRun,
     Shown::InMenu,
     KESTREL_TEXT("actions", "Step")},
    {Action::Slower,
     "slower",
     KESTREL_TEXT("actions", "Slower (now %1)"),
     nullptr,
     KESTREL_TEXT("actions", "Slower: ¼×, ½×, 1×, 2×, 4×"),
     {"Alt+,", "Alt+-"},
     Runs::OnTheRun,
     Shown::InMenu,
     KESTREL_TEXT("actions", "Slower")},
    {Action::Faster,
     "faster",
     KESTREL_TEXT("actions", "Faster (now %1)"),
     nullptr,
     KESTREL_TEXT("actions", "Faster"),
     {"Alt+.", "Alt+=", "Alt++"},
     Runs::OnTheRun,
     Shown::InMenu,
     KESTREL_TEXT("actions", "Faster")},
    {Action::ZoomIn,
     "zoom-in",
     KESTREL_TEXT("actions", "Zoom in (now %1)"),
     nullptr,
     KESTREL_TEXT("actions", "Zoom in: 100% to 400%"),
     {"Ctrl+=", "Ctrl++"},
     Runs::InTheFrontEnd,
     Shown::StartsGroup,
     KESTREL_TEXT("actions", "Zoom in")},
    {Action::ZoomOut,
     "zoom-out",
     KESTREL_TEXT("actions", "Zoom out"),
     nullptr,
     KESTREL_TEXT("actions", "Zoom out"),
     {"Ctrl+-"},
     Runs::InTheFrontEnd,
     Shown::InMenu,
     KESTREL_TEXT("actions", "Zoom out")},
    {Action::ActualSize,
     "actual-size",
     KESTREL_TEXT("actions", "Actual size"),
     nullptr,
     KESTREL_TEXT("actions", "Actual size (100%)"),
     {"Ctrl+0"},
     Runs::InTheFrontEnd,
     Shown::InMenu},
    {Action::FullScreen,
     "full-screen",
     KESTREL_TEXT("actions", "Full screen"),
     nullptr,
     KESTREL_TEXT("actions", "Full screen, the window scaled to fit"),
     {"F11"},
     Runs::InTheFrontEnd,
     Shown::InMenu,
     KESTREL_TEXT("actions", "Full screen")},
    {Action::LeaveFullScreen,
     "leave-full-screen",
     KESTREL_TEXT("actions", "Leave full screen"),
     nullptr,
     KESTREL_TEXT("actions", "Leave full screen (or F11 again)"),
     {"Esc"},
     Runs::InTheFrontEnd,
     Shown::KeysOnly},
    {Action::SavePicture,
     "save-picture",
     KESTREL_TEXT("actions", "Save picture as PNG…"),
     nullptr,
     KESTREL_TEXT("actions", "Save the picture as PNG"),
     {"Ctrl+Shift+S"},
     Runs::InTheFrontEnd,
     Shown::StartsGroup,
     KESTREL_TEXT("actions", "Save picture")},
    {Action::CopyPicture,
     "copy-picture",
     KESTREL_TEXT("actions", "Copy picture"),
     nullptr,
     KESTREL_TEXT("actions", "Copy the picture"),
     {"Ctrl+Shift+C"},
     Runs::InTheFrontEnd,
     Shown::InMenu},
    {Action::SaveRun,
     "save-run",
     KESTREL_TEXT("actions", "Save run as script…"),
     nullptr,
     KESTREL_TEXT("actions", "Save the run as a script"),
     {"Ctrl+S"},
     Runs::InTheFrontEnd,
     Shown::StartsGroup},
    {Action::OpenRun,
     "open-run",
     KESTREL_TEXT("actions", "Open saved script…"),
     nullptr,
     KESTREL_TEXT("actions", "Open a saved script and go on from its end"),
     {"Ctrl+O"},
     Runs::InTheFrontEnd,
     Shown::InMenu},
    {Action::SaveReadouts,
     "save-readouts",
     KESTREL_TEXT("actions", "Export readouts as CSV…"),
     nullptr,
     KESTREL_TEXT("actions", "Export the readouts as CSV"),
     {"Ctrl+Shift+E"},
     Runs::InTheFrontEnd,
     Shown::InMenu},
    {Action::IvChart,
     "iv-chart",
     KESTREL_TEXT("actions", "I–V chart"),
     nullptr,
     KESTREL_TEXT("actions", "The current against the bias (I–V chart)"),
     {"Ctrl+I"},
     Runs::InTheFrontEnd,
     Shown::InMenu,
     KESTREL_TEXT("actions", "I–V chart")},
    {Action::ClearChart,
     "clear-chart",
     KESTREL_TEXT("actions", "Clear the I–V chart"),
     nullptr,
     KESTREL_TEXT("actions", "Clear the I–V chart (the readouts are kept for export)"),
     {"Ctrl+Shift+X"},
     Runs::InTheFrontEnd,
     Shown::InMenu},
    {Action::Panel,
     "panel",
     KESTREL_TEXT("actions", "Classroom panel"),
     nullptr,
     KESTREL_TEXT("actions", "Large buttons, a bias slider and the run's status"),
     {"Alt+P"},
     Runs::InTheFrontEnd,
     Shown::StartsGroup},
    {Action::CopySetUp,
     "copy-set-up",
     KESTREL_TEXT("actions", "Copy this set-up"),
     nullptr,
     KESTREL_TEXT("actions",
                  "Copy this run's set-up (bias, Start, pause, speed, zoom): a link in the browser, a "
                  "command line on the desktop"),
     {"Alt+U"},
     Runs::InTheFrontEnd,
     Shown::InMenu},
    {Action::Keys,
     "keys",
     KESTREL_TEXT("actions", "Keys"),
     nullptr,
     KESTREL_TEXT("actions", "This list of keys"),
     {"Ctrl+/", "F1"},
     Runs::InTheFrontEnd,
     Shown::StartsGroup},
    {Action::WhatYouSee,
     "what-you-see",
     KESTREL_TEXT("actions", "What you see"),
     nullptr,
     KESTREL_TEXT("actions", "What the picture shows and what the readout counts"),
     {"Alt+W"},
     Runs::InTheFrontEnd,
     Shown::InMenu,
     KESTREL_TEXT("actions", "What you see")},
}};

// The classroom panel's buttons in two rows: the run's, then the view's.
inline constexpr std::array kPanelActions{
    Action::Pause,   Action::Step,   Action::Slower,     Action::Faster,      Action::IvChart,
    Action::ZoomOut, Action::ZoomIn, Action::FullScreen, Action::SavePicture, Action::WhatYouSee,
};
inline constexpr int kPanelColumns = 5;

const ActionDesign& actionDesign(Action action);
// The action a key stands for, as the table writes keys ("Alt+K").
std::optional<Action> actionForKey(std::string_view key);
std::optional<Action> actionNamed(std::string_view name);

}  // namespace kestrel::host
