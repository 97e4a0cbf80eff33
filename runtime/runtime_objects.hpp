// Inside the runtime: the parent of the runtime's own objects that live
// until the program ends (the keyboard watch, the watches of started
// openers). The application ends them first, before the windows and the
// application object, while timers and socket notifiers can still be
// stopped.
#pragma once

class QObject;

namespace rt::detail {
QObject* runtime_objects();
}  // namespace rt::detail
