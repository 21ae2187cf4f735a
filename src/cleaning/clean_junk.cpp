#include "cleaning/clean_junk.h"

#include "cleaning/clean_up_window.h"
#include "cleaning/recent_folder_window.h"

namespace sparvane::cleaning {

void cleanJunk(forms::Application& app, CleanUpRun& run, JunkMeter& meter, shell::Widget& widget) {
    // A press while a run is under way (the sweep and the emptying let events through)
    // starts nothing inside it: it asks for one more run once this one is over.
    if (run.running()) {
        run.run();
        return;
    }

    // Referring to the windows loads them when they are not: the clean-up window shows
    // itself as it loads and hides again as the run starts, and the Recent folder window's
    // timer goes on measuring after the press.
    (void)app.form<CleanUpWindow>();
    run.selectAll(true);
    run.run();

    (void)app.form<RecentFolderWindow>();
    meter.measure();

    // Just cleaned: green, whatever the measurement above found. On purpose: the user sees
    // the press acknowledged at once; what the run had to leave in the Recent folder (a
    // shortcut held open, files that are no shortcuts) turns the frame dark red again at
    // the Recent folder window's next 20-second measurement rather than making the press
    // look as if it failed.
    widget.setFrameColor(JunkMeter::kFrameGreen);
}

}  // namespace sparvane::cleaning
