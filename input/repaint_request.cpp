#include "input/repaint_request.h"

namespace {
long requests = 0;
}

void RequestRepaint(WindowHandle) { ++requests; }

long RepaintRequestCount() { return requests; }

void ResetRepaintRequestCount() { requests = 0; }
