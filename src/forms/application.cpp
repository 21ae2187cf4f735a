#include "forms/application.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

Application::Application(Backend& backend, AppInfo info) : backend_(backend), info_(std::move(info)) {}

Application::~Application() {
    // Windows first, while every form object still exists; then the objects.
    for (auto* f : loadOrder_) {
        if (f->hasWindow()) backend_.destroyForm(*f);
        f->setHandle(0);
    }
    loadOrder_.clear();
    instances_.clear();
    unloaded_.clear();
    owned_.clear();
}

Form& Application::formOf(std::type_index type) {
    if (auto it = instances_.find(type); it != instances_.end()) return *it->second;
    auto factory = factories_.find(type);
    if (factory == factories_.end()) throw std::logic_error("form type not registered");
    std::unique_ptr<Form> made = factory->second();
    Form& form = *made;
    owned_.push_back(std::move(made));
    instances_[type] = &form;
    loadOrder_.push_back(&form);
    form.onInitialize();
    backend_.createForm(form);
    form.onLoad();
    return form;
}

Form* Application::findForm(const std::string& name) const {
    for (auto* f : loadOrder_)
        if (f->name() == name) return f;
    return nullptr;
}

bool Application::unload(Form& form, int unloadMode) {
    // Membership first: a caller may hold a form that was unloaded (and released) already.
    if (std::find(loadOrder_.begin(), loadOrder_.end(), &form) == loadOrder_.end() || form.unloading_) return true;
    // After End nothing of the program runs any more, so no unload may go on either.
    if (ended_) return false;
    int cancel = 0;
    form.onQueryUnload(cancel, unloadMode);
    if (cancel != 0 || ended_) return false;
    form.onUnload(cancel);
    if (cancel != 0 || ended_) return false;
    form.unloading_ = true;
    form.visible_ = false;
    if (activeForm_ == &form) activeForm_ = nullptr;
    if (form.hasWindow()) backend_.destroyForm(form);
    form.setHandle(0);
    for (const auto& c : form.controls()) c->setHandle(0);
    loadOrder_.erase(std::remove(loadOrder_.begin(), loadOrder_.end(), &form), loadOrder_.end());
    for (auto it = instances_.begin(); it != instances_.end(); ++it) {
        if (it->second == &form) {
            instances_.erase(it);
            break;
        }
    }
    auto owned = std::find_if(owned_.begin(), owned_.end(), [&](const auto& p) { return p.get() == &form; });
    if (owned != owned_.end()) {
        unloaded_.push_back(std::move(*owned));
        owned_.erase(owned);
    }
    form.onTerminate();
    return true;
}

void Application::endSession() {
    for (Form* f : forms()) unload(*f, unload_mode::kAppWindows);
}

void Application::end(int exitStatus) {
    ended_ = true;
    backend_.endProcess(exitStatus);
}

int Application::msgBox(const std::string& text, int style, const std::string& title) {
    return backend_.messageBox(text, style, title.empty() ? info_.title : title);
}

void Application::doEvents() { backend_.doEvents(); }

Application::BusyCursor::BusyCursor(Application& app) : app_(app) {
    if (app_.busyDepth_++ == 0) app_.backend_.setBusyCursor(true);
}

Application::BusyCursor::~BusyCursor() {
    if (--app_.busyDepth_ == 0) app_.backend_.setBusyCursor(false);
}

void Application::releaseUnloaded() { unloaded_.clear(); }

Application::EventScope::EventScope(Application& app) : app_(app) { ++app_.dispatchDepth_; }

Application::EventScope::~EventScope() {
    if (--app_.dispatchDepth_ == 0) app_.releaseUnloaded();
}

}  // namespace forms
