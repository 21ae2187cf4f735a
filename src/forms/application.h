#pragma once
// The application object: default instances of the forms, their lifecycle, and the
// services every form uses (message boxes, do-events, screen metrics, title and version).
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "forms/backend.h"
#include "forms/form.h"
#include "sparvane/version.h"

namespace forms {

struct AppInfo {
    std::string title = "Sparvane";
    std::string exeName = "sparvane";  // file name without extension
    std::string exeFolder;             // folder of the running executable, no trailing separator
    std::string exePath;               // full path of the running executable
    int major = sparvane::version::kMajor, minor = sparvane::version::kMinor, revision = sparvane::version::kPatch;
};

class Application {
public:
    Application(Backend& backend, AppInfo info);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Backend& backend() const { return backend_; }
    const AppInfo& info() const { return info_; }

    // How to make a form of type F. Registered once, before the first reference.
    template <class F>
    void registerForm(std::function<std::unique_ptr<F>()> make) {
        factories_[std::type_index(typeid(F))] = [make = std::move(make)]() -> std::unique_ptr<Form> { return make(); };
    }

    // The default instance of F: created (Initialize) and loaded (Load) on first reference,
    // and again after it was unloaded.
    template <class F>
    F& form() {
        return static_cast<F&>(formOf(std::type_index(typeid(F))));
    }
    // The instance if it is loaded, else nullptr; never loads.
    template <class F>
    F* loadedForm() const {
        auto it = instances_.find(std::type_index(typeid(F)));
        return it == instances_.end() ? nullptr : static_cast<F*>(it->second);
    }
    // Loaded forms in the order they were loaded.
    std::vector<Form*> forms() const { return loadOrder_; }
    Form* findForm(const std::string& name) const;

    // Unload in the ordinary way (QueryUnload, Unload, then Terminate). False if cancelled.
    bool unload(Form& form, int unloadMode);
    // The Windows session is ending: every loaded form unloads in load order with
    // unload_mode::kAppWindows, its handlers running as for any unload.
    void endSession();
    // The End statement: ends the process at once without running any handler.
    void end(int exitStatus = 0);
    bool ended() const { return ended_; }

    // Message box; an empty title gives the application's title.
    int msgBox(const std::string& text, int style = msgbox::kOkOnly, const std::string& title = {});
    void doEvents();

    // Shows the wait cursor over the program's windows for as long as it lives: long work
    // on the UI thread lets events run, and the user sees that a run is in progress.
    // Scopes nest; the ordinary cursor comes back when the outermost one ends.
    class BusyCursor {
    public:
        explicit BusyCursor(Application& app);
        ~BusyCursor();
        BusyCursor(const BusyCursor&) = delete;
        BusyCursor& operator=(const BusyCursor&) = delete;

    private:
        Application& app_;
    };
    bool busy() const { return busyDepth_ > 0; }

    double screenWidth() const { return backend_.screenWidthTwips(); }
    double screenHeight() const { return backend_.screenHeightTwips(); }
    double workAreaRight() const { return backend_.workAreaRightTwips(); }
    double twipsPerPixelX() const { return backend_.twipsPerPixelX(); }
    double twipsPerPixelY() const { return backend_.twipsPerPixelY(); }

    Form* activeForm() const { return activeForm_; }

    // Backends wrap every dispatch of input or a timer tick in an EventScope, so that
    // forms unloaded during the event are destroyed only once nothing runs their code.
    class EventScope {
    public:
        explicit EventScope(Application& app);
        ~EventScope();
        EventScope(const EventScope&) = delete;
        EventScope& operator=(const EventScope&) = delete;

    private:
        Application& app_;
    };

private:
    friend class Form;
    Form& formOf(std::type_index type);
    void setActive(Form* form) { activeForm_ = form; }
    void releaseUnloaded();

    Backend& backend_;
    AppInfo info_;
    std::map<std::type_index, std::function<std::unique_ptr<Form>()>> factories_;
    std::map<std::type_index, Form*> instances_;
    std::vector<std::unique_ptr<Form>> owned_;
    std::vector<Form*> loadOrder_;
    std::vector<std::unique_ptr<Form>> unloaded_;  // waiting until no handler runs
    Form* activeForm_ = nullptr;
    int dispatchDepth_ = 0;
    int busyDepth_ = 0;
    bool ended_ = false;
};

}  // namespace forms
