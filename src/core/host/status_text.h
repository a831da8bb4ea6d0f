#pragma once

#include <string>

#include "core/host/status.h"
#include "core/host/wording.h"

// How the run's state reads in a status line or a menu, the same in every
// front-end.
namespace kestrel::host {

// "¼×", "½×", "1×", "2×", "4×".
std::string speedText(double speed);
// "100%", "125%", ...
std::string zoomText(double zoom);
// The form's time as minutes and seconds, "00:00", "01:05", "75:02".
std::string elapsedText(double formMs);

// What a class should be told of the run in large letters: "Paused · 2× ·
// 01:05", the pause and the machine's lag only when they apply. Over the
// picture it is shown only while the run differs from a plain one (paused,
// not at 1× or behind), and is empty otherwise; in the classroom panel it
// always shows, with the speed.
enum class StatusUse { OverThePicture, InThePanel };
std::string statusLine(const Status& status, const Wording& wording,
                       StatusUse use = StatusUse::OverThePicture);

}  // namespace kestrel::host
