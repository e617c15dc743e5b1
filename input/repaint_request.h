#pragma once
// The one thing the keyboard asks of the window: paint everything again at
// the next paint. Several requests before that paint give one paint. The
// window and the request count are the platform's.

#include "platform/window.h"

using WindowHandle = platform::Window*;

using platform::RepaintRequestCount;
using platform::RequestRepaint;
using platform::ResetRepaintRequestCount;
