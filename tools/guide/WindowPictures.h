#pragma once
// The pictures of the guide: the program's real windows, built offscreen over the sample
// folder, put in the state a step of the guide needs, and grabbed with their title bar drawn
// around them.
#include "tools/guide/GuideDocument.h"
#include "tools/guide/GuideEnvironment.h"

namespace custovia::guide {

// Every picture the guide shows, by key. Throws std::runtime_error when a window did not open
// as the guide expects (a button renamed, a window that no longer opens).
WindowPictures takeWindowPictures(GuideEnvironment& guide);

}  // namespace custovia::guide
