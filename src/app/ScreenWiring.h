#pragma once
// Connects the menu items of the main window to the screens. The one place that knows which
// screen answers which item; the screenshot mode uses the same connections.

namespace data { class TFDM; }

namespace app {

class TQK0000;

void connectScreens(TQK0000& main, data::TFDM& dm);

} // namespace app
