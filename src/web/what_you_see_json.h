#pragma once

#include <string>

#include "core/host/language.h"

// The page that explains the picture, worded by the core for the page:
// its title, the legend's heading, size and text for screen readers, and
// the sections, each heading and text as the phrases between which a line
// may break, so the page breaks Japanese where the window does.
namespace kestrel::web {

std::string whatYouSeeJson(host::Language language);

}  // namespace kestrel::web
